#include "PowersOfTen.h"

#include <array>
#include <cstddef>
#include <limits>

namespace tornivex::detail {

namespace {

// significand * 2^exponent, exact, at compile time in either representation of the format.
constexpr Extended Binary(uint64_t significand, int exponent) {
#if TORNIVEX_SOFT_EXTENDED
    return SoftExtended::FromBits(false, exponent + 63 + SoftExtended::kBias, significand);
#else
    long double scale = 1;
    long double factor = exponent < 0 ? 0.5L : 2.0L;
    for (int n = exponent < 0 ? -exponent : exponent; n != 0; n >>= 1) {
        if (n & 1) scale *= factor;
        if (n > 1) factor *= factor;
    }
    return static_cast<long double>(significand) * scale;
#endif
}

// Powers of ten correctly rounded to the 64-bit significand (written as exact binary values:
// significand * 2^exponent). Up to 10^27 they are exact.
constexpr std::array<Extended, 32> kTenPowUnits = {
    Binary(0x8000000000000000, -63),  // 1e0
    Binary(0xA000000000000000, -60),  // 1e1
    Binary(0xC800000000000000, -57),  // 1e2
    Binary(0xFA00000000000000, -54),  // 1e3
    Binary(0x9C40000000000000, -50),  // 1e4
    Binary(0xC350000000000000, -47),  // 1e5
    Binary(0xF424000000000000, -44),  // 1e6
    Binary(0x9896800000000000, -40),  // 1e7
    Binary(0xBEBC200000000000, -37),  // 1e8
    Binary(0xEE6B280000000000, -34),  // 1e9
    Binary(0x9502F90000000000, -30),  // 1e10
    Binary(0xBA43B74000000000, -27),  // 1e11
    Binary(0xE8D4A51000000000, -24),  // 1e12
    Binary(0x9184E72A00000000, -20),  // 1e13
    Binary(0xB5E620F480000000, -17),  // 1e14
    Binary(0xE35FA931A0000000, -14),  // 1e15
    Binary(0x8E1BC9BF04000000, -10),  // 1e16
    Binary(0xB1A2BC2EC5000000, -7),  // 1e17
    Binary(0xDE0B6B3A76400000, -4),  // 1e18
    Binary(0x8AC7230489E80000, 0),  // 1e19
    Binary(0xAD78EBC5AC620000, 3),  // 1e20
    Binary(0xD8D726B7177A8000, 6),  // 1e21
    Binary(0x878678326EAC9000, 10),  // 1e22
    Binary(0xA968163F0A57B400, 13),  // 1e23
    Binary(0xD3C21BCECCEDA100, 16),  // 1e24
    Binary(0x84595161401484A0, 20),  // 1e25
    Binary(0xA56FA5B99019A5C8, 23),  // 1e26
    Binary(0xCECB8F27F4200F3A, 26),  // 1e27
    Binary(0x813F3978F8940984, 30),  // 1e28
    Binary(0xA18F07D736B90BE5, 33),  // 1e29
    Binary(0xC9F2C9CD04674EDF, 36),  // 1e30
    Binary(0xFC6F7C4045812296, 39),  // 1e31
};

// 10^(32 j) for j = 1..15.
constexpr std::array<Extended, 15> kTenPowThirtyTwos = {
    Binary(0x9DC5ADA82B70B59E, 43),  // 1e32
    Binary(0xC2781F49FFCFA6D5, 149),  // 1e64
    Binary(0xEFB3AB16C59B14A3, 255),  // 1e96
    Binary(0x93BA47C980E98CE0, 362),  // 1e128
    Binary(0xB616A12B7FE617AA, 468),  // 1e160
    Binary(0xE070F78D3927556B, 574),  // 1e192
    Binary(0x8A5296FFE33CC930, 681),  // 1e224
    Binary(0xAA7EEBFB9DF9DE8E, 787),  // 1e256
    Binary(0xD226FC195C6A2F8C, 893),  // 1e288
    Binary(0x81842F29F2CCE376, 1000),  // 1e320
    Binary(0x9FA42700DB900AD2, 1106),  // 1e352
    Binary(0xC4C5E310AEF8AA17, 1212),  // 1e384
    Binary(0xF28A9C07E9B09C59, 1318),  // 1e416
    Binary(0x957A4AE1EBF7F3D4, 1425),  // 1e448
    Binary(0xB83ED8DC0795A262, 1531),  // 1e480
};

// 10^(512 j) for j = 1..9.
constexpr std::array<Extended, 9> kTenPowFiveTwelves = {
    Binary(0xE319A0AEA60E91C7, 1637),  // 1e512
    Binary(0xC976758681750C17, 3338),  // 1e1024
    Binary(0xB2B8353B3993A7E4, 5039),  // 1e1536
    Binary(0x9E8B3B5DC53D5DE5, 6740),  // 1e2048
    Binary(0x8CA554C020A1F0A6, 8441),  // 1e2560
    Binary(0xF9895D25D88B5A8B, 10141),  // 1e3072
    Binary(0xDD5DC8A2BF27F3F8, 11842),  // 1e3584
    Binary(0xC46052028A20979B, 13543),  // 1e4096
    Binary(0xAE3511626ED559F0, 15244),  // 1e4608
};

}  // namespace

Extended TenPowUnit(int n) { return kTenPowUnits[static_cast<std::size_t>(n)]; }
Extended TenPowThirtyTwos(int j) { return kTenPowThirtyTwos[static_cast<std::size_t>(j - 1)]; }
Extended TenPowFiveTwelves(int j) { return kTenPowFiveTwelves[static_cast<std::size_t>(j - 1)]; }

Extended ScaleByPowerOfTen(Extended value, int64_t k) {
    const uint64_t magnitude = k < 0 ? 0 - static_cast<uint64_t>(k) : static_cast<uint64_t>(k);
    if (magnitude >= kPowerOfTenLimit) {
        // The power itself is beyond the range: infinity, or zero when dividing by it.
        const Extended infinity = std::numeric_limits<Extended>::infinity();
        return k < 0 ? value / infinity : value * infinity;
    }
    const int a = static_cast<int>(magnitude);
    // The part below 10^512 is one rounded product, applied first; the 10^(512 j) factor
    // is applied on its own so that the power never overflows on the way to a tiny result.
    Extended low = kTenPowUnits[static_cast<std::size_t>(a & 31)];
    if (const int j = (a >> 5) & 15; j != 0) low = low * kTenPowThirtyTwos[static_cast<std::size_t>(j - 1)];
    const int high = a >> 9;
    if (k >= 0) {
        value = value * low;
        if (high != 0) value = value * kTenPowFiveTwelves[static_cast<std::size_t>(high - 1)];
    } else {
        value = value / low;
        if (high != 0) value = value / kTenPowFiveTwelves[static_cast<std::size_t>(high - 1)];
    }
    return value;
}

}  // namespace tornivex::detail
