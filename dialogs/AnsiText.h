#pragma once
// The program's texts are single-byte; Qt's are Unicode. Latin-1 keeps every byte.

#include <QString>
#include <string>
#include <string_view>

inline QString ToQString(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToAnsi(const QString& text) {
    return text.toLatin1().toStdString();
}
