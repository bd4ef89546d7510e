#include <gtest/gtest.h>

#include <limits>

#include "LocaleSettings.h"
#include "NumberText.h"
#include "TestText.h"

namespace tornivex {
namespace {

using testing::FromFields;
using testing::Utf8;
using testing::WithSeparator;

class NumberTextTest : public ::testing::TestWithParam<char16_t> {
protected:
    void Expect(Extended value, const std::string& expected) {
        EXPECT_EQ(Utf8(NumberText(value)), Utf8(WithSeparator(expected, GetParam())))
            << "value " << static_cast<double>(value);
    }
    ScopedFormatSettings settings_{GetParam(), GetParam() == u'.' ? u',' : u'.'};
};

TEST_P(NumberTextTest, TableOfThePartFixedForm) {
    Expect(Extended{360} / static_cast<Extended>(1.8), "200");
    Expect(Extended{80000} / 360, "222.222222222222");
    Expect(Extended{2} / 3, "0.666666666666667");
    Expect(0.0001L, "0.0001");
    Expect(static_cast<Extended>(0.0001), "0.0001");
    Expect(999999999999999.0L, "999999999999999");
    Expect(-2.5L, "-2.5");
}

TEST_P(NumberTextTest, TableOfThePartExponentFormAndZero) {
    Expect(0.00001L, "1E-5");
    Expect(1e15L, "1E15");
    Expect(123456789012345678.0L, "1.23456789012346E17");
    Expect(-0.0L, "0");
    Expect(0.0L, "0");
}

TEST_P(NumberTextTest, CalculationExamples) {
    const Extended q = Extended{40} / 3;
    Expect(q, "13.3333333333333");
    Expect(Extended{2000} * q, "26666.6666666667");
    Expect(Extended{2000} * q / 360, "74.0740740740741");
    Expect(Extended{360} / static_cast<Extended>(0.72), "500");
}

TEST_P(NumberTextTest, FixedFormBoundaries) {
    Expect(0.001L, "0.001");
    Expect(0.00012345L, "0.00012345");
    Expect(0.000099999999999999999L, "0.0001");  // rounds up into the fixed range
    Expect(123456789012345.0L, "123456789012345");
    Expect(999999999999999.5L, "1E15");            // carry out of the 15th digit
    Expect(1234567890123456.0L, "1.23456789012346E15");
    Expect(100.0L, "100");
    Expect(1e-4L * 1.5L, "0.00015");
}

TEST_P(NumberTextTest, HalfUpCutOnTheEighteenDigits) {
    // The exact value is 1.00000000000000499999...; its 18 digits end in "500", so the cut at
    // 15 digits rounds up although the binary value lies below the half.
    Expect(1.000000000000004999999L, "1.00000000000001");
    Expect(1.2345678901234550L, "1.23456789012346");
    Expect(2.0000000000000005L, "2");
}

TEST_P(NumberTextTest, SpecialValues) {
    Expect(std::numeric_limits<Extended>::infinity(), "INF");
    Expect(-std::numeric_limits<Extended>::infinity(), "-INF");
    Expect(std::numeric_limits<Extended>::quiet_NaN(), "NAN");
    Expect(-std::numeric_limits<Extended>::quiet_NaN(), "NAN");
    Expect(std::numeric_limits<Extended>::max(), "1.18973149535723E4932");
    Expect(-std::numeric_limits<Extended>::max(), "-1.18973149535723E4932");
    Expect(std::numeric_limits<Extended>::min(), "3.36210314311209E-4932");
}

TEST_P(NumberTextTest, DenormalsHaveNoDigits) {
    Expect(std::numeric_limits<Extended>::denorm_min(), "0");
    Expect(-std::numeric_limits<Extended>::denorm_min(), "0");
    Expect(FromFields(true, 0, 0x7FFFFFFFFFFFFFFFULL), "0");
    Expect(FromFields(false, 0, 0x8000000000000000ULL), "0");  // pseudo-denormal
}

INSTANTIATE_TEST_SUITE_P(Separators, NumberTextTest, ::testing::Values(u'.', u','),
                         [](const auto& param) { return param.param == u'.' ? "Point" : "Comma"; });

}  // namespace
}  // namespace tornivex
