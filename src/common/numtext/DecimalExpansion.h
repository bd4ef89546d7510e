#pragma once
// Exact decimal expansion of a positive binary value m * 2^q.
#include <cstdint>

namespace tornivex::detail {

// The first 18 significant decimal digits of m * 2^q (m > 0), rounded to nearest with ties
// to even on the exact value: m * 2^q ~= digits * 10^(exponent - 18), where digits lies in
// [10^17, 10^18). A carry out of the 18th digit gives 10^17 with the exponent raised by one.
struct Expansion18 {
    uint64_t digits = 0;
    int exponent = 0;  // number of digits before the decimal point
};

Expansion18 ExpandTo18Digits(uint64_t m, int q);

// round(m * 2^q * 10^s) with ties to even, saturating at UINT64_MAX.
uint64_t RoundedScaled(uint64_t m, int q, int s);

}  // namespace tornivex::detail
