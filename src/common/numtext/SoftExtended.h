#pragma once
// The 80-bit extended format in software, for machines whose long double is something else.
// The bits are those of the x87 format (64-bit significand with its explicit integer bit, sign and
// 15-bit biased exponent), and every operation gives the bits the x87 unit gives with precision
// control at 64 bits, rounding to nearest, ties to even, and its exceptions masked: gradual
// underflow to denormals, infinity on overflow, the unit's default NaN (negative, significand
// 0xC000000000000000) for an invalid operation, a NaN operand passed on quieted (of two NaNs the
// one with the larger significand, the positive one of equal significands). Unnormals and pseudo-NaNs count as invalid operands.
// Built everywhere, so x86-64 can check it bit for bit against its own hardware.
#include <compare>
#include <concepts>
#include <cstdint>
#include <iosfwd>
#include <limits>

namespace tornivex {

class SoftExtended {
public:
    static constexpr int kBias = 16383;
    static constexpr int kMaxBiasedExponent = 0x7FFF;

    constexpr SoftExtended() = default;  // +0
    template <std::integral T>
    SoftExtended(T value) {  // NOLINT: integers convert exactly, as the x87 loads them
        if constexpr (std::is_signed_v<T>) {
            const auto wide = static_cast<int64_t>(value);
            *this = FromInteger(wide < 0, wide < 0 ? 0 - static_cast<uint64_t>(wide)
                                                    : static_cast<uint64_t>(wide));
        } else {
            *this = FromInteger(false, static_cast<uint64_t>(value));
        }
    }
    SoftExtended(double value);       // NOLINT: exact
    SoftExtended(long double value);  // NOLINT: exact where long double is no wider, else rounded

    static constexpr SoftExtended FromBits(bool negative, int biasedExponent, uint64_t significand) {
        SoftExtended x;
        x.significand_ = significand;
        x.signExponent_ = static_cast<uint16_t>((biasedExponent & kMaxBiasedExponent) |
                                                (negative ? 0x8000 : 0));
        return x;
    }
    static SoftExtended FromInteger(bool negative, uint64_t magnitude);

    constexpr bool Negative() const { return (signExponent_ & 0x8000) != 0; }
    constexpr int BiasedExponent() const { return signExponent_ & kMaxBiasedExponent; }
    constexpr uint64_t Significand() const { return significand_; }

    // Rounded to nearest, ties to even, as storing to a double does.
    explicit operator double() const;
    // Exact where long double is the x87 format or wider.
    explicit operator long double() const;

    friend SoftExtended operator+(SoftExtended a, SoftExtended b);
    friend SoftExtended operator-(SoftExtended a, SoftExtended b);
    friend SoftExtended operator*(SoftExtended a, SoftExtended b);
    friend SoftExtended operator/(SoftExtended a, SoftExtended b);
    friend SoftExtended operator-(SoftExtended a) {
        return FromBits(!a.Negative(), a.BiasedExponent(), a.significand_);
    }
    SoftExtended& operator+=(SoftExtended b) { return *this = *this + b; }
    SoftExtended& operator-=(SoftExtended b) { return *this = *this - b; }
    SoftExtended& operator*=(SoftExtended b) { return *this = *this * b; }
    SoftExtended& operator/=(SoftExtended b) { return *this = *this / b; }

    // IEEE comparison: a NaN is unordered, and +0 equals -0.
    friend bool operator==(SoftExtended a, SoftExtended b);
    friend std::partial_ordering operator<=>(SoftExtended a, SoftExtended b);

private:
    uint64_t significand_ = 0;
    uint16_t signExponent_ = 0;
};

constexpr bool IsNaN(SoftExtended x) {
    return x.BiasedExponent() == SoftExtended::kMaxBiasedExponent && (x.Significand() << 1) != 0;
}
constexpr bool IsInf(SoftExtended x) {
    return x.BiasedExponent() == SoftExtended::kMaxBiasedExponent && (x.Significand() << 1) == 0;
}
constexpr bool IsFinite(SoftExtended x) {
    return x.BiasedExponent() != SoftExtended::kMaxBiasedExponent;
}
constexpr bool SignBit(SoftExtended x) { return x.Negative(); }

// The bits in hexadecimal (sign and exponent, then significand), for test messages.
std::ostream& operator<<(std::ostream& out, SoftExtended x);

namespace soft_detail {
// high:low / divisor for a divisor with its top bit set and high < divisor, without a 128-bit
// division: how processors without one divide (x86-64 uses its instruction; tests compare).
uint64_t DivideByEstimate(uint64_t high, uint64_t low, uint64_t divisor, uint64_t& remainder);
}  // namespace soft_detail

}  // namespace tornivex

template <>
struct std::numeric_limits<tornivex::SoftExtended> {
    using T = tornivex::SoftExtended;

    static constexpr bool is_specialized = true;
    static constexpr bool is_signed = true;
    static constexpr bool has_infinity = true;
    static constexpr bool has_quiet_NaN = true;
    static constexpr bool has_denorm_loss = false;
    static constexpr int digits = 64;
    static constexpr int max_exponent = 16384;
    static constexpr int min_exponent = -16381;
    static constexpr int radix = 2;
    static constexpr T max() { return T::FromBits(false, 0x7FFE, ~uint64_t{0}); }
    static constexpr T min() { return T::FromBits(false, 1, uint64_t{1} << 63); }
    static constexpr T lowest() { return T::FromBits(true, 0x7FFE, ~uint64_t{0}); }
    static constexpr T denorm_min() { return T::FromBits(false, 0, 1); }
    static constexpr T epsilon() { return T::FromBits(false, 16383 - 63, uint64_t{1} << 63); }
    static constexpr T infinity() { return T::FromBits(false, 0x7FFF, uint64_t{1} << 63); }
    static constexpr T quiet_NaN() { return T::FromBits(false, 0x7FFF, uint64_t{3} << 62); }
};
