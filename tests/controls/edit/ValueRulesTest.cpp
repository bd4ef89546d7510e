// The widget-free value rules of the numeric edit field: classification, conversion, formatting,
// the property writes in load order, leaving the field, typed characters and pastes.
#include <string>

#include <gtest/gtest.h>

#include "Errors.h"
#include "Extended.h"
#include "FieldDesigns.h"
#include "LocaleSettings.h"
#include "NumericClass.h"
#include "PasteRules.h"
#include "PlainFieldDisplay.h"
#include "TypedChars.h"
#include "ValueConversion.h"
#include "ValueField.h"
#include "ValueFormat.h"

namespace tornivex::edit {
namespace {

std::string U8(const std::u16string& text) { return ToUtf8(text); }

// One field of the main window, loaded the way the window applies its stored properties.
struct Field {
    PlainFieldDisplay display;
    ValueField value{display};

    Field(TAdvEditType type, int16_t precision, TPrecisionDisplay shown, std::u16string suffix,
          std::u16string text) {
        if (type != etString) value.SetEditType(type);
        if (precision != 0) value.SetPrecision(precision);
        if (shown != pdNormal) value.SetPrecisionDisplay(shown);
        if (!suffix.empty()) value.SetSuffix(suffix);
        value.WriteText(text);
    }
    std::string Shown() const { return U8(display.DisplayedText()); }
    // Typing replaces the value without formatting.
    void Type(const std::u16string& valueText) {
        display.SetRawText(value.Settings().Prefix + valueText + value.Settings().Suffix);
    }
};

Field DegED1(std::u16string text = u"1.8") { return {etFloat, 3, pdShortest, u"\u00B0", text}; }
Field EdMicro(std::u16string text = u"10") { return {etNumeric, 0, pdNormal, u"", text}; }
Field EdR(std::u16string text) { return {etFloat, 8, pdShortest, u"", text}; }

TEST(ClassifyNumericText, ShapesAndCounts) {
    ScopedFormatSettings dot(u'.', u',');
    EXPECT_EQ(ClassifyNumericText(u""), NumericClass::Invalid);
    EXPECT_EQ(ClassifyNumericText(u"007"), NumericClass::Integer);
    EXPECT_EQ(ClassifyNumericText(u"-12"), NumericClass::Integer);
    EXPECT_EQ(ClassifyNumericText(u"-"), NumericClass::Integer);
    EXPECT_EQ(ClassifyNumericText(u"1.5"), NumericClass::Float);
    EXPECT_EQ(ClassifyNumericText(u"1,234.5"), NumericClass::Float);
    EXPECT_EQ(ClassifyNumericText(u"1,234,567"), NumericClass::Float);
    EXPECT_EQ(ClassifyNumericText(u",234"), NumericClass::Invalid);  // a group never comes first
    EXPECT_EQ(ClassifyNumericText(u"1,2,3"), NumericClass::Invalid);  // groups too close
    EXPECT_EQ(ClassifyNumericText(u"1A"), NumericClass::Hexadecimal);
    EXPECT_EQ(ClassifyNumericText(u"12a"), NumericClass::Hexadecimal);
    EXPECT_EQ(ClassifyNumericText(u"1.2.3"), NumericClass::Invalid);  // two separators
    EXPECT_EQ(ClassifyNumericText(u"--1"), NumericClass::Invalid);    // two minus signs
    EXPECT_EQ(ClassifyNumericText(u"1e3"), NumericClass::Hexadecimal);
    EXPECT_EQ(ClassifyNumericText(u"abc"), NumericClass::Hexadecimal);
    EXPECT_EQ(ClassifyNumericText(u"1 5"), NumericClass::Invalid);
}

TEST(ClassifyNumericText, FollowsTheSeparators) {
    ScopedFormatSettings comma(u',', u'.');
    EXPECT_EQ(ClassifyNumericText(u"1.8"), NumericClass::Float);  // "." groups thousands here
    EXPECT_EQ(ClassifyNumericText(u"2,5"), NumericClass::Float);
    EXPECT_EQ(ClassifyNumericText(u"1,2,3"), NumericClass::Invalid);
    EXPECT_EQ(ClassifyNumericText(u".18"), NumericClass::Invalid);  // a group never comes first
}

TEST(FloatConversion, NeverFails) {
    ScopedFormatSettings dot(u'.', u',');
    EXPECT_EQ(FloatConversion(u"1,234.5"), 1234.5L);
    EXPECT_EQ(FloatConversion(u"abc"), 0.0L);
    EXPECT_EQ(FloatConversion(u""), 0.0L);
    EXPECT_EQ(FloatConversion(u"1.2.3"), 0.0L);
    EXPECT_TRUE(IsInf(FloatConversion(u"1E4999")));  // overflow leaves the infinity
    EXPECT_EQ(FloatConversion(u"1E5000"), 0.0L);          // a syntax failure reads as 0
}

TEST(FloatConversion, CommaLocaleDropsTheDot) {
    ScopedFormatSettings comma(u',', u'.');
    EXPECT_EQ(FloatConversion(u"1.8"), 18.0L);
    EXPECT_EQ(FloatConversion(u"2,5"), 2.5L);
}

TEST(ReadFloatValue, EmptyMinusAndUnreadableReadAsZero) {
    ScopedFormatSettings dot(u'.', u',');
    EXPECT_EQ(ReadFloatValue(etFloat, u""), 0.0);
    EXPECT_EQ(ReadFloatValue(etFloat, u"-"), 0.0);
    EXPECT_EQ(ReadFloatValue(etFloat, u"abc"), 0.0);
    EXPECT_EQ(ReadFloatValue(etFloat, u"1.8"), 1.8);
    EXPECT_EQ(ReadFloatValue(etFloat, u"1,234.5"), 1234.5);
}

TEST(ReadFloatValue, BeyondTheDoubleRangeRaisesOverflow) {
    ScopedFormatSettings dot(u'.', u',');
    const std::u16string digits308(308, u'9');
    EXPECT_NO_THROW(ReadFloatValue(etFloat, digits308));  // 1E308 still fits
    const std::u16string digits309 = u"1" + std::u16string(309, u'0');
    try {
        ReadFloatValue(etFloat, digits309);
        FAIL() << "no overflow";
    } catch (const EOverflow& error) {
        EXPECT_EQ(U8(error.Message()), "Floating point overflow");
    }
    // Too large even for the extended format: as much an overflow, not an infinite value.
    EXPECT_THROW(ReadFloatValue(etFloat, std::u16string(5000, u'9')), EOverflow);
    // Below the double range: a denormal or zero, no error.
    EXPECT_EQ(ReadFloatValue(etFloat, u"0." + std::u16string(400, u'0') + u"1"), 0.0);
    EXPECT_GT(ReadFloatValue(etFloat, u"0." + std::u16string(320, u'0') + u"1"), 0.0);
}

TEST(ValueText, PrefixAndSuffixAreCut) {
    ScopedFormatSettings dot(u'.', u',');
    Field deg = DegED1();
    EXPECT_EQ(U8(deg.value.ReadText()), "1.8");
    EXPECT_EQ(deg.value.ReadFloatValue(), 1.8);
    // A displayed text that lost its suffix still loses its last character.
    deg.display.SetRawText(u"2.5");
    EXPECT_EQ(U8(deg.value.ReadText()), "2.");

    Field prefixed(etString, 0, pdNormal, u"", u"");
    prefixed.value.SetPrefix(u"Ab:");
    prefixed.display.SetRawText(u"aB:xy");
    EXPECT_EQ(U8(prefixed.value.ReadText()), "xy");  // ASCII letters fold
    prefixed.display.SetRawText(u"zz:xy");
    EXPECT_EQ(U8(prefixed.value.ReadText()), "zz:xy");
}

TEST(Loading, StepAngleFieldPassesEveryStage) {
    ScopedFormatSettings dot(u'.', u',');
    Field deg = DegED1();
    std::vector<std::string> shown;
    for (const auto& text : deg.display.ShownTexts()) shown.push_back(U8(text));
    // Type, precision, precision display, suffix, text: each write re-shows the value.
    EXPECT_EQ(shown, (std::vector<std::string>{"0", "0.000", "0", "0\u00B0", "1.8\u00B0"}));
    EXPECT_FALSE(deg.value.Modified());
}

TEST(Loading, TheOtherFields) {
    ScopedFormatSettings dot(u'.', u',');
    EXPECT_EQ(EdMicro().Shown(), "10");
    EXPECT_EQ(EdR(u"40").Shown(), "40");
    EXPECT_EQ(EdR(u"1").Shown(), "1");
}

TEST(Loading, DesignTextsAreShownInTheUserNotation) {
    ScopedFormatSettings comma(u',', u'.');
    Field deg = DegED1(DesignTextInUserNotation(degED1Design.Text));
    EXPECT_EQ(deg.Shown(), "1,8\u00B0");
    EXPECT_EQ(deg.value.ReadFloatValue(), 1.8);
    EXPECT_EQ(U8(DesignTextInUserNotation(u"40")), "40");
    // A text written by the program keeps the field's rules: "." groups thousands here.
    EXPECT_EQ(DegED1(u"1.8").Shown(), "18\u00B0");
    ScopedFormatSettings dot(u'.', u',');
    EXPECT_EQ(DegED1(DesignTextInUserNotation(degED1Design.Text)).Shown(), "1.8\u00B0");
}

TEST(WriteText, EmptyAndUnreadableTexts) {
    ScopedFormatSettings dot(u'.', u',');
    Field r1 = EdR(u"40");
    r1.value.WriteText(u"abc");
    EXPECT_EQ(r1.Shown(), "0");
    Field micro = EdMicro();
    micro.value.WriteText(u"");
    EXPECT_EQ(micro.Shown(), "0");
    micro.value.WriteText(u"abc");  // an integer field keeps a non-empty text as written
    EXPECT_EQ(micro.Shown(), "abc");
    Field text(etString, 0, pdNormal, u"", u"");
    EXPECT_EQ(text.Shown(), "");
    // Writing Text alone does not round; the shortest form shows 15 digits.
    Field deg = DegED1();
    deg.value.WriteText(u"1.23456");
    EXPECT_EQ(deg.Shown(), "1.23456\u00B0");
}

TEST(WriteText, NullValueStaysEmptyWhenAllowed) {
    ScopedFormatSettings dot(u'.', u',');
    Field deg = DegED1();
    deg.value.SetAllowNumericNullValue(true);
    deg.value.WriteText(u"");
    EXPECT_EQ(deg.Shown(), "\u00B0");
    deg.value.LeaveFormatting();
    EXPECT_EQ(deg.Shown(), "\u00B0");
    deg.value.SetPrecision(2);
    EXPECT_EQ(deg.Shown(), "\u00B0");
}

TEST(Modified, WritesSetAndClearIt) {
    ScopedFormatSettings dot(u'.', u',');
    Field r2 = EdR(u"1");
    EXPECT_FALSE(r2.value.Modified());
    r2.value.WriteFloatValue(2.5);
    EXPECT_TRUE(r2.value.Modified());
    EXPECT_EQ(r2.Shown(), "2.5");
    r2.value.WriteText(u"3");
    EXPECT_FALSE(r2.value.Modified());
    r2.value.WriteIntValue(7);
    EXPECT_TRUE(r2.value.Modified());
    // Leaving restores what Modified was before the rounding write.
    r2.value.WriteText(u"4");
    r2.value.LeaveFormatting();
    EXPECT_FALSE(r2.value.Modified());
}

struct LeaveCase {
    const char16_t* typed;
    const char* shown;
};

TEST(LeaveFormatting, StepAngleField) {
    ScopedFormatSettings dot(u'.', u',');
    const LeaveCase cases[] = {{u"1.8", "1.8\u00B0"},     {u"1.23456", "1.235\u00B0"},
                               {u"2", "2\u00B0"},         {u"2.000", "2\u00B0"},
                               {u"0.0004", "0\u00B0"},    {u"0.0005", "0.001\u00B0"},
                               {u"", "0\u00B0"},          {u"-", "0\u00B0"},
                               // The double nearest 1.2345 lies below it: rounding is on its
                               // decimal expansion, so it goes down.
                               {u"1.2345", "1.234\u00B0"}, {u"1.23451", "1.235\u00B0"}};
    for (const LeaveCase& c : cases) {
        Field deg = DegED1();
        deg.Type(c.typed);
        deg.value.LeaveFormatting();
        EXPECT_EQ(deg.Shown(), c.shown) << U8(c.typed);
    }
}

TEST(LeaveFormatting, RatioAndDivisionFields) {
    ScopedFormatSettings dot(u'.', u',');
    Field r2 = EdR(u"1");
    r2.Type(u"0.33333333");
    r2.value.LeaveFormatting();
    EXPECT_EQ(r2.Shown(), "0.33333333");
    r2.Type(u"4.000");
    r2.value.LeaveFormatting();
    EXPECT_EQ(r2.Shown(), "4");
    r2.Type(u"0.123456789");
    r2.value.LeaveFormatting();
    EXPECT_EQ(r2.Shown(), "0.12345679");

    Field micro = EdMicro();
    micro.Type(u"");
    micro.value.LeaveFormatting();
    EXPECT_EQ(micro.Shown(), "0");
    micro.Type(u"007");
    micro.value.LeaveFormatting();
    EXPECT_EQ(micro.Shown(), "007");
}

TEST(LeaveFormatting, OverflowKeepsTheText) {
    ScopedFormatSettings dot(u'.', u',');
    Field deg = DegED1();
    const std::u16string huge = u"1" + std::u16string(320, u'0');
    deg.Type(huge);
    EXPECT_THROW(deg.value.LeaveFormatting(), EOverflow);
    EXPECT_EQ(deg.value.ReadText(), huge);
}

TEST(LeaveFormatting, CommaLocale) {
    ScopedFormatSettings comma(u',', u'.');
    Field deg = DegED1();
    deg.Type(u"1,23456");
    deg.value.LeaveFormatting();
    EXPECT_EQ(deg.Shown(), "1,235\u00B0");
}

TEST(FixedText, RoundsHalfUpAtEveryPrecision) {
    ScopedFormatSettings dot(u'.', u',');
    EXPECT_EQ(U8(FixedText(0, 0.5L)), "1");
    EXPECT_EQ(U8(FixedText(0, 0.49L)), "0");
    EXPECT_EQ(U8(FixedText(0, 2.5L)), "3");
    EXPECT_EQ(U8(FixedText(0, 9.5L)), "10");
    EXPECT_EQ(U8(FixedText(0, 999.5L)), "1000");
    EXPECT_EQ(U8(FixedText(0, -1.5L)), "-2");
    EXPECT_EQ(U8(FixedText(0, -0.4L)), "0");  // a value that rounds to zero is never negative
    EXPECT_EQ(U8(FixedText(0, 0.0L)), "0");
    EXPECT_EQ(U8(FixedText(0, 0.0999L)), "0");
    EXPECT_EQ(U8(FixedText(3, 1.23456L)), "1.235");
    EXPECT_EQ(U8(FixedText(40, 1.5L)), U8(FixedText(18, 1.5L)));
    ScopedFormatSettings comma(u',', u'.');
    EXPECT_EQ(U8(FixedText(0, 7.5L)), "8");
    EXPECT_EQ(U8(FixedText(2, 7.5L)), "7,50");
}

TEST(GroupedText, GroupsTheIntegerPart) {
    ScopedFormatSettings dot(u'.', u',');
    EXPECT_EQ(U8(GroupedText(2, 1234567.891L)), "1,234,567.89");
    EXPECT_EQ(U8(GroupedText(0, -1234.0L)), "-1,234");
    EXPECT_EQ(U8(GroupedText(0, 999.0L)), "999");
    EXPECT_EQ(U8(GroupedText(1, 100000.0L)), "100,000.0");
}

TEST(PropertyWrites, PrecisionOnlyForStringAndFloatTypes) {
    ScopedFormatSettings dot(u'.', u',');
    Field micro = EdMicro(u"12");
    micro.value.SetPrecision(3);
    EXPECT_EQ(micro.value.Settings().Precision, 0);
    EXPECT_EQ(micro.Shown(), "12");
    Field r1 = EdR(u"40");
    r1.value.SetPrecisionDisplay(pdNormal);
    EXPECT_EQ(r1.Shown(), "40.00000000");
    r1.value.SetPrecision(2);
    EXPECT_EQ(r1.Shown(), "40.00");
}

TEST(PropertyWrites, EditTypeRechecksTheValue) {
    ScopedFormatSettings dot(u'.', u',');
    Field field(etString, 0, pdNormal, u"", u"12.5");
    field.value.SetEditType(etNumeric);
    EXPECT_EQ(field.Shown(), "0");
    field.value.WriteText(u"ff");
    field.value.SetEditType(etHex);
    EXPECT_EQ(field.Shown(), "ff");  // already hexadecimal: left as it is
    field.value.WriteText(u"ff");
    EXPECT_EQ(field.Shown(), "FF");
    field.value.WriteIntValue(-1);
    EXPECT_EQ(field.Shown(), "FFFFFFFF");
    EXPECT_EQ(field.value.ReadIntValue(), -1);
    field.value.SetEditType(etFloat);
    EXPECT_EQ(field.Shown(), "0");  // "FFFFFFFF" is not a float
}

TEST(PropertyWrites, SuffixAndPrefixKeepTheValue) {
    ScopedFormatSettings dot(u'.', u',');
    Field deg = DegED1(u"2.5");
    deg.value.SetSuffix(u" deg");
    EXPECT_EQ(deg.Shown(), "2.5 deg");
    deg.value.SetPrefix(u"A=");
    EXPECT_EQ(deg.Shown(), "A=2.5 deg");
    EXPECT_EQ(U8(deg.value.ReadText()), "2.5");
}

TEST(FloatValueWrites, ByTypeAndPrecision) {
    ScopedFormatSettings dot(u'.', u',');
    Field text(etString, 0, pdNormal, u"", u"");
    text.value.WriteFloatValue(2.5);
    EXPECT_EQ(text.Shown(), "3");
    text.value.SetPrecision(-1);
    text.value.WriteFloatValue(0.00001);
    EXPECT_EQ(text.Shown(), "1E-005");
    Field micro = EdMicro();
    micro.value.WriteFloatValue(1234567);
    EXPECT_EQ(micro.Shown(), "1,234,567");
}

// --- typed characters -----------------------------------------------------------------------

CharAction Decide(const ValueSettings& settings, std::u16string_view value, size_t caret,
                  char16_t ch, size_t selLength = 0) {
    TypingContext context;
    context.valueText = value;
    context.selStart = caret;
    context.selLength = selLength;
    return DecideTypedChar(settings, context, ch).action;
}

ValueSettings FloatSettings(int16_t precision) {
    ValueSettings settings;
    settings.EditType = etFloat;
    settings.Precision = precision;
    return settings;
}

TEST(TypedChars, IntegerField) {
    ScopedFormatSettings dot(u'.', u',');
    ValueSettings micro;
    micro.EditType = etNumeric;
    EXPECT_EQ(Decide(micro, u"10", 2, u'a'), CharAction::Refuse);
    EXPECT_EQ(Decide(micro, u"10", 2, u'.'), CharAction::Refuse);
    EXPECT_EQ(Decide(micro, u"10", 2, u'-'), CharAction::Refuse);
    EXPECT_EQ(Decide(micro, u"10", 2, u'7'), CharAction::Insert);
    micro.Signed = true;
    EXPECT_EQ(Decide(micro, u"10", 0, u'-'), CharAction::Insert);
}

TEST(TypedChars, FloatSeparatorRules) {
    ScopedFormatSettings dot(u'.', u',');
    const ValueSettings three = FloatSettings(3);
    EXPECT_EQ(Decide(three, u"1.8", 3, u'.'), CharAction::JumpAfterDecimal);
    EXPECT_EQ(Decide(three, u"1.8", 0, u'.', 3), CharAction::Insert);  // selection holds the "."
    EXPECT_EQ(Decide(three, u"18", 1, u'.'), CharAction::Insert);
    EXPECT_EQ(Decide(three, u"", 0, u'.'), CharAction::StartDecimal);
    EXPECT_EQ(Decide(three, u"40", 2, u','), CharAction::Refuse);
    EXPECT_EQ(Decide(three, u"40", 2, u'x'), CharAction::Refuse);
    EXPECT_EQ(Decide(three, u"40", 0, u'-'), CharAction::Refuse);
    const ValueSettings none = FloatSettings(0);
    EXPECT_EQ(Decide(none, u"18", 1, u'.'), CharAction::Refuse);
    EXPECT_EQ(Decide(none, u"1.8", 3, u'.'), CharAction::Refuse);  // no jump without decimals
}

TEST(TypedChars, FullDecimalsOverwrite) {
    ScopedFormatSettings dot(u'.', u',');
    const ValueSettings three = FloatSettings(3);
    EXPECT_EQ(Decide(three, u"1.235", 5, u'7'), CharAction::Refuse);
    EXPECT_EQ(Decide(three, u"1.235", 3, u'9'), CharAction::ReplaceNext);
    EXPECT_EQ(Decide(three, u"1.235", 2, u'9'), CharAction::ReplaceNext);
    EXPECT_EQ(Decide(three, u"1.235", 1, u'9'), CharAction::Insert);  // in front of the "."
    EXPECT_EQ(Decide(three, u"1.23", 4, u'9'), CharAction::Insert);   // room left
    EXPECT_EQ(Decide(three, u"1.235", 5, u'7', 0), CharAction::Refuse);
    EXPECT_EQ(Decide(three, u"1.235", 4, u'7', 1), CharAction::Insert);  // a selection replaces
}

TEST(TypedChars, CommaLocale) {
    ScopedFormatSettings comma(u',', u'.');
    const ValueSettings three = FloatSettings(3);
    EXPECT_EQ(Decide(three, u"18", 2, u'.'), CharAction::Refuse);
    EXPECT_EQ(Decide(three, u"18", 1, u','), CharAction::Insert);
    EXPECT_EQ(Decide(three, u"1,8", 3, u','), CharAction::JumpAfterDecimal);
}

TEST(TypedChars, OtherTypes) {
    ScopedFormatSettings dot(u'.', u',');
    ValueSettings settings;
    TypingContext context;
    context.valueText = u"ab cd";
    context.selStart = 3;
    settings.EditType = etUppercase;
    EXPECT_EQ(DecideTypedChar(settings, context, u'x').character, u'X');
    settings.EditType = etLowerCase;
    EXPECT_EQ(DecideTypedChar(settings, context, u'X').character, u'x');
    settings.EditType = etMixedCase;
    EXPECT_EQ(DecideTypedChar(settings, context, u'x').character, u'X');  // after a blank
    context.selStart = 4;
    EXPECT_EQ(DecideTypedChar(settings, context, u'X').character, u'x');
    settings.EditType = etHex;
    EXPECT_EQ(DecideTypedChar(settings, context, u'g').action, CharAction::Refuse);
    EXPECT_EQ(DecideTypedChar(settings, context, u'f').action, CharAction::Insert);
    settings.EditType = etValidChars;
    context.validChars = u"xy";
    EXPECT_EQ(DecideTypedChar(settings, context, u'x').action, CharAction::Insert);
    EXPECT_EQ(DecideTypedChar(settings, context, u'z').action, CharAction::Refuse);
    settings.EditType = etString;
    context.lengthLimit = 5;
    EXPECT_EQ(DecideTypedChar(settings, context, u'z').action, CharAction::Refuse);
    context.selLength = 1;
    EXPECT_EQ(DecideTypedChar(settings, context, u'z').action, CharAction::Insert);
}

// --- pastes ---------------------------------------------------------------------------------

TEST(PasteRules, CandidateAndClipboardLine) {
    EXPECT_EQ(U8(ClipboardLine(u"12\r\n34")), "12");
    EXPECT_EQ(U8(ClipboardLine(u"12\n34")), "12");
    EXPECT_EQ(U8(BuildPasteCandidate(u"1.8", 1, 2, u"23")), "123");
    EXPECT_EQ(U8(BuildPasteCandidate(u"1.8", 3, 0, u"5")), "1.85");
    EXPECT_EQ(U8(BuildPasteCandidate(u"1.8", 9, 4, u"5")), "1.85");  // clamped to the value
    EXPECT_FALSE(ExceedsMaxLength(0, 100, 100, 0));
    EXPECT_TRUE(ExceedsMaxLength(5, 3, 3, 0));
    EXPECT_FALSE(ExceedsMaxLength(5, 3, 3, 1));
}

TEST(PasteRules, IntegerAndFloatAcceptance) {
    ScopedFormatSettings dot(u'.', u',');
    ValueSettings micro;
    micro.EditType = etNumeric;
    EXPECT_EQ(JudgePaste(micro, u"12a", u"12a", u"").action, PasteAction::Refuse);
    EXPECT_EQ(JudgePaste(micro, u"-3", u"-3", u"").action, PasteAction::Refuse);
    EXPECT_EQ(JudgePaste(micro, u"123", u"123", u"").action, PasteAction::WriteText);
    const ValueSettings r1 = FloatSettings(8);
    const PasteVerdict grouped = JudgePaste(r1, u" 1,234.5\t", u" 1,234.5\t", u"");
    EXPECT_EQ(grouped.action, PasteAction::WriteTextAndRound);
    EXPECT_EQ(U8(grouped.text), "1,234.5");
    EXPECT_EQ(JudgePaste(r1, u"-3", u"-3", u"").action, PasteAction::Refuse);
    EXPECT_EQ(JudgePaste(r1, u"1e3", u"1e3", u"").action, PasteAction::Refuse);
    EXPECT_EQ(JudgePaste(FloatSettings(0), u"1.5", u"1.5", u"").action, PasteAction::Refuse);
    EXPECT_EQ(JudgePaste(FloatSettings(0), u"15", u"5", u"").action, PasteAction::WriteTextAndRound);
}

TEST(PasteRules, WrittenPasteRoundsToPrecision) {
    ScopedFormatSettings dot(u'.', u',');
    Field r1 = EdR(u"40");
    r1.value.WritePaste(JudgePaste(r1.value.Settings(), u"1,234.5", u"1,234.5", u""));
    EXPECT_EQ(r1.Shown(), "1234.5");
    EXPECT_TRUE(r1.value.Modified());
    Field deg = DegED1();
    deg.value.WritePaste(JudgePaste(deg.value.Settings(), u"1.23456", u"1.23456", u""));
    EXPECT_EQ(deg.Shown(), "1.235\u00B0");
}

}  // namespace
}  // namespace tornivex::edit

