#include <gtest/gtest.h>

#include "LocaleSettings.h"
#include "NumberText.h"
#include "TestText.h"

namespace tornivex {
namespace {

TEST(ScopedFormatSettings, SetsAndRestoresNestedSettings) {
    const TFormatSettings before = FormatSettings();
    {
        ScopedFormatSettings outer(u',', u'.');
        EXPECT_EQ(FormatSettings().DecimalSeparator, u',');
        EXPECT_EQ(FormatSettings().ThousandSeparator, u'.');
        EXPECT_EQ(testing::Utf8(NumberText(Extended{80000} / 360)), "222,222222222222");
        {
            ScopedFormatSettings inner(u'\u066B', u'\u066C');  // Arabic decimal and group signs
            EXPECT_EQ(NumberText(2.5L), u"2\u066B5");
            EXPECT_EQ(ParseNumber(u"2\u066B5"), 2.5L);
        }
        EXPECT_EQ(FormatSettings().DecimalSeparator, u',');
    }
    EXPECT_EQ(FormatSettings().DecimalSeparator, before.DecimalSeparator);
    EXPECT_EQ(FormatSettings().ThousandSeparator, before.ThousandSeparator);
}

}  // namespace
}  // namespace tornivex
