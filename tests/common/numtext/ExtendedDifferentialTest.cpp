// The software extended type against the x87 unit, bit for bit: the four operations, the
// conversions and the fault each raises, over operands drawn from the whole range with weight on
// the hard places (denormals, the extremes, ties, overflow, underflow, cancellation), plus every
// value of the reference vectors. Only where long double is the unit's own format.
// TORNIVEX_EXTENDED_PAIRS sets the number of random pairs (default 200,000; the 10 million run is
// scripts/check-extended), TORNIVEX_EXTENDED_SEED the seed.
#include <gtest/gtest.h>

#include <cfloat>

#if LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384

#include <array>
#include <cfenv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "ExtendedArithmetic.h"
#include "SoftExtended.h"

namespace tornivex {
namespace {

using Soft = SoftExtended;
enum class Op { Add, Subtract, Multiply, Divide };
constexpr std::array<Op, 4> kOps{Op::Add, Op::Subtract, Op::Multiply, Op::Divide};
constexpr const char* kOpNames[] = {"+", "-", "*", "/"};
constexpr uint64_t kTop = uint64_t{1} << 63;

uint64_t EnvCount(const char* name, uint64_t fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : fallback;
}

std::string Hex(Soft x) {
    char text[24];
    std::snprintf(text, sizeof text, "%04X%016llX",
                  static_cast<unsigned>(x.BiasedExponent() | (x.Negative() ? 0x8000 : 0)),
                  static_cast<unsigned long long>(x.Significand()));
    return text;
}

bool SameBits(Soft a, Soft b) {
    return a.Negative() == b.Negative() && a.BiasedExponent() == b.BiasedExponent() &&
           a.Significand() == b.Significand();
}

// The unit's answer and the fault its status flags report.
struct Hardware {
    Soft result;
    ArithmeticFault fault;
};

Hardware OnTheUnit(Op op, Soft a, Soft b) {
    volatile long double x = static_cast<long double>(a);
    volatile long double y = static_cast<long double>(b);
    std::feclearexcept(FE_ALL_EXCEPT);
    long double r = 0;
    switch (op) {
    case Op::Add: r = x + y; break;
    case Op::Subtract: r = x - y; break;
    case Op::Multiply: r = x * y; break;
    case Op::Divide: r = x / y; break;
    }
    volatile long double stored = r;
    const int flags = std::fetestexcept(FE_ALL_EXCEPT);
    ArithmeticFault fault = ArithmeticFault::None;
    if (flags & FE_INVALID) fault = ArithmeticFault::Invalid;
    else if (flags & FE_DIVBYZERO) fault = ArithmeticFault::ZeroDivide;
    else if (flags & FE_OVERFLOW) fault = ArithmeticFault::Overflow;
    return {Soft(static_cast<long double>(stored)), fault};
}

Soft InSoftware(Op op, Soft a, Soft b) {
    switch (op) {
    case Op::Add: return a + b;
    case Op::Subtract: return a - b;
    case Op::Multiply: return a * b;
    case Op::Divide: return a / b;
    }
    return {};
}

class Comparison {
public:
    void Operation(Op op, Soft a, Soft b) {
        const Hardware hw = OnTheUnit(op, a, b);
        const Soft sw = InSoftware(op, a, b);
        const ArithmeticFault fault = FaultOf(a, b, sw, op == Op::Divide);
        ++operations_;
        if (!SameBits(hw.result, sw) || hw.fault != fault) {
            Mismatch(Hex(a) + " " + kOpNames[static_cast<int>(op)] + " " + Hex(b) + ": unit " +
                     Hex(hw.result) + " fault " + std::to_string(static_cast<int>(hw.fault)) +
                     ", software " + Hex(sw) + " fault " +
                     std::to_string(static_cast<int>(fault)));
        }
        ++faults_[static_cast<int>(hw.fault)];
        if (IsFinite(hw.result) && hw.result.BiasedExponent() == 0 && hw.result.Significand() != 0) {
            ++denormalResults_;
        }
    }
    void Conversions(uint64_t doubleBits, int64_t integer, Soft value) {
        double d;
        std::memcpy(&d, &doubleBits, sizeof d);
        const volatile double vd = d;
        Check("from double", Soft(static_cast<long double>(vd)), Soft(d), Hex(Soft(d)));
        const volatile int64_t vi = integer;
        Check("from integer", Soft(static_cast<long double>(vi)), Soft(integer),
              std::to_string(integer));
        const volatile long double vx = static_cast<long double>(value);
        const double unit = static_cast<double>(vx);
        const double soft = static_cast<double>(value);
        conversions_ += 3;
        if (std::memcmp(&unit, &soft, sizeof unit) != 0) Mismatch("to double of " + Hex(value));
    }
    void CountTie() { ++ties_; }

