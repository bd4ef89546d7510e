#include "Float80.h"

namespace tornivex::float80 {

// The software type holds exactly these bits; the x87 long double converts to it without loss.
Fields Decompose(Extended value) {
    const SoftExtended bits(value);
    return {bits.Negative(), bits.BiasedExponent(), bits.Significand()};
}

Extended Compose(const Fields& fields) {
    const SoftExtended bits =
        SoftExtended::FromBits(fields.negative, fields.biasedExponent, fields.significand);
    return static_cast<Extended>(bits);
}

}  // namespace tornivex::float80
