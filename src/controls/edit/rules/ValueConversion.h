#pragma once
// Reading numbers out of value texts. No error leaves the float conversion; reading a field's
// float value raises EOverflow for numbers the IEEE double cannot hold.
#include <cstdint>
#include <string_view>

#include "EditTypes.h"
#include "Extended.h"

namespace tornivex::edit {

// Removes every thousand separator, then converts with TryParseNumber: an unreadable text gives 0,
// a number beyond the extended range gives the infinity TryParseNumber left.
Extended FloatConversion(std::u16string_view valueText);

// The float value of a field holding valueText. Empty and "-" read as 0. A number beyond the
// double range raises EOverflow; one below it becomes a denormal or 0.
double ReadFloatValue(TAdvEditType type, std::u16string_view valueText);

// The integer value: hexadecimal digits for etHex, a decimal integer otherwise; 0 when unreadable.
int32_t ReadIntValue(TAdvEditType type, std::u16string_view valueText);

}  // namespace tornivex::edit
