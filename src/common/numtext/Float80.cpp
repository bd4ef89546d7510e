#include "Float80.h"

#include <cstring>

namespace tornivex::float80 {

// x86 stores the value in the first ten bytes, little-endian: significand, then sign and
// exponent.
static_assert(sizeof(Extended) >= 10);

Fields Decompose(Extended value) {
    unsigned char bytes[sizeof(Extended)] = {};
    std::memcpy(bytes, &value, sizeof value);
    Fields f;
    std::memcpy(&f.significand, bytes, 8);
    const unsigned signExponent = bytes[8] | (static_cast<unsigned>(bytes[9]) << 8);
    f.negative = (signExponent & 0x8000) != 0;
    f.biasedExponent = static_cast<int>(signExponent & 0x7FFF);
    return f;
}

Extended Compose(const Fields& fields) {
    unsigned char bytes[sizeof(Extended)] = {};
    std::memcpy(bytes, &fields.significand, 8);
    const unsigned signExponent =
        (static_cast<unsigned>(fields.biasedExponent) & 0x7FFF) | (fields.negative ? 0x8000 : 0);
    bytes[8] = static_cast<unsigned char>(signExponent & 0xFF);
    bytes[9] = static_cast<unsigned char>(signExponent >> 8);
    Extended value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

}  // namespace tornivex::float80
