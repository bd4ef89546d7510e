#pragma once
// Scaling an extended value by a power of ten, as text-to-number conversion does it.
#include <cstdint>

#include "Extended.h"

namespace tornivex::detail {

// |k| from here on makes the power infinite: the scaled value is infinity (or NaN for zero)
// when multiplying and zero (or NaN for infinity) when dividing.
constexpr uint64_t kPowerOfTenLimit = 5120;

// value * 10^k for k >= 0, value / 10^-k for k < 0, each step rounded to nearest:
// low = 10^(|k| mod 32) * 10^(32 * ((|k| / 32) mod 16)) (one rounded product), then the
// value is multiplied (divided) by low and then by 10^(512 * (|k| / 512)).
Extended ScaleByPowerOfTen(Extended value, int64_t k);

// The table constants, for tests: 10^n (n 0..31), 10^(32 j) and 10^(512 j) (j from 1).
Extended TenPowUnit(int n);
Extended TenPowThirtyTwos(int j);
Extended TenPowFiveTwelves(int j);

}  // namespace tornivex::detail
