#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

#include "LocaleSettings.h"
#include "NumberText.h"
#include "TestText.h"

namespace tornivex {
namespace {

using testing::Utf8;
using testing::WithSeparator;

class PatternTextTest : public ::testing::TestWithParam<char16_t> {
protected:
    void Expect(const char16_t* pattern, Extended value, const std::string& expected) {
        EXPECT_EQ(Utf8(PatternText(pattern, value)), Utf8(WithSeparator(expected, GetParam())))
            << Utf8(pattern) << " of " << static_cast<double>(value);
    }
    ScopedFormatSettings settings_{GetParam(), u' '};
};

TEST_P(PatternTextTest, GeneralPatternPadsTheExponent) {
    Expect(u"%g", static_cast<Extended>(1.8), "1.8");
    Expect(u"%g", 0.00001L, "1E-005");
    Expect(u"%g", 1e20L, "1E020");
    Expect(u"%g", 1.5e20L, "1.5E020");
    Expect(u"%g", std::numeric_limits<Extended>::max(), "1.18973149535723E4932");
    Expect(u"%g", 200.0L, "200");
    Expect(u"%g", -std::numeric_limits<Extended>::infinity(), "-INF");
}

TEST_P(PatternTextTest, FixedPatternTableOfThePart) {
    Expect(u"%.3f", 1.23456L, "1.235");
    Expect(u"%.3f", static_cast<Extended>(1.8), "1.800");
    Expect(u"%.3f", -0.0004L, "0.000");
    Expect(u"%.3f", -0.0005L, "-0.001");
    Expect(u"%.8f", 40.0L, "40.00000000");
}

TEST_P(PatternTextTest, FixedPatternRoundsOnTheEighteenDigits) {
    Expect(u"%.3f", Extended{360} / static_cast<Extended>(1.8), "200.000");
    Expect(u"%.8f", Extended{2} / 3, "0.66666667");
    Expect(u"%.18f", Extended{360} / static_cast<Extended>(1.8), "199.999999999999995000");
    Expect(u"%.1f", 0.05L, "0.1");
    Expect(u"%.1f", 0.04L, "0.0");
    Expect(u"%.2f", 99.995L, "100.00");
    Expect(u"%.3f", 0.0L, "0.000");
    Expect(u"%.3f", -0.0L, "0.000");
    Expect(u"%.3f", std::numeric_limits<Extended>::denorm_min(), "0.000");
}

TEST_P(PatternTextTest, FixedPatternFromTenToTheEighteenUsesTheGeneralForm) {
    Expect(u"%.3f", 999999999999999999.0L, "999999999999999999.000");
    Expect(u"%.3f", 1e18L, "1E018");
    Expect(u"%.1f", 1.5e18L, "1.5E18");
    Expect(u"%.4f", 1e18L, "1E0018");
    Expect(u"%.8f", 1e18L, "1E18");
    Expect(u"%.8f", 123456789012345678901.0L, "1.23456789012345679E20");
    Expect(u"%.3f", -std::numeric_limits<Extended>::max(), "-1.18973149535723177E4932");
    Expect(u"%.3f", std::numeric_limits<Extended>::infinity(), "INF");
    Expect(u"%.8f", std::numeric_limits<Extended>::quiet_NaN(), "NAN");
}

TEST(PatternTextPatterns, AcceptsOnlyGeneralAndOneToEighteenDecimals) {
    EXPECT_EQ(Utf8(PatternText(u"%.18f", 1.0L)), "1.000000000000000000");
    for (const char16_t* bad : {u"%.0f", u"%.19f", u"%f", u"%.f", u"%.3g", u"%G", u"", u"%.3fx", u"%.-1f"}) {
        EXPECT_THROW(PatternText(bad, 1.0L), std::invalid_argument) << Utf8(bad);
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, PatternTextTest, ::testing::Values(u'.', u','),
                         [](const auto& param) { return param.param == u'.' ? "Point" : "Comma"; });

}  // namespace
}  // namespace tornivex
