#pragma once
// Number text rules: every number shown to or read from the user passes through here.
// Separators come from FormatSettings().
#include <cstdint>
#include <string>
#include <string_view>

#include "Extended.h"

namespace tornivex {

// General format, 15 significant digits ("200", "222.222222222222", "1E-5", "INF", "NAN").
std::u16string NumberText(Extended value);

// pattern is "%g" or "%.<n>f" with n from 1 to 18. Any other pattern is a programming error
// and raises std::invalid_argument.
std::u16string PatternText(std::u16string_view pattern, Extended value);

// Raises EConvertError "''text'' is not a valid integer value".
int32_t ParseInteger(std::u16string_view text);

// Raises EConvertError "'text' is not a valid floating point value".
Extended ParseNumber(std::u16string_view text);

// False on failure: after a syntax failure value is unchanged, after an overflow it holds
// the infinite value.
bool TryParseNumber(std::u16string_view text, Extended& value);

}  // namespace tornivex
