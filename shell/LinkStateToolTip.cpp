#include "LinkStateToolTip.h"

#include <QRegularExpression>
#include <QStringList>

// The port and its device before the first ": ", then a line for each fact of the reason.
QString LinkStateToolTip(const std::string& state) {
    const QString text = QString::fromStdString(state);
    const qsizetype colon = text.indexOf(QStringLiteral(": "));
    QStringList lines;
    if (colon >= 0) {
        lines << text.left(colon);
    }
    static const QRegularExpression facts(QStringLiteral("; | — "));
    lines << text.mid(colon < 0 ? 0 : colon + 2).split(facts, Qt::SkipEmptyParts);
    for (QString& line : lines) {
        line = line.toHtmlEscaped();
    }
    // Rich text, so that no line is read as markup; "pre" keeps each line whole.
    return QStringLiteral("<p style=\"white-space:pre\">%1</p>")
        .arg(lines.join(QStringLiteral("<br>")));
}
