#pragma once
// The bit fields of an 80-bit extended value: sign, 15-bit biased exponent and the 64-bit
// significand with its explicit integer bit.
#include <cstdint>

#include "Extended.h"

namespace tornivex::float80 {

constexpr int kExponentBias = 16383;
constexpr int kMaxBiasedExponent = 0x7FFF;

struct Fields {
    bool negative = false;
    int biasedExponent = 0;  // 0 for zero and denormals, 0x7FFF for infinities and NaNs
    uint64_t significand = 0;
};

Fields Decompose(Extended value);
Extended Compose(const Fields& fields);

// The exponent q with |value| == significand * 2^q for a finite value.
inline int BinaryScale(const Fields& f) {
    return (f.biasedExponent == 0 ? 1 : f.biasedExponent) - kExponentBias - 63;
}

}  // namespace tornivex::float80
