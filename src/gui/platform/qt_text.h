#pragma once
// Conversions between the engine's UTF-8 texts and Qt's, and the user's locale where the program needs it.

#include <QLocale>
#include <QString>
#include <string>
#include <string_view>

namespace quintaro::gui {

inline QString qs(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string us(const QString& text) {
    return text.toStdString();
}

// The decimal separator of the user's locale ("." or ","), as amounts are shown and typed.
inline char decimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point == QStringLiteral(",") ? ',' : '.';
}

}  // namespace quintaro::gui
