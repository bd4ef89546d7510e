#pragma once
// Conversions between Qt's text and the UTF-16 strings of the value rules.
#include <string>
#include <string_view>

#include <QString>

namespace tornivex::edit {

inline std::u16string ToU16(const QString& text) { return text.toStdU16String(); }

inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace tornivex::edit
