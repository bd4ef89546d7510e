#pragma once
// Big powers of five for exact decimal scaling.
#include <cstdint>

#include "BigUInt.h"

namespace tornivex::detail {

// factor * 5^exponent, for exponent from 0 to about 5000 (the extended range and its digits).
BigUInt ScaledPowerOfFive(uint64_t factor, int exponent);

}  // namespace tornivex::detail
