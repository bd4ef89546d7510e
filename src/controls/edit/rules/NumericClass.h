#pragma once
// Classification of a numeric text, used when pasting and when a text is written.
#include <string_view>

namespace tornivex::edit {

enum class NumericClass { Invalid, Integer, Float, Hexadecimal };

// Reads the separators from FormatSettings().
NumericClass ClassifyNumericText(std::u16string_view text);

inline bool IsIntegerOrFloat(NumericClass c) {
    return c == NumericClass::Integer || c == NumericClass::Float;
}

}  // namespace tornivex::edit
