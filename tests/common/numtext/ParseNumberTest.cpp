#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Errors.h"
#include "LocaleSettings.h"
#include "NumberText.h"
#include "TestText.h"

namespace tornivex {
namespace {

using testing::Utf8;
using testing::WithSeparator;

// Each case runs with "." and with "," as the decimal separator; the text's "." stands for it.
class ParseNumberTest : public ::testing::TestWithParam<char16_t> {
protected:
    std::u16string Text(const std::string& text) { return WithSeparator(text, GetParam()); }
    Extended Parse(const std::string& text) { return ParseNumber(Text(text)); }
    std::string FailureMessage(const std::string& text) {
        try {
            ParseNumber(Text(text));
        } catch (const EConvertError& e) {
            return Utf8(e.Message());
        }
        return "(accepted)";
    }
    ScopedFormatSettings settings_{GetParam(), GetParam() == u'.' ? u',' : u'.'};
};

TEST_P(ParseNumberTest, TableOfThePart) {
    EXPECT_EQ(Parse(" 1.8 "), 18.0L / 10);
    EXPECT_EQ(Parse("1e3"), 1000.0L);
    EXPECT_EQ(Parse("1E+3"), 1000.0L);
    EXPECT_EQ(Parse("1E"), 1.0L);
    EXPECT_EQ(Parse("."), 0.0L);
    EXPECT_EQ(Parse("-.5"), -0.5L);
    EXPECT_EQ(FailureMessage(""), "'' is not a valid floating point value");
    EXPECT_EQ(FailureMessage("1E4999"), "'1E4999' is not a valid floating point value");
    EXPECT_EQ(Parse("1E-4999"), 0.0L);
    EXPECT_EQ(FailureMessage("1E5000"), "'1E5000' is not a valid floating point value");
}

TEST_P(ParseNumberTest, ThousandSeparatorsAreNotAccepted) {
    const char16_t thousands = GetParam() == u'.' ? u',' : u'.';
    std::u16string text = u"1";
    text += thousands;
    text += u"000";
    try {
        ParseNumber(text);
        ADD_FAILURE() << "accepted " << Utf8(text);
    } catch (const EConvertError& e) {
        EXPECT_EQ(Utf8(e.Message()), "'" + Utf8(text) + "' is not a valid floating point value");
    }
}

TEST_P(ParseNumberTest, Syntax) {
    EXPECT_EQ(Parse("0"), 0.0L);
    EXPECT_EQ(Parse("+7."), 7.0L);
    EXPECT_EQ(Parse("   .25e1   "), 2.5L);
    EXPECT_EQ(Parse("1e-"), 1.0L);
    EXPECT_EQ(Parse("2E0000000000000000001"), 20.0L);  // leading zeros keep the exponent small
    EXPECT_EQ(Parse("1E499"), 1e499L);
    EXPECT_EQ(Parse("1E-0499"), 0xA40990A804D28120p-1721L);  // 1 / (10^19 * 10^480): one unit above nearest
    EXPECT_TRUE(SignBit(Parse("-0")));
    for (const char* bad : {" ", "-", "+", "e5", "E5", "-E5", "..", "1..", "1.2.3", "1e5.", "1 e5",
                            "1e 5", "- 1", "1-", "++1", "1e++5", "1d", "0x10", "$10", "1\t", "inf",
                            "nan", "1e50000", "1E5001"}) {
        const std::string quoted = std::string(1, '\'').append(Utf8(Text(bad))).append(1, '\'');
        EXPECT_EQ(FailureMessage(bad), quoted + " is not a valid floating point value");
    }
}

TEST_P(ParseNumberTest, ValuesAreAccumulatedAndScaled) {
    EXPECT_EQ(Parse("40"), 40.0L);
    EXPECT_EQ(Parse("0.1"), 1.0L / 10);
    // Thirty digits: each step value * 10 + digit is rounded, so the result is one unit below
    // the nearest extended value 0xC77487FB61B9F077p33.
    EXPECT_EQ(Parse("123456789012345678901234567890"), 0xC77487FB61B9F076p33L);
    EXPECT_EQ(Parse("1E4932"), 1e4932L);
    EXPECT_EQ(Parse("0E4999"), 0.0L);      // zero stays zero whatever the exponent
    EXPECT_EQ(Parse("1E-4940"), 0x663278E62p-16445L);  // a denormal
    EXPECT_GT(Parse("1E-4950"), 0.0L);
    EXPECT_EQ(Parse("1E-4952"), 0.0L);
}

TEST_P(ParseNumberTest, TryParseNumberReportsWithoutRaising) {
    Extended value = 42;
    EXPECT_FALSE(TryParseNumber(Text("1.2x"), value));
    EXPECT_EQ(value, 42.0L);  // syntax failure: untouched
    EXPECT_FALSE(TryParseNumber(u"", value));
    EXPECT_EQ(value, 42.0L);
    EXPECT_FALSE(TryParseNumber(Text("1E4999"), value));
    EXPECT_EQ(value, std::numeric_limits<Extended>::infinity());  // overflow: the infinite value
    EXPECT_FALSE(TryParseNumber(Text("-1E4999"), value));
    EXPECT_EQ(value, -std::numeric_limits<Extended>::infinity());
    EXPECT_TRUE(TryParseNumber(Text("2.5"), value));
    EXPECT_EQ(value, 2.5L);
}

INSTANTIATE_TEST_SUITE_P(Separators, ParseNumberTest, ::testing::Values(u'.', u','),
                         [](const auto& param) { return param.param == u'.' ? "Point" : "Comma"; });

TEST(ParseNumberSeparator, OnlyTheDecimalSeparatorMarksThePoint) {
    ScopedFormatSettings comma(u',', u'.');
    EXPECT_EQ(ParseNumber(u"2,5"), 2.5L);
    EXPECT_THROW(ParseNumber(u"2.5"), EConvertError);
    EXPECT_EQ(ParseNumber(u"1,000"), 1.0L);
}

TEST(ParseNumberSeparator, MessageQuotesTheWholeTextUnchanged) {
    try {
        ParseNumber(u" 1.8\u00B0 ");
        ADD_FAILURE() << "accepted";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), u"' 1.8\u00B0 ' is not a valid floating point value");
    }
}

TEST(ParseNumberSeparator, HugeDigitCountsFailOrVanishCleanly) {
    // So many digits that the accumulated value itself overflows.
    Extended value = 1;
    EXPECT_FALSE(TryParseNumber(u"1" + std::u16string(5000, u'0'), value));
    EXPECT_TRUE(IsInf(value));
    // So many fraction digits that the power of ten is beyond the range: the value is zero.
    EXPECT_EQ(ParseNumber(u"0." + std::u16string(6000, u'0') + u"1"), 0.0L);
}

}  // namespace
}  // namespace tornivex
