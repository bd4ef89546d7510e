#include "PowersOfFive.h"

#include <stdexcept>
#include <vector>

namespace tornivex::detail {

namespace {

constexpr int kBlock = 128;       // the table holds 5^(128 i)
constexpr int kBlockCount = 40;   // up to 5^4992
constexpr uint64_t kFivePow27 = 7450580596923828125ULL;

const std::vector<BigUInt>& BlockPowers() {
    // Built once, on the first big conversion; about 64 KB.
    static const std::vector<BigUInt> table = [] {
        std::vector<BigUInt> powers;
        powers.reserve(kBlockCount);
        BigUInt p(1);
        for (int i = 0; i < kBlockCount; ++i) {
            powers.push_back(p);
            p.MultiplyByPowerOfFive(kBlock);
        }
        return powers;
    }();
    return table;
}

}  // namespace

BigUInt ScaledPowerOfFive(uint64_t factor, int exponent) {
    if (exponent < 0 || exponent / kBlock >= kBlockCount) {
        throw std::out_of_range("ScaledPowerOfFive: exponent beyond the table");
    }
    BigUInt result = BlockPowers()[static_cast<size_t>(exponent / kBlock)];
    result.MultiplyBy(factor);
    int rest = exponent % kBlock;
    for (; rest >= 27; rest -= 27) result.MultiplyBy(kFivePow27);
    uint64_t tail = 1;
    for (; rest > 0; --rest) tail *= 5;
    result.MultiplyBy(tail);
    return result;
}

}  // namespace tornivex::detail
