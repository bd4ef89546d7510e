#pragma once
// The stored design of the main window's four input fields: bounds and the properties the window
// sets, in the order it stores them (edit type, precision, precision display, suffix, text). The
// window, the command-line calculator and the field tests all build their fields from here.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "EditTypes.h"
#include "LocaleSettings.h"

namespace tornivex {

struct TFieldDesign {
    const char* Name;
    int Left, Top, Width, Height;
    TAdvEditType EditType;
    int16_t Precision;
    TPrecisionDisplay PrecisionDisplay;
    const char16_t* Suffix;  // empty for none
    const char16_t* Text;
};

inline constexpr TFieldDesign degED1Design{"degED1", 56, 7, 38, 21, etFloat, 3, pdShortest, u"\u00B0", u"1.8"};
inline constexpr TFieldDesign edMicroDesign{"edMicro", 56, 34, 38, 21, etNumeric, 0, pdNormal, u"", u"10"};
inline constexpr TFieldDesign edR1Design{"edR1", 132, 64, 54, 21, etFloat, 8, pdShortest, u"", u"40"};
inline constexpr TFieldDesign edR2Design{"edR2", 198, 64, 54, 21, etFloat, 8, pdShortest, u"", u"1"};

// In the calculation's reading order: step angle, division, motor side, axis side.
inline constexpr std::array<TFieldDesign, 4> kMainWindowFields{degED1Design, edMicroDesign,
                                                               edR1Design, edR2Design};

// Design texts are written in the program's own notation (decimal point, no grouping) so that
// they mean the same number everywhere; a field reads its text in the user's notation, so the
// design's point becomes the user's decimal separator before the field sees it.
inline std::u16string DesignTextInUserNotation(std::u16string_view designText) {
    std::u16string text(designText);
    for (char16_t& c : text)
        if (c == u'.') c = FormatSettings().DecimalSeparator;
    return text;
}

// Applies a design's stored properties to a field, skipping those equal to a new field's
// defaults as a stored window does. `toText` turns a text into the field's own string type and
// `writeText` writes the value text, which arrives in the user's notation. Works for TAdvEdit and the widget-free value field.
template <class Field, class ToText, class WriteText>
void ApplyStoredProperties(Field& field, const TFieldDesign& design, ToText toText,
                           WriteText writeText) {
    if (design.EditType != etString) field.SetEditType(design.EditType);
    if (design.Precision != 0) field.SetPrecision(design.Precision);
    if (design.PrecisionDisplay != pdNormal) field.SetPrecisionDisplay(design.PrecisionDisplay);
    if (*design.Suffix != 0) field.SetSuffix(toText(design.Suffix));
    writeText(toText(DesignTextInUserNotation(design.Text).c_str()));
}

}  // namespace tornivex