    void Report(const char* what) const {
        std::printf("%s: %llu operations and %llu conversions compared, %llu differ; faults: "
                    "zero divide %llu, invalid %llu, overflow %llu; denormal results %llu; "
                    "exact ties %llu\n",
                    what, static_cast<unsigned long long>(operations_),
                    static_cast<unsigned long long>(conversions_),
                    static_cast<unsigned long long>(mismatches_),
                    static_cast<unsigned long long>(faults_[1]),
                    static_cast<unsigned long long>(faults_[2]),
                    static_cast<unsigned long long>(faults_[3]),
                    static_cast<unsigned long long>(denormalResults_),
                    static_cast<unsigned long long>(ties_));
        std::string text;
        for (const std::string& s : shown_) text += "  " + s + "\n";
        EXPECT_EQ(mismatches_, 0u) << "first ones:\n" << text;
    }

private:
    void Check(const char* what, Soft unit, Soft soft, const std::string& from) {
        if (!SameBits(unit, soft)) Mismatch(std::string(what) + " " + from);
    }
    void Mismatch(const std::string& text) {
        if (shown_.size() < 10) shown_.push_back(text);
        ++mismatches_;
    }
    uint64_t operations_ = 0, conversions_ = 0, mismatches_ = 0, denormalResults_ = 0, ties_ = 0;
    uint64_t faults_[4] = {};
    std::vector<std::string> shown_;
};

// Operands from everywhere, each pair drawn from one of several kinds.
class Operands {
public:
    explicit Operands(uint64_t seed) : rng_(seed) {}

    uint64_t Bits() { return rng_(); }
    int Below(int n) { return static_cast<int>(rng_() % static_cast<uint64_t>(n)); }
    bool Coin() { return (rng_() & 1) != 0; }

    Soft Normal(int biased) { return Soft::FromBits(Coin(), biased, rng_() | kTop); }
    Soft Denormal() { return Soft::FromBits(Coin(), 0, rng_() >> Below(64)); }
    Soft Anywhere() { return Normal(Below(0x7FFF)); }
    // Few significant bits, so that sums and products often land exactly halfway.
    Soft Short(int biased) {
        const int bits = 1 + Below(34);
        const uint64_t sig = bits == 1 ? kTop : kTop | ((rng_() >> (64 - bits + 1)) << (64 - bits));
        return Soft::FromBits(Coin(), biased, sig);
    }
    Soft Extreme() {
        static const std::array<Soft, 14> kValues = {
            Soft::FromBits(false, 0, 0), Soft::FromBits(true, 0, 0),
            std::numeric_limits<Soft>::denorm_min(), std::numeric_limits<Soft>::min(),
            std::numeric_limits<Soft>::max(), Soft::FromBits(false, 0, kTop - 1),
            std::numeric_limits<Soft>::infinity(), -std::numeric_limits<Soft>::infinity(),
            Soft::FromBits(true, 0x7FFF, 0xC000000000000000),  // the unit's default NaN
            Soft::FromBits(false, 0x7FFF, 0xC000000000001234),  // quiet NaN
            Soft::FromBits(false, 0x7FFF, 0x8000000000005678),  // signalling NaN
            Soft::FromBits(false, 0x3FFF, 0x4000000000000000),  // unnormal
            Soft::FromBits(false, 0x7FFF, 0),                   // pseudo-infinity
            Soft(1)};
        const Soft x = kValues[static_cast<size_t>(Below(kValues.size()))];
        return Coin() ? x : -x;
    }
    Soft Near(Soft a, int spread) {
        const int e = std::clamp(a.BiasedExponent() + Below(2 * spread + 1) - spread, 0, 0x7FFE);
        return e == 0 ? Denormal() : Normal(e);
    }

