#include <gtest/gtest.h>

#include "Errors.h"
#include "LocaleSettings.h"
#include "NumberText.h"
#include "TestText.h"

namespace tornivex {
namespace {

using testing::Utf8;

std::string FailureMessage(std::u16string_view text) {
    try {
        ParseInteger(text);
    } catch (const EConvertError& e) {
        return Utf8(e.Message());
    }
    return "(accepted)";
}

TEST(ParseInteger, TableOfThePart) {
    for (const char16_t* text : {u"10", u"  10", u"+10", u"$A", u"0xA", u"x0a"}) {
        EXPECT_EQ(ParseInteger(text), 10) << Utf8(text);
    }
    EXPECT_EQ(FailureMessage(u"10 "), "''10 '' is not a valid integer value");
    EXPECT_EQ(FailureMessage(u""), "'''' is not a valid integer value");
    EXPECT_EQ(FailureMessage(u"2147483648"), "''2147483648'' is not a valid integer value");
    EXPECT_EQ(ParseInteger(u"-2147483648"), -2147483648LL);
}

TEST(ParseInteger, DecimalRangeAndLeadingZeros) {
    EXPECT_EQ(ParseInteger(u"2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger(u"0000000000002147483647"), 2147483647);
    EXPECT_EQ(ParseInteger(u"-0"), 0);
    EXPECT_EQ(ParseInteger(u"007"), 7);
    EXPECT_THROW(ParseInteger(u"-2147483649"), EConvertError);
    EXPECT_THROW(ParseInteger(u"10000000000"), EConvertError);  // eleven digits
    EXPECT_THROW(ParseInteger(u"99999999999999999999999"), EConvertError);
}

TEST(ParseInteger, HexadecimalIsAThirtyTwoBitPattern) {
    EXPECT_EQ(ParseInteger(u"$FFFFFFFF"), -1);
    EXPECT_EQ(ParseInteger(u"$80000000"), -2147483647 - 1);
    EXPECT_EQ(ParseInteger(u"-$80000000"), -2147483647 - 1);
    EXPECT_EQ(ParseInteger(u"-$FFFFFFFF"), 1);
    EXPECT_EQ(ParseInteger(u"0X7fffffff"), 2147483647);
    EXPECT_EQ(ParseInteger(u"-0x10"), -16);
    EXPECT_EQ(ParseInteger(u"$00000000FF"), 255);  // leading zeros are not significant
    EXPECT_THROW(ParseInteger(u"$100000000"), EConvertError);
    EXPECT_THROW(ParseInteger(u"$G"), EConvertError);
}

TEST(ParseInteger, RejectsEverythingElse) {
    for (const char16_t* text : {u"-", u"+", u" ", u"$", u"0x", u"x", u"--1", u"+-1", u"- 1",
                                 u"1.0", u"1e3", u"1,000", u"\t1", u"1a", u"$A ", u"0x-1",
                                 u"\u00A010", u"\uFF11"}) {
        EXPECT_EQ(FailureMessage(text), "''" + Utf8(text) + "'' is not a valid integer value");
    }
}

TEST(ParseInteger, IgnoresTheDecimalSeparator) {
    ScopedFormatSettings comma(u',', u'.');
    EXPECT_EQ(ParseInteger(u"12"), 12);
    EXPECT_THROW(ParseInteger(u"1.000"), EConvertError);
    EXPECT_THROW(ParseInteger(u"1,000"), EConvertError);
}

}  // namespace
}  // namespace tornivex
