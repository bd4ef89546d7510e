#include "BigUInt.h"

#include <bit>
#include <cmath>
#include <stdexcept>

namespace tornivex::detail {

namespace {
__extension__ using u128 = unsigned __int128;

constexpr uint64_t kFivePow27 = 7450580596923828125ULL;  // the largest power of five in 64 bits

void CheckRoom(size_t limbs) {
    if (limbs > BigUInt::kMaxLimbs) throw std::length_error("BigUInt capacity exceeded");
}
}  // namespace

BigUInt::BigUInt(uint64_t value) {
    if (value != 0) {
        limbs_[0] = value;
        size_ = 1;
    }
}

void BigUInt::MultiplyBy(uint64_t factor) {
    if (factor == 0) {
        size_ = 0;
        return;
    }
    uint64_t carry = 0;
    for (size_t i = 0; i < size_; ++i) {
        const u128 product = static_cast<u128>(limbs_[i]) * factor + carry;
        limbs_[i] = static_cast<uint64_t>(product);
        carry = static_cast<uint64_t>(product >> 64);
    }
    if (carry != 0) {
        CheckRoom(size_ + 1);
        limbs_[size_++] = carry;
    }
}

void BigUInt::MultiplyByPowerOfFive(int exponent) {
    for (; exponent >= 27; exponent -= 27) MultiplyBy(kFivePow27);
    uint64_t rest = 1;
    for (; exponent > 0; --exponent) rest *= 5;
    MultiplyBy(rest);
}

void BigUInt::ShiftLeft(int bits) {
    if (size_ == 0 || bits <= 0) return;
    const size_t limbShift = static_cast<size_t>(bits) / 64;
    const int bitShift = bits % 64;
    CheckRoom(size_ + limbShift + 1);
    limbs_[size_ + limbShift] = 0;
    for (size_t i = size_; i-- > 0;) {
        if (bitShift != 0) limbs_[i + limbShift + 1] |= limbs_[i] >> (64 - bitShift);
        limbs_[i + limbShift] = limbs_[i] << bitShift;
    }
    for (size_t i = 0; i < limbShift; ++i) limbs_[i] = 0;
    size_ += limbShift + 1;
    while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
}

void BigUInt::Subtract(const BigUInt& smallerOrEqual) {
    uint64_t borrow = 0;
    for (size_t i = 0; i < size_; ++i) {
        const uint64_t b = i < smallerOrEqual.size_ ? smallerOrEqual.limbs_[i] : 0;
        const uint64_t a = limbs_[i];
        const uint64_t diff = a - b - borrow;
        borrow = (a < b || (a == b && borrow != 0)) ? 1 : 0;
        limbs_[i] = diff;
    }
    while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
}

BigUInt BigUInt::Times(uint64_t factor) const {
    BigUInt result = *this;
    result.MultiplyBy(factor);
    return result;
}

int BigUInt::BitLength() const {
    if (size_ == 0) return 0;
    return static_cast<int>(64 * (size_ - 1)) + (64 - std::countl_zero(limbs_[size_ - 1]));
}

long double BigUInt::Leading(int& exponent) const {
    const int bits = BitLength();
    if (bits == 0) {
        exponent = 0;
        return 0;
    }
    // Gather the top 64 bits; the rest is truncated (relative error below 2^-63).
    const int low = bits > 64 ? bits - 64 : 0;
    const size_t limb = static_cast<size_t>(low) / 64;
    const int offset = low % 64;
    uint64_t top = limbs_[limb] >> offset;
    if (offset != 0 && limb + 1 < size_) top |= limbs_[limb + 1] << (64 - offset);
    exponent = low;
    return static_cast<long double>(top);
}

int Compare(const BigUInt& a, const BigUInt& b) {
    if (a.size_ != b.size_) return a.size_ < b.size_ ? -1 : 1;
    for (size_t i = a.size_; i-- > 0;) {
        if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
    }
    return 0;
}

}  // namespace tornivex::detail
