#include "DecimalExpansion.h"

#include <bit>
#include <cmath>
#include <limits>

#include "BigUInt.h"
#include "PowersOfFive.h"

namespace tornivex::detail {

namespace {
__extension__ using u128 = unsigned __int128;

constexpr uint64_t kSaturated = std::numeric_limits<uint64_t>::max();
constexpr uint64_t kTenPow17 = 100000000000000000ULL;
constexpr uint64_t kTenPow18 = 1000000000000000000ULL;
constexpr int kMaxSmallFivePower = 27;  // 5^27 < 2^63

uint64_t PowerOfFive(int exponent) {
    uint64_t p = 1;
    for (int i = 0; i < exponent; ++i) p *= 5;
    return p;
}

int BitLength(u128 x) {
    const auto high = static_cast<uint64_t>(x >> 64);
    if (high != 0) return 128 - std::countl_zero(high);
    return 64 - std::countl_zero(static_cast<uint64_t>(x));
}

uint64_t Saturate(u128 x) { return x > kSaturated ? kSaturated : static_cast<uint64_t>(x); }

// round(num / 2^shift), ties to even.
uint64_t RoundShiftRight(u128 num, int shift) {
    if (shift >= 128) return 0;  // num < 2^127 here, so less than half
    const u128 quotient = num >> shift;
    const u128 remainder = num - (quotient << shift);
    const u128 half = static_cast<u128>(1) << (shift - 1);
    const bool up = remainder > half || (remainder == half && (quotient & 1) != 0);
    return Saturate(quotient + (up ? 1 : 0));
}

// round(num / den), ties to even.
uint64_t RoundDivide(u128 num, u128 den) {
    const u128 quotient = num / den;
    const u128 remainder = num % den;
    const u128 rest = den - remainder;
    const bool up = remainder > rest || (remainder == rest && (quotient & 1) != 0);
    return Saturate(quotient + (up ? 1 : 0));
}

// The cheap path: everything fits in 128 bits. Returns false when it does not.
bool RoundedScaledSmall(uint64_t m, int q, int s, uint64_t& result) {
    const int t = q + s;
    if (s >= 0) {
        if (s > kMaxSmallFivePower) return false;
        const u128 num = static_cast<u128>(m) * PowerOfFive(s);
        if (t >= 0) {
            if (BitLength(num) + t > 127) return false;
            result = Saturate(num << t);
        } else {
            result = RoundShiftRight(num, -t);
        }
        return true;
    }
    if (-s > kMaxSmallFivePower) return false;
    const u128 five = PowerOfFive(-s);
    if (t >= 0) {
        if (64 + t > 127) return false;
        result = RoundDivide(static_cast<u128>(m) << t, five);
    } else {
        if (BitLength(five) - t > 127) return false;
        result = RoundDivide(m, five << -t);
    }
    return true;
}

// The general path: num / den with big integers; the quotient is estimated from the
// leading bits and then corrected exactly.
uint64_t RoundedScaledBig(uint64_t m, int q, int s) {
    BigUInt num = s >= 0 ? ScaledPowerOfFive(m, s) : BigUInt(m);
    BigUInt den = s >= 0 ? BigUInt(1) : ScaledPowerOfFive(1, -s);
    const int t = q + s;
    if (t >= 0) num.ShiftLeft(t);
    else den.ShiftLeft(-t);

    int numExp = 0;
    int denExp = 0;
    const long double numLead = num.Leading(numExp);
    const long double denLead = den.Leading(denExp);
    const long double estimate = std::ldexp(numLead / denLead, numExp - denExp);
    if (estimate >= 0x1p64L) return kSaturated;
    uint64_t quotient = static_cast<uint64_t>(estimate);

    BigUInt product = den.Times(quotient);
    while (Compare(product, num) > 0) {  // estimate one or two too high
        --quotient;
        product.Subtract(den);
    }
    BigUInt remainder = num;
    remainder.Subtract(product);
    while (Compare(remainder, den) >= 0) {  // estimate one or two too low
        ++quotient;
        remainder.Subtract(den);
    }
    // Compare 2 * remainder with den for the rounding.
    remainder.ShiftLeft(1);
    const int c = Compare(remainder, den);
    const bool up = c > 0 || (c == 0 && (quotient & 1) != 0);
    if (up) {
        if (quotient == kSaturated) return kSaturated;
        ++quotient;
    }
    return quotient;
}

}  // namespace

uint64_t RoundedScaled(uint64_t m, int q, int s) {
    uint64_t result = 0;
    if (RoundedScaledSmall(m, q, s, result)) return result;
    return RoundedScaledBig(m, q, s);
}

Expansion18 ExpandTo18Digits(uint64_t m, int q) {
    // log10 of the value, close enough that at most a step or two of correction follow.
    const double log10Value = std::log10(static_cast<double>(m)) + q * 0.30102999566398119521;
    int exponent = static_cast<int>(std::floor(log10Value)) + 1;
    for (;;) {
        const uint64_t digits = RoundedScaled(m, q, 18 - exponent);
        if (digits >= kTenPow18) {
            ++exponent;  // too many digits (or a carry out of the 18th): one more before the point
        } else if (digits < kTenPow17) {
            --exponent;
        } else if (digits == kTenPow17) {
            // Either the value starts 1000... at this exponent, or it lies just below 10^17
            // and was rounded up: one digit fewer before the point settles it.
            const uint64_t below = RoundedScaled(m, q, 18 - (exponent - 1));
            if (below < kTenPow18) return {below, exponent - 1};
            return {digits, exponent};
        } else {
            return {digits, exponent};
        }
    }
}

}  // namespace tornivex::detail
