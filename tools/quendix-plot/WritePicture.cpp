#include "WritePicture.h"

#include <QFile>
#include <QImage>
#include <QSvgGenerator>

namespace {

bool WritePng(QFile& file, QSize size, const std::function<void(QPainter&)>& draw) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    draw(painter);
    painter.end();
    return image.save(&file, "PNG");
}

bool WriteSvg(QFile& file, QSize size, const std::function<void(QPainter&)>& draw) {
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle("Range history");
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    draw(painter);
    return painter.end();
}

} // namespace

bool WritePicture(const std::string& path, QSize size, const std::function<void(QPainter&)>& draw,
                  std::string& error) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        error = file.errorString().toStdString();
        return false;
    }
    const bool written =
        path.ends_with(".svg") ? WriteSvg(file, size, draw) : WritePng(file, size, draw);
    if (!written || !file.flush()) {
        error = file.error() != QFileDevice::NoError ? file.errorString().toStdString()
                                                     : "the picture could not be made";
        return false;
    }
    return true;
}
