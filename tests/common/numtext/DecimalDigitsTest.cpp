#include <gtest/gtest.h>

#include <limits>

#include "DecimalDigits.h"
#include "DecimalExpansion.h"
#include "PowersOfTen.h"
#include "TestText.h"

namespace tornivex {
namespace {

using testing::FromFields;

TEST(DecimalDigits, RecordOfZeroAndDenormalsIsEmptyAndPositive) {
    for (const Extended v : {Extended{0.0L}, Extended{-0.0L}, std::numeric_limits<Extended>::denorm_min(),
                             -std::numeric_limits<Extended>::denorm_min(),
                             FromFields(true, 0, 0x8000000000000000ULL)}) {
        const TFloatRec rec = DecimalDigits(v, 15);
        EXPECT_EQ(rec.Count, 0);
        EXPECT_EQ(rec.Exponent, 0);
        EXPECT_FALSE(rec.Negative);
    }
}

TEST(DecimalDigits, RecordOfSpecialValues) {
    const TFloatRec inf = DecimalDigits(-std::numeric_limits<Extended>::infinity(), 15);
    EXPECT_EQ(inf.Exponent, TFloatRec::kInfinity);
    EXPECT_TRUE(inf.Negative);
    const TFloatRec nan = DecimalDigits(-std::numeric_limits<Extended>::quiet_NaN(), 15);
    EXPECT_EQ(nan.Exponent, TFloatRec::kNaN);
    EXPECT_FALSE(nan.Negative);
    // An exponent of all ones with a zero fraction is an infinity even without the integer bit.
    EXPECT_EQ(DecimalDigits(FromFields(false, 0x7FFF, 0), 15).Exponent, TFloatRec::kInfinity);
    EXPECT_EQ(DecimalDigits(FromFields(false, 0x7FFF, 1), 15).Exponent, TFloatRec::kNaN);
    // An unnormal zero (exponent set, significand zero) has no digits.
    EXPECT_EQ(DecimalDigits(FromFields(true, 100, 0), 15).Count, 0);
}

TEST(DecimalDigits, EighteenDigitsOfTheExtremes) {
    const TFloatRec max = DecimalDigits(std::numeric_limits<Extended>::max(), 18);
    EXPECT_EQ(max.DigitText(), "118973149535723177");
    EXPECT_EQ(max.Exponent, 4933);
    const TFloatRec min = DecimalDigits(std::numeric_limits<Extended>::min(), 18);
    EXPECT_EQ(min.DigitText(), "336210314311209351");
    EXPECT_EQ(min.Exponent, -4931);
}

TEST(DecimalDigits, CarryOutOfTheFirstDigitRaisesTheExponent) {
    const TFloatRec rec = DecimalDigits(9.9999999999999999L, 15);
    EXPECT_EQ(rec.DigitText(), "1");
    EXPECT_EQ(rec.Exponent, 2);
    // Cut at position zero: the first digit alone decides.
    const TFloatRec up = DecimalDigits(0.0006L, 18, 3);
    EXPECT_EQ(up.DigitText(), "1");
    EXPECT_EQ(up.Exponent, -2);
    EXPECT_EQ(DecimalDigits(0.0004L, 18, 3).Count, 0);
    EXPECT_EQ(DecimalDigits(0.00009L, 18, 3).Count, 0);  // cut before the first digit
}

TEST(DecimalExpansion, TiesGoToEvenOnTheExactValue) {
    // 2^60 + 2 = 1152921504606846978: 19 digits, the 19th is 8.
    auto e = detail::ExpandTo18Digits((1ULL << 60) + 2, 0);
    EXPECT_EQ(e.digits, 115292150460684698ULL);
    EXPECT_EQ(e.exponent, 19);
    // 10^18 + 5 and 10^18 + 15: exact halves at the 19th digit.
    EXPECT_EQ(detail::ExpandTo18Digits(1000000000000000005ULL, 0).digits, 100000000000000000ULL);
    EXPECT_EQ(detail::ExpandTo18Digits(1000000000000000015ULL, 0).digits, 100000000000000002ULL);
    // 10^19 - 5 rounds up to 10^19: a carry out of all 18 digits.
    e = detail::ExpandTo18Digits(9999999999999999995ULL, 0);
    EXPECT_EQ(e.digits, 100000000000000000ULL);
    EXPECT_EQ(e.exponent, 20);
}

TEST(DecimalExpansion, RoundedScaledTakesBothPaths) {
    // 3 * 2^-2 * 10^1 = 7.5 -> 8; 5 * 2^-1 * 10^0 = 2.5 -> 2
    EXPECT_EQ(detail::RoundedScaled(3, -2, 1), 8u);
    EXPECT_EQ(detail::RoundedScaled(5, -1, 0), 2u);
    // Beyond 128 bits, the big-integer path: (2^64-1) * 2^100 / 10^31 = 2338402619729444668.9...
    EXPECT_EQ(detail::RoundedScaled(~0ULL, 100, -31), 2338402619729444669ULL);
    EXPECT_EQ(detail::RoundedScaled(~0ULL, 100, -30), ~0ULL);  // saturates
    // 10^17 from the wrong side: 999999999999999999 must not be taken as 10^18 with one digit.
    EXPECT_EQ(detail::ExpandTo18Digits(999999999999999999ULL, 0).exponent, 18);
}

TEST(PowersOfTen, TableConstantsAreExactOrNearest) {
    EXPECT_EQ(detail::TenPowUnit(27), 1e27L);
    EXPECT_EQ(detail::TenPowUnit(31), 1e31L);
    EXPECT_EQ(detail::TenPowThirtyTwos(15), 1e480L);
    EXPECT_EQ(detail::TenPowFiveTwelves(9), 1e4608L);
    EXPECT_EQ(detail::ScaleByPowerOfTen(3, 2), 300.0L);
    EXPECT_EQ(detail::ScaleByPowerOfTen(3, -1), 3.0L / 10);
    EXPECT_EQ(detail::ScaleByPowerOfTen(1, 6000), std::numeric_limits<Extended>::infinity());
    EXPECT_EQ(detail::ScaleByPowerOfTen(1, -6000), 0.0L);
}

}  // namespace
}  // namespace tornivex
