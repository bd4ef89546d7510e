#include "SoftExtended.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <ostream>

namespace tornivex {

namespace soft_detail {

// The machine's double division estimates the quotient within a few thousand, one more estimate
// of the remainder's quotient brings it within one or two, and the exact remainder settles it.
// Processors without a 128-by-64 division (ARM) would otherwise call a slow library routine.
uint64_t DivideByEstimate(uint64_t high, uint64_t low, uint64_t divisor, uint64_t& remainder) {
    __extension__ typedef unsigned __int128 u128;
    __extension__ typedef __int128 s128;
    const u128 dividend = (static_cast<u128>(high) << 64) | low;
    const double reciprocal = 1.0 / static_cast<double>(divisor);
    double estimate = (static_cast<double>(high) * 0x1p64 + static_cast<double>(low)) * reciprocal;
    if (estimate >= 0x1p64) estimate = 0x1p64 - 2048;  // the largest double below 2^64
    uint64_t quotient = static_cast<uint64_t>(estimate);
    // What is left, small enough to be signed: |dividend - quotient * divisor| < 2^80.
    s128 left = static_cast<s128>(dividend - static_cast<u128>(quotient) * divisor);
    // Its top bits are plenty for the second estimate (and convert without a library call).
    const auto step = static_cast<int64_t>(
        static_cast<double>(static_cast<int64_t>(left >> 20)) * 0x1p20 * reciprocal);
    quotient += static_cast<uint64_t>(step);
    left -= static_cast<s128>(step) * divisor;
    while (left < 0) {
        --quotient;
        left += divisor;
    }
    while (left >= static_cast<s128>(divisor)) {
        ++quotient;
        left -= divisor;
    }
    remainder = static_cast<uint64_t>(left);
    return quotient;
}

}  // namespace soft_detail

namespace {

__extension__ typedef unsigned __int128 u128;

constexpr uint64_t kIntegerBit = uint64_t{1} << 63;
constexpr uint64_t kQuietBit = uint64_t{1} << 62;

// high:low / divisor where the quotient fits in 64 bits: the instruction on x86-64, the
// estimate below elsewhere.
uint64_t DivideWide(u128 dividend, uint64_t divisor, uint64_t& remainder) {
    const auto high = static_cast<uint64_t>(dividend >> 64);
    const auto low = static_cast<uint64_t>(dividend);
#if defined(__x86_64__)
    uint64_t quotient;
    __asm__("divq %[d]" : "=a"(quotient), "=d"(remainder) : [d] "r"(divisor), "a"(low), "d"(high));
    return quotient;
#else
    return soft_detail::DivideByEstimate(high, low, divisor, remainder);
#endif
}

// A binary floating-point format as far as rounding is concerned.
struct Format {
    int bits;        // significand bits, the integer bit included
    int bias;
    int maxBiased;   // the biased exponent of infinities
};
constexpr Format kExtendedFormat{64, SoftExtended::kBias, SoftExtended::kMaxBiasedExponent};
constexpr Format kDoubleFormat{53, 1023, 0x7FF};

struct Rounded {
    uint64_t significand;  // the integer bit set unless biased is 0 (denormal or zero)
    int biased;            // maxBiased means infinity
};

int BitLength(u128 x) {
    const auto high = static_cast<uint64_t>(x >> 64);
    return high != 0 ? 128 - std::countl_zero(high)
                     : 64 - std::countl_zero(static_cast<uint64_t>(x));
}

// sig * 2^scale, plus a tail below sig's last bit when `sticky` (only with at least two bits to
// drop), rounded to the format: nearest, ties to even, gradual underflow, infinity on overflow.
template <const Format& f>
Rounded RoundTo(u128 sig, int scale, bool sticky) {
    const int top = BitLength(sig) - 1;
    int biased = scale + top + f.bias;
    int drop = top - (f.bits - 1);
    if (biased < 1) {  // below the normal range: keep the bits the denormals have
        drop += 1 - biased;
        biased = 1;
    }
    u128 kept;
    if (drop <= 0) {
        kept = sig << -drop;
    } else {
        const bool half = drop <= 128 && ((sig >> (drop - 1)) & 1) != 0;
        const bool rest = sticky || (drop >= 2 && (drop - 1 >= 128 ? sig != 0
                                                                    : (sig << (129 - drop)) != 0));
        kept = drop >= 128 ? 0 : sig >> drop;
        if (half && (rest || (kept & 1) != 0)) ++kept;
    }
    if (kept >> f.bits != 0) {  // rounded up to the next power of two
        kept >>= 1;
        ++biased;
    }
    if ((kept >> (f.bits - 1)) == 0) biased = 0;  // still below the normal range
    if (biased >= f.maxBiased) return {uint64_t{1} << (f.bits - 1), f.maxBiased};
    return {static_cast<uint64_t>(kept), biased};
}

SoftExtended Pack(bool negative, const Rounded& r) {
    if (r.biased == SoftExtended::kMaxBiasedExponent) {
        return SoftExtended::FromBits(negative, r.biased, kIntegerBit);
    }
    return SoftExtended::FromBits(negative, r.biased, r.significand);
}

SoftExtended RoundExtended(bool negative, u128 sig, int scale, bool sticky = false) {
    return Pack(negative, RoundTo<kExtendedFormat>(sig, scale, sticky));
}

const SoftExtended kDefaultNaN = SoftExtended::FromBits(true, 0x7FFF, kIntegerBit | kQuietBit);

bool IntegerBit(SoftExtended x) { return (x.Significand() & kIntegerBit) != 0; }
bool IsZero(SoftExtended x) { return x.BiasedExponent() == 0 && x.Significand() == 0; }

// Encodings the unit refuses as operands: unnormals, pseudo-infinities and pseudo-NaNs.
bool IsUnsupported(SoftExtended x) {
    return x.BiasedExponent() != 0 && !IntegerBit(x);
}

// A normal finite value: none of the special cases below apply.
bool Ordinary(SoftExtended x) {
    return static_cast<unsigned>(x.BiasedExponent() - 1) < 0x7FFE && IntegerBit(x);
}

// value = significand * 2^Scale(x) for a finite x (denormals share the smallest normal scale).
int Scale(SoftExtended x) {
    return (x.BiasedExponent() == 0 ? 1 : x.BiasedExponent()) - SoftExtended::kBias - 63;
}

SoftExtended Quieted(SoftExtended x) {
    return SoftExtended::FromBits(x.Negative(), x.BiasedExponent(), x.Significand() | kQuietBit);
}

// The answer when an operand is a NaN or an unsupported encoding.
std::optional<SoftExtended> NaNOperands(SoftExtended a, SoftExtended b) {
    if (IsUnsupported(a) || IsUnsupported(b)) return kDefaultNaN;
    const bool nanA = IsNaN(a);
    const bool nanB = IsNaN(b);
    if (!nanA && !nanB) return std::nullopt;
    if (nanA && nanB) {
        const bool quietA = (a.Significand() & kQuietBit) != 0;
        const bool quietB = (b.Significand() & kQuietBit) != 0;
        if (quietA != quietB) return quietA ? a : b;
        if (a.Significand() != b.Significand()) return Quieted(a.Significand() > b.Significand() ? a : b);
        return Quieted(a.Negative() ? b : a);  // equal significands: the positive one
    }
    return Quieted(nanA ? a : b);
}

// A pseudo-denormal (exponent 0 with the integer bit set) written as the normal value it is.
SoftExtended Canonical(SoftExtended x) {
    if (x.BiasedExponent() != 0 || !IntegerBit(x)) return x;
    return SoftExtended::FromBits(x.Negative(), 1, x.Significand());
}

// Magnitude order of finite values (a pseudo-denormal, exponent 0 with the integer bit set, is
// as large as a normal value of exponent 1).
bool MagnitudeBelow(SoftExtended a, SoftExtended b) {
    if (Scale(a) != Scale(b)) return Scale(a) < Scale(b);
    return a.Significand() < b.Significand();
}

SoftExtended Sum(SoftExtended a, SoftExtended b, bool negateB) {
    const bool signB = b.Negative() != negateB;
    if (!Ordinary(a) || !Ordinary(b)) {
        if (const auto nan = NaNOperands(a, b)) return *nan;
        b = SoftExtended::FromBits(signB, b.BiasedExponent(), b.Significand());
        if (IsInf(a) || IsInf(b)) {
            if (IsInf(a) && IsInf(b) && a.Negative() != signB) return kDefaultNaN;
            return IsInf(a) ? a : b;
        }
        if (IsZero(a) && IsZero(b)) return SoftExtended::FromBits(a.Negative() && signB, 0, 0);
        if (IsZero(a)) return Canonical(b);
        if (IsZero(b)) return Canonical(a);
    }

    // Plain values in registers from here (swapping the packed objects through memory stalls).
    struct Term {
        uint64_t sig;
        int scale;
        bool negative;
    };
    Term x{a.Significand(), Scale(a), a.Negative()};
    Term y{b.Significand(), Scale(b), signB};
    if (y.scale > x.scale || (y.scale == x.scale && y.sig > x.sig)) std::swap(x, y);
    const int distance = x.scale - y.scale;
    // Both significands one bit above 63 guard bits; the smaller one's lost bits become an odd
    // last bit, which stands for "a little more" without ever landing on a rounding boundary.
    const u128 big = static_cast<u128>(x.sig) << 63;
    const u128 small = static_cast<u128>(y.sig) << 62;
    u128 aligned;
    bool lost;
    if (distance >= 127) {
        aligned = 0;
        lost = true;
    } else {
        aligned = small >> distance;
        lost = distance > 0 && (small << (128 - distance)) != 0;
    }
    aligned = (aligned << 1) | (lost ? 1 : 0);
    const u128 total = x.negative == y.negative ? big + aligned : big - aligned;
    if (total == 0) return SoftExtended{};  // exact cancellation gives +0 when rounding to nearest
    return RoundExtended(x.negative, total, x.scale - 63);
}

}  // namespace

SoftExtended::SoftExtended(double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const bool negative = (bits >> 63) != 0;
    const int exponent = static_cast<int>((bits >> 52) & 0x7FF);
    const uint64_t fraction = bits & ((uint64_t{1} << 52) - 1);
    if (exponent == 0x7FF) {
        // Infinity, or a NaN whose payload moves up and which comes out quiet.
        *this = FromBits(negative, kMaxBiasedExponent,
                         kIntegerBit | (fraction << 11) | (fraction != 0 ? kQuietBit : 0));
    } else if (exponent == 0) {
        *this = fraction == 0 ? FromBits(negative, 0, 0)
                              : RoundExtended(negative, fraction, 1 - 1023 - 52);
    } else {
        *this = FromBits(negative, exponent - 1023 + kBias, (kIntegerBit | (fraction << 11)));
    }
}

SoftExtended::SoftExtended(long double value) {
    if constexpr (std::numeric_limits<long double>::digits == 64 &&
                  std::numeric_limits<long double>::max_exponent == 16384) {
        // The x87 format itself: its first ten bytes are these bits.
        unsigned char bytes[sizeof value] = {};
        std::memcpy(bytes, &value, sizeof value);
        std::memcpy(&significand_, bytes, 8);
        signExponent_ = static_cast<uint16_t>(bytes[8] | (bytes[9] << 8));
    } else {
        const bool negative = std::signbit(value);
        if (std::isnan(value)) {
            *this = FromBits(negative, kMaxBiasedExponent, kIntegerBit | kQuietBit);
        } else if (std::isinf(value)) {
            *this = FromBits(negative, kMaxBiasedExponent, kIntegerBit);
        } else if (value == 0) {
            *this = FromBits(negative, 0, 0);
        } else {
            // 128 leading bits of the magnitude, the rest (a wider format has more) sticky.
            int exponent = 0;
            const long double fraction = std::frexp(std::fabs(value), &exponent);
            const long double top = std::ldexp(fraction, 64);
            const auto high = static_cast<uint64_t>(top);
            const long double below = std::ldexp(top - static_cast<long double>(high), 64);
            const auto low = static_cast<uint64_t>(below);
            const bool sticky = below != static_cast<long double>(low);
            const u128 sig = (static_cast<u128>(high) << 64) | low;
            *this = Pack(negative, RoundTo<kExtendedFormat>(sig, exponent - 128, sticky));
        }
    }
}

SoftExtended SoftExtended::FromInteger(bool negative, uint64_t magnitude) {
    if (magnitude == 0) return SoftExtended{};  // the unit loads an integer zero as +0
    const int shift = std::countl_zero(magnitude);
    return FromBits(negative, kBias + 63 - shift, magnitude << shift);
}

SoftExtended::operator double() const {
    uint64_t bits = Negative() ? uint64_t{1} << 63 : 0;
    if (IsUnsupported(*this)) {
        bits = 0xFFF8000000000000;  // the double's default NaN
    } else if (IsNaN(*this)) {
        bits |= (uint64_t{0x7FF} << 52) | ((significand_ | kQuietBit) & ~kIntegerBit) >> 11;
    } else if (IsInf(*this)) {
        bits |= uint64_t{0x7FF} << 52;
    } else if (significand_ != 0) {
        const Rounded r = RoundTo<kDoubleFormat>(significand_, Scale(*this), false);
        bits |= (static_cast<uint64_t>(r.biased) << 52) |
                (r.significand & ((uint64_t{1} << 52) - 1));
        if (r.biased == 0x7FF) bits &= ~((uint64_t{1} << 52) - 1);
    }
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

SoftExtended::operator long double() const {
    if constexpr (std::numeric_limits<long double>::digits == 64 &&
                  std::numeric_limits<long double>::max_exponent == 16384) {
        long double value = 0;
        unsigned char bytes[sizeof value] = {};
        std::memcpy(bytes, &significand_, 8);
        bytes[8] = static_cast<unsigned char>(signExponent_ & 0xFF);
        bytes[9] = static_cast<unsigned char>(signExponent_ >> 8);
        std::memcpy(&value, bytes, sizeof value);
        return value;
    } else {
        long double magnitude;
        if (IsNaN(*this) || IsUnsupported(*this)) {
            magnitude = std::numeric_limits<long double>::quiet_NaN();
        } else if (IsInf(*this)) {
            magnitude = std::numeric_limits<long double>::infinity();
        } else {
            magnitude = std::ldexp(static_cast<long double>(significand_), Scale(*this));
        }
        return Negative() ? -magnitude : magnitude;
    }
}

SoftExtended operator+(SoftExtended a, SoftExtended b) { return Sum(a, b, false); }
SoftExtended operator-(SoftExtended a, SoftExtended b) { return Sum(a, b, true); }

SoftExtended operator*(SoftExtended a, SoftExtended b) {
    const bool negative = a.Negative() != b.Negative();
    if (!Ordinary(a) || !Ordinary(b)) {
        if (const auto nan = NaNOperands(a, b)) return *nan;
        if (IsInf(a) || IsInf(b)) {
            if (IsZero(a) || IsZero(b)) return kDefaultNaN;
            return SoftExtended::FromBits(negative, SoftExtended::kMaxBiasedExponent, kIntegerBit);
        }
        if (IsZero(a) || IsZero(b)) return SoftExtended::FromBits(negative, 0, 0);
    }
    const u128 product = static_cast<u128>(a.Significand()) * b.Significand();
    return RoundExtended(negative, product, Scale(a) + Scale(b));
}

SoftExtended operator/(SoftExtended a, SoftExtended b) {
    const bool negative = a.Negative() != b.Negative();
    if (!Ordinary(a) || !Ordinary(b)) {
        if (const auto nan = NaNOperands(a, b)) return *nan;
        const SoftExtended infinity =
            SoftExtended::FromBits(negative, SoftExtended::kMaxBiasedExponent, kIntegerBit);
        if (IsInf(a)) return IsInf(b) ? kDefaultNaN : infinity;
        if (IsInf(b)) return SoftExtended::FromBits(negative, 0, 0);
        if (IsZero(b)) return IsZero(a) ? kDefaultNaN : infinity;
        if (IsZero(a)) return SoftExtended::FromBits(negative, 0, 0);
    }

    // Both significands normalised, the dividend shifted so that the quotient has exactly 64
    // bits: one 128-by-64 division, and the remainder tells the rest. Twice the remainder
    // against the divisor gives the next bit (half) and whether anything lies beyond it.
    const int shiftA = std::countl_zero(a.Significand());
    const int shiftB = std::countl_zero(b.Significand());
    const uint64_t num = a.Significand() << shiftA;
    const uint64_t den = b.Significand() << shiftB;
    const int headroom = num >= den ? 63 : 64;
    uint64_t remainder;
    const uint64_t quotient = DivideWide(static_cast<u128>(num) << headroom, den, remainder);
    const bool half = remainder >= den - remainder;            // 2r >= den without overflow
    const bool beyond = remainder != 0 && remainder != den - remainder;
    const u128 sig = (static_cast<u128>(quotient) << 2) | (half ? 2 : 0) | (beyond ? 1 : 0);
    const int scale = (Scale(a) - shiftA) - (Scale(b) - shiftB) - headroom - 2;
    return RoundExtended(negative, sig, scale);
}

bool operator==(SoftExtended a, SoftExtended b) {
    return (a <=> b) == std::partial_ordering::equivalent;
}

std::partial_ordering operator<=>(SoftExtended a, SoftExtended b) {
    if (IsNaN(a) || IsNaN(b) || IsUnsupported(a) || IsUnsupported(b)) {
        return std::partial_ordering::unordered;
    }
    if (IsZero(a) && IsZero(b)) return std::partial_ordering::equivalent;
    if (a.Negative() != b.Negative()) {
        return a.Negative() ? std::partial_ordering::less : std::partial_ordering::greater;
    }
    if (a.BiasedExponent() == b.BiasedExponent() && a.Significand() == b.Significand()) {
        return std::partial_ordering::equivalent;
    }
    const bool below = MagnitudeBelow(a, b) != a.Negative();
    return below ? std::partial_ordering::less : std::partial_ordering::greater;
}

std::ostream& operator<<(std::ostream& out, SoftExtended x) {
    char text[24];
    std::snprintf(text, sizeof text, "%04X%016llX",
                  static_cast<unsigned>(x.BiasedExponent() | (x.Negative() ? 0x8000 : 0)),
                  static_cast<unsigned long long>(x.Significand()));
    return out << text;
}

}  // namespace tornivex
