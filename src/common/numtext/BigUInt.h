#pragma once
// A small unsigned big integer, just enough for exact decimal expansion of extended values:
// the largest operand (a 64-bit significand times 2^16384 or 5^4950) needs under 12,000 bits.
#include <array>
#include <cstddef>
#include <cstdint>

namespace tornivex::detail {

class BigUInt {
public:
    static constexpr size_t kMaxLimbs = 200;

    BigUInt() = default;
    explicit BigUInt(uint64_t value);

    void MultiplyBy(uint64_t factor);
    void MultiplyByPowerOfFive(int exponent);
    void ShiftLeft(int bits);
    void Subtract(const BigUInt& smallerOrEqual);
    BigUInt Times(uint64_t factor) const;

    int BitLength() const;
    // The value's top 64 bits as a long double scaled by 2^exponent (exponent set here).
    long double Leading(int& exponent) const;

    friend int Compare(const BigUInt& a, const BigUInt& b);

private:
    std::array<uint64_t, kMaxLimbs> limbs_{};
    size_t size_ = 0;  // limbs in use; limbs_[size_ - 1] != 0 unless size_ == 0
};

int Compare(const BigUInt& a, const BigUInt& b);

}  // namespace tornivex::detail
