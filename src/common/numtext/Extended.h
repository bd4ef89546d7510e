#pragma once
// The 80-bit extended format every calculation and number text works in.
#include <limits>

namespace tornivex {

using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64,
              "Extended must be the 80-bit x87 format with a 64-bit significand");
static_assert(std::numeric_limits<Extended>::max_exponent == 16384,
              "Extended must have a 15-bit exponent");

}  // namespace tornivex