namespace tornivex::edit {
namespace {

// Whatever text arrives, under any type and precision, the rules answer without failing: the
// only error they may raise is EOverflow when a number is read back as a double.
TEST(ValueRulesRobustness, RandomTextsNeverFail) {
    constexpr char16_t kAlphabet[] = u"0123456789.,-+eE $AbF\u00B0 \t";
    constexpr int16_t kPrecisions[] = {-1, 0, 3, 8, 18, 25};
    uint32_t seed = 12345;
    const auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    for (const char16_t decimal : {u'.', u','}) {
        ScopedFormatSettings locale(decimal, decimal == u'.' ? u',' : u'.');
        for (int round = 0; round < 3000; ++round) {
            std::u16string text;
            const size_t length = next() % 24;
            for (size_t i = 0; i < length; ++i) text += kAlphabet[next() % (std::size(kAlphabet) - 1)];
            if (next() % 50 == 0) text += std::u16string(330, u'9');
            const auto type = static_cast<TAdvEditType>(next() % 12);
            PlainFieldDisplay display;
            ValueField field(display);
            field.SetEditType(type);
            field.SetPrecision(kPrecisions[next() % std::size(kPrecisions)]);
            if (next() % 2) field.SetPrecisionDisplay(pdShortest);
            if (next() % 2) field.SetSuffix(u"\u00B0");
            const auto guarded = [&](auto&& step) {
                try {
                    step();
                } catch (const EOverflow&) {
                }
            };
            guarded([&] { field.WriteText(text); });
            guarded([&] { field.WritePaste(JudgePaste(field.Settings(), text, text, u"")); });
            display.SetRawText(text);
            guarded([&] { field.LeaveFormatting(); });
            guarded([&] { field.WriteFloatValue(field.ReadFloatValue()); });
            EXPECT_NO_THROW(field.ReadIntValue()) << U8(text);
        }
    }
}

}  // namespace
}  // namespace tornivex::edit
