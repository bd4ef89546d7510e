#include <gtest/gtest.h>

#include <QFile>

#include "OptionRanges.h"
#include "OptionsReader.h"
#include "OptionsText.h"
#include "common/color/Color.h"

namespace tornivex {
namespace {

TEST(OptionsText, SyntaxOfSectionsEntriesAndComments) {
    const TSkinOptions o = TSkinOptions::Parse(
        "IGNORED=1\r\n"
        "  [ FIRST ]  \r\n"
        "; comment=1\n"
        "\tKEY = value with = sign \r"
        "KEY=second\n"
        "NOVALUE\n"
        "\n"
        "[SECOND]\n"
        "a=1\n"
        "[FIRST]\n"
        "KEY=from duplicate\n");
    ASSERT_EQ(o.SectionCount(), 3);
    EXPECT_EQ(o.SectionAt(0).Name, "FIRST");
    EXPECT_EQ(o.IndexOfSection("FIRST"), 0); // the first of two equally named sections
    EXPECT_EQ(o.IndexOfSection("first"), -1);
    EXPECT_EQ(o.Value("FIRST", "KEY"), "value with = sign"); // first occurrence counts
    EXPECT_EQ(o.Value("FIRST", "NOVALUE"), "");
    EXPECT_EQ(o.Value("FIRST", "; comment"), std::nullopt);
    EXPECT_EQ(o.Value("FIRST", "IGNORED"), std::nullopt);
    EXPECT_EQ(o.Value("SECOND", "a"), "1");
    EXPECT_EQ(o.Value("SECOND", "A"), std::nullopt);
    EXPECT_EQ(o.SectionAt(0).Keys, (std::vector<QString>{"KEY", "NOVALUE"}));
    EXPECT_EQ(o.Value(7, "KEY"), std::nullopt);
}

TEST(OptionsText, IntegerNotation) {
    EXPECT_EQ(ParseSkinInteger(u"13353918"), 13353918);
    EXPECT_EQ(ParseSkinInteger(u"-16777201"), SystemColor(COLOR_BTNFACE));
    EXPECT_EQ(ParseSkinInteger(u"0xFF00000F"), SystemColor(COLOR_BTNFACE));
    EXPECT_EQ(ParseSkinInteger(u"0X1f"), 31);
    EXPECT_EQ(ParseSkinInteger(u"2147483647"), 2147483647);
    EXPECT_EQ(ParseSkinInteger(u"-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ParseSkinInteger(u"-0x1"), -1);
    // Where the options text is stricter than the number text's ParseInteger.
    for (const char16_t* bad : {u"", u"-", u"N/A", u"12a", u"0x", u"2147483648", u"0x100000000", u" 1", u"1.5",
                                u"$A", u"xA", u"-0x80000000"})
        EXPECT_EQ(ParseSkinInteger(bad), std::nullopt) << QString::fromUtf16(bad).toStdString();
}

class OptionsReaderTest : public ::testing::Test {
protected:
    TSkinOptions options = TSkinOptions::Parse(
        "[BUTTON]\nCOLOR=100\nSTATES=2\nFLAG=TRUE\nSYS=-16777201\nNEG=-1\nGRADIENTDATA=1;2;3;4;5\n"
        "[CHILD]\nPARENTCLASS=BUTTON\nCOLOR=N/A\nNEG=-1\nFLAG=false\n"
        "[GRANDCHILD]\nPARENTCLASS=CHILD\nGLOW=300\n"
        "[SELF]\nPARENTCLASS=SELF\n"
        "[LOOPA]\nPARENTCLASS=LOOPB\n[LOOPB]\nPARENTCLASS=LOOPA\n"
        "[NA]\nPARENTCLASS=N/A\n");
    TSkinOptionsReader reader{options};
    int Section(const char* name) { return options.IndexOfSection(name); }
};

TEST_F(OptionsReaderTest, IntegersFollowTheParentChainAndResolveSystemColours) {
    EXPECT_EQ(reader.ReadInt(Section("BUTTON"), "COLOR", 7), 100);
    EXPECT_EQ(reader.ReadInt(Section("CHILD"), "COLOR", 7), 100);      // "N/A" counts as absent
    EXPECT_EQ(reader.ReadInt(Section("GRANDCHILD"), "STATES", 3), 2);  // two levels up
    EXPECT_EQ(reader.ReadInt(Section("BUTTON"), "SYS", 0), SystemColor(COLOR_BTNFACE)); // own value kept
    EXPECT_EQ(reader.ReadInt(Section("CHILD"), "SYS", 0), ColorToRGB(SystemColor(COLOR_BTNFACE)));
    EXPECT_EQ(reader.ReadInt(Section("CHILD"), "NEG", 9), 9); // -1 everywhere gives the default
    EXPECT_EQ(reader.ReadInt(Section("GRANDCHILD"), "GLOW", 0), 255);  // limited to its range
}

TEST(OptionRanges, ValuesFromTheTextAreLimitedToTheirKeysRange) {
    const TSkinOptions options = TSkinOptions::Parse(
        "[GLOBALINFO]\nBRIGHTMIN=-500\nBORDERWIDTH=2147483647\nCOLOR=-2147483648\nLO_WIDTHL=-7\n"
        "[BUTTON]\nSTATES=-2147483648\nTRANSPARENCY=1000\nHOTTRANSPARENCY=-5\nGSIZE=30000\n"
        "IMAGEPERCENT=50\nCOLOR=2147483647\n"
        "[CHILD]\nPARENTCLASS=BUTTON\n");
    const TSkinOptionsReader reader(options);
    const int button = options.IndexOfSection("BUTTON");
    EXPECT_EQ(reader.ReadInt(button, "STATES", 3), 0);
    EXPECT_EQ(reader.ReadInt(button, "TRANSPARENCY", 0), 100);
    EXPECT_EQ(reader.ReadInt(button, "HOTTRANSPARENCY", 0), 0);
    EXPECT_EQ(reader.ReadInt(options.IndexOfSection("CHILD"), "GSIZE", 0), 32);  // inherited, then limited
    EXPECT_EQ(reader.ReadInt(button, "IMAGEPERCENT", 0), 50);
    EXPECT_EQ(reader.ReadInt(button, "COLOR", 0), 2147483647);  // colours have no range
    EXPECT_EQ(reader.ReadInt(button, "GLOW", 400), 400);         // a default is used as given
    const int global = options.IndexOfSection("GLOBALINFO");
    EXPECT_EQ(reader.ReadDirectInt(global, "BRIGHTMIN", 0), -100);
    EXPECT_EQ(reader.ReadDirectInt(global, "BORDERWIDTH", 4), 255);
    EXPECT_EQ(reader.ReadDirectInt(global, "COLOR", 0), -2147483647 - 1);
    EXPECT_EQ(reader.ReadDirectInt(global, "LO_WIDTHL", 0), -1);
    ASSERT_TRUE(OptionRangeOf("GSIZE").has_value());
    EXPECT_EQ(OptionRangeOf("GSIZE")->Max, 32);
    EXPECT_FALSE(OptionRangeOf("gsize").has_value());  // keys are compared as the text writes them
}

TEST_F(OptionsReaderTest, TextAndBooleanReads) {
    EXPECT_EQ(reader.ReadText(Section("GRANDCHILD"), "GRADIENTDATA", " "), "1;2;3;4;5");
    EXPECT_TRUE(reader.ReadBool(Section("GRANDCHILD"), "FLAG", false) == false); // CHILD's "false"
    EXPECT_TRUE(reader.ReadBool(Section("BUTTON"), "FLAG", false));
    EXPECT_TRUE(reader.ReadBool(Section("SELF"), "MISSING", true));
    EXPECT_EQ(reader.ReadDirectInt(Section("CHILD"), "COLOR", 5), 5); // no inheritance
}

TEST_F(OptionsReaderTest, ChainsEndAtSelfPlaceholderAndLoops) {
    EXPECT_EQ(reader.ParentOf(Section("SELF")), -1);
    EXPECT_EQ(reader.ParentOf(Section("NA")), -1);
    EXPECT_EQ(reader.ParentOf(Section("CHILD")), Section("BUTTON"));
    // A loop through two sections ends as "not found" instead of recursing forever.
    EXPECT_EQ(reader.ReadInt(Section("LOOPA"), "COLOR", 42), 42);
    EXPECT_EQ(reader.ReadText(Section("LOOPB"), "X", "d"), "d");
}

TEST(OptionsText, CommonSectionsOverrideAndExtend) {
    TSkinOptions skin = TSkinOptions::Parse("[BUTTON]\nSTATES=3\nCOLOR=1\n");
    skin.OverrideWith(TSkinOptions::Parse("[BUTTON]\nSTATES=1\nGLOW=2\n[NEWBTN]\nPARENTCLASS=BUTTON\n"));
    EXPECT_EQ(skin.Value("BUTTON", "STATES"), "1");
    EXPECT_EQ(skin.Value("BUTTON", "COLOR"), "1");
    EXPECT_EQ(skin.Value("BUTTON", "GLOW"), "2");
    EXPECT_EQ(skin.IndexOfSection("NEWBTN"), 1);
}

} // namespace
} // namespace tornivex

namespace tornivex {
namespace {

// Every ranged key appears in the guide's table on a row with its range.
TEST(OptionRanges, TheSkinsGuideListsEveryRange) {
    QFile guide(QStringLiteral(TORNIVEX_SOURCE_DIR "/docs/SKINS.md"));
    ASSERT_TRUE(guide.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(guide.readAll()).split(u'\n');
    for (const TOptionRange* r = OptionRangesBegin(); r != OptionRangesEnd(); ++r) {
        const QString key = QStringLiteral("`%1`").arg(QLatin1String(r->Key));
        const QString range = QStringLiteral("| %1..%2 |").arg(r->Min).arg(r->Max);
        bool listed = false;
        for (const QString& line : lines) listed = listed || (line.contains(key) && line.contains(range));
        EXPECT_TRUE(listed) << r->Key << " " << range.toStdString();
    }
}

} // namespace
} // namespace tornivex