    std::pair<Soft, Soft> Pair(Op op) {
        switch (Below(7)) {
        case 0: return {Anywhere(), Anywhere()};
        case 1: return {Coin() ? Denormal() : Anywhere(), Denormal()};
        case 2: return {Coin() ? Extreme() : Anywhere(), Extreme()};
        case 3: {  // ties: short significands at nearby exponents
            const Soft a = Short(1 + Below(0x7FFD));
            return {a, Short(std::clamp(a.BiasedExponent() - Below(68), 1, 0x7FFE))};
        }
        case 4: {  // cancellation: nearly equal magnitudes
            const Soft a = Anywhere();
            const uint64_t sig = a.Significand() ^ (rng_() >> Below(64) >> 1);
            return {a, Soft::FromBits(Coin(), a.BiasedExponent(), sig | kTop)};
        }
        case 5: {  // results at the top or the bottom of the range
            const bool top = Coin();
            const int a = 1 + Below(0x7FFD);
            const int target = top ? 0x7FFE - Below(3) + Below(3) : 1 + Below(70) - 66;
            int b = op == Op::Divide ? a - target + 16383 : target - a + 16383;
            if (op == Op::Add || op == Op::Subtract) b = top ? 0x7FFE - Below(2) : Below(3);
            const Soft x = op == Op::Add || op == Op::Subtract ? Normal(top ? 0x7FFE : 1) : Normal(a);
            return {x, b <= 0 ? Denormal() : Normal(std::min(b, 0x7FFE))};
        }
        default: {
            const Soft a = Anywhere();
            return {a, Near(a, 70)};
        }
        }
    }

private:
    std::mt19937_64 rng_;
};

// An exact sum or product of two normal operands that lands halfway between two results.
bool IsTie(Op op, Soft a, Soft b) {
    __extension__ typedef unsigned __int128 u128;
    if (!IsFinite(a) || !IsFinite(b) || a.BiasedExponent() == 0 || b.BiasedExponent() == 0) {
        return false;
    }
    u128 exact;
    if (op == Op::Multiply) {
        exact = static_cast<u128>(a.Significand()) * b.Significand();
    } else if (op == Op::Add && a.Negative() == b.Negative()) {
        const int d = a.BiasedExponent() - b.BiasedExponent();
        if (d < 0 || d > 63) return false;
        exact = (static_cast<u128>(a.Significand()) << d) + b.Significand();
    } else {
        return false;
    }
    int length = 0;
    for (u128 x = exact; x != 0; x >>= 1) ++length;
    if (length <= 64) return false;
    const u128 below = exact & ((static_cast<u128>(1) << (length - 64)) - 1);
    return below == static_cast<u128>(1) << (length - 65);
}

TEST(ExtendedDifferential, RandomPairsAgreeWithTheUnit) {
    const uint64_t pairs = EnvCount("TORNIVEX_EXTENDED_PAIRS", 200000);
    Operands operands(EnvCount("TORNIVEX_EXTENDED_SEED", 20));
    Comparison comparison;
    for (uint64_t i = 0; i < pairs; ++i) {
        const Op op = kOps[i % 4];
        const auto [a, b] = operands.Pair(op);
        for (const Op each : kOps) {
            comparison.Operation(each, a, b);
            if (IsTie(each, a, b)) comparison.CountTie();
        }
        comparison.Conversions(operands.Bits(), static_cast<int64_t>(operands.Bits()) >> operands.Below(64),
                               operands.Coin() ? a : b);
    }
    comparison.Report("random pairs");
}

// The division ARM uses (x86-64 has the instruction) against exact 128-bit division.
TEST(ExtendedDifferential, EstimatedDivisionIsExact) {
    __extension__ typedef unsigned __int128 u128;
    const uint64_t count = EnvCount("TORNIVEX_EXTENDED_PAIRS", 200000);
    std::mt19937_64 rng(EnvCount("TORNIVEX_EXTENDED_SEED", 20));
    uint64_t wrong = 0;
    for (uint64_t i = 0; i < count; ++i) {
        const uint64_t divisor = rng() | kTop;
        uint64_t high = rng() % divisor;
        if (i % 4 == 0) high = divisor - 1 - (rng() & 3) % divisor;  // quotients near 2^64
        const uint64_t low = i % 8 == 1 ? 0 : rng();
        uint64_t remainder = 0;
        const uint64_t quotient = soft_detail::DivideByEstimate(high, low, divisor, remainder);
        const u128 dividend = (static_cast<u128>(high) << 64) | low;
        if (quotient != static_cast<uint64_t>(dividend / divisor) ||
            remainder != static_cast<uint64_t>(dividend % divisor)) {
            ++wrong;
        }
    }
    EXPECT_EQ(wrong, 0u) << "of " << count;
}

// Every value of the format vectors against its neighbours and the calculation's constants.
TEST(ExtendedDifferential, ReferenceVectorValuesAgreeWithTheUnit) {
    const char* root = std::getenv("TORNIVEX_SOURCE_DIR");
    ASSERT_NE(root, nullptr);
    std::ifstream in(std::string(root) + "/tests/common/numtext/data/format_vectors.txt");
    std::vector<Soft> values;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        const auto signExponent = static_cast<unsigned>(std::stoul(line.substr(0, 4), nullptr, 16));
        values.push_back(Soft::FromBits((signExponent & 0x8000) != 0, signExponent & 0x7FFF,
                                        std::stoull(line.substr(4, 16), nullptr, 16)));
    }
    ASSERT_GE(values.size(), 20000u);
    const std::array<Soft, 4> constants = {Soft(360), Soft(1.8), Soft(3), Soft(10)};
    Comparison comparison;
    for (size_t i = 0; i < values.size(); ++i) {
        for (const Op op : kOps) {
            comparison.Operation(op, values[i], values[(i + 1) % values.size()]);
            for (const Soft c : constants) {
                comparison.Operation(op, values[i], c);
                comparison.Operation(op, c, values[i]);
            }
        }
        comparison.Conversions(0, 0, values[i]);
    }
    comparison.Report("reference vector values");
}

}  // namespace
}  // namespace tornivex

#endif
