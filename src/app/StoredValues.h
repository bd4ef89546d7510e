#pragma once
// What a controller makes of the units: the nearest value of the binary format it keeps (a
// 32-bit float or a double), the shortest text that reads back as exactly that value, and how
// far an axis drifts per turn when the stored value is not the calculated one.
#include <optional>
#include <string>

#include "Extended.h"

namespace tornivex {

enum class StoredFormat { Float32, Float64 };

// The nearest value of the format (ties to even), exactly as an Extended; none when the value
// lies outside the format's normal range, where a controller would not hold it faithfully.
std::optional<Extended> NearestStored(Extended value, StoredFormat format);

// The fewest significant digits, in fixed notation with a decimal point, that a correctly
// rounding reader turns back into `stored` (itself a value of the format): the text to type into
// the controller. Machine input, so always "." whatever the user's settings.
std::string ShortestStoredText(Extended stored, StoredFormat format);

// The 15-digit number text with a decimal point whatever the user's settings: numbers that a
// controller or a script reads.
std::u16string PointNumberText(Extended value);

// Degrees the axis turns too far (negative: too little) per commanded turn when the controller
// steps by `used` micro-steps per degree instead of the true `units`: 360 x (used - units) / units.
Extended DriftPerTurn(Extended used, Extended units);

// The units rounded by hand to `decimals` (1 to 9) decimals: the text with its trailing zeros, in
// the user's notation, and the value it reads as.
struct RoundedValue {
    Extended value;
    std::u16string text;
};
RoundedValue RoundedUnits(Extended units, int decimals);

}  // namespace tornivex
