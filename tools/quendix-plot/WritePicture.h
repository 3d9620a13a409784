#pragma once
// Writes what a drawing paints to a PNG file, or an SVG file when the path ends in ".svg".

#include <QPainter>
#include <QSize>
#include <functional>
#include <string>

// False, with error set to the reason, when the file cannot be written.
bool WritePicture(const std::string& path, QSize size, const std::function<void(QPainter&)>& draw,
                  std::string& error);
