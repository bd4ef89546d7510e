#include "SimpleRatio.h"

#include "Float80.h"

namespace tornivex {

std::optional<SimpleRatio> NearestSimpleRatio(Extended ratio) {
    __extension__ using Wide = unsigned __int128;
    const float80::Fields f = float80::Decompose(ratio);
    if (f.negative || f.biasedExponent == 0 || f.biasedExponent == float80::kMaxBiasedExponent) return std::nullopt;
    // ratio = a / b exactly, b = 2^shift; the range keeps every product below 2^100.
    const int shift = -float80::BinaryScale(f);
    if (shift < 43 || shift > 73) return std::nullopt;
    const Wide a = f.significand;
    const Wide b = Wide{1} << shift;

    std::optional<SimpleRatio> best;
    Wide bestError = 0;  // |a q - p b| of the best, over its q
    for (uint32_t q = 1; q <= kSimpleRatioMaxDenominator; ++q) {
        const Wide below = a * q / b;
        for (const Wide p : {below, below + 1}) {
            if (p == 0) continue;
            const Wide aq = a * q;
            const Wide pb = p * b;
            const Wide error = aq > pb ? aq - pb : pb - aq;
            // error / (b q) < bestError / (b bestQ), without dividing.
            if (!best || error * best->axisTurns < bestError * q) {
                best = SimpleRatio{static_cast<uint32_t>(p), q};
                bestError = error;
            }
        }
    }
    // |p/q - a/b| <= 0.0005 a/b  <=>  error * 10000 <= 5 a q
    if (!best || bestError * 10000 > Wide{5} * a * best->axisTurns) return std::nullopt;
    return best;
}

}  // namespace tornivex
