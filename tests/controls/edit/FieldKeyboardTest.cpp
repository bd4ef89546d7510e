// The four fields of the main window driven through real key events on the offscreen platform:
// typed characters, the keys around the suffix, Escape, Enter, and the formatting on leaving.
#include <QKeyEvent>
#include <QTest>

#include "EditTestSupport.h"

namespace tornivex::testing {
namespace {

const QString kDegree = QStringLiteral("\u00B0");

class FieldKeyboard : public FieldWindowTest {};

TEST_F(FieldKeyboard, WindowOpensWithTheFormattedDesignTexts) {
    BuildWindow();
    EXPECT_EQ(degED1->text(), QStringLiteral("1.8") + kDegree);
    EXPECT_EQ(edMicro->text(), QStringLiteral("10"));
    EXPECT_EQ(edR1->text(), QStringLiteral("40"));
    EXPECT_EQ(edR2->text(), QStringLiteral("1"));
    EXPECT_EQ(degED1->Text(), QStringLiteral("1.8"));
    EXPECT_EQ(degED1->FloatValue(), 1.8);
    EXPECT_FALSE(degED1->Modified());
    // The window's first activation enters the first field and selects its number only.
    EXPECT_TRUE(degED1->hasFocus());
    EXPECT_EQ(degED1->selectedText(), QStringLiteral("1.8"));
    EXPECT_EQ(degED1->OrigText(), QStringLiteral("1.8"));
}

TEST_F(FieldKeyboard, CommaLocaleShowsTheDesignValueInItsNotation) {
    BuildWindow(u',', u'.');
    EXPECT_EQ(degED1->text(), QStringLiteral("1,8") + kDegree);
    EXPECT_EQ(degED1->FloatValue(), 1.8);
    EXPECT_EQ(edR1->text(), QStringLiteral("40"));
    // What the user types keeps the field's rules: the "." groups thousands here.
    Enter(degED1);
    Empty(degED1);
    Type(degED1, QStringLiteral("2.5"));
    Key(degED1, Qt::Key_Tab);
    EXPECT_EQ(degED1->FloatValue(), 25.0);
}

TEST_F(FieldKeyboard, TabEntersSelectingTheValueWithoutColourChange) {
    BuildWindow();
    const QColor base = edMicro->palette().color(QPalette::Base);
    Key(degED1, Qt::Key_Tab);
    ASSERT_TRUE(edMicro->hasFocus());
    EXPECT_EQ(edMicro->selectedText(), QStringLiteral("10"));
    EXPECT_EQ(edMicro->palette().color(QPalette::Base), base);
    Key(edMicro, Qt::Key_Tab);
    EXPECT_TRUE(edR2->hasFocus());
    Key(edR2, Qt::Key_Tab);
    EXPECT_TRUE(edR1->hasFocus());
}

TEST_F(FieldKeyboard, IntegerFieldTakesDigitsOnly) {
    BuildWindow();
    Enter(edMicro);
    edMicro->setCursorPosition(2);
    Type(edMicro, QStringLiteral("a.-"));
    EXPECT_EQ(edMicro->text(), QStringLiteral("10"));
    EXPECT_FALSE(edMicro->Modified());
    Type(edMicro, QStringLiteral("5"));
    EXPECT_EQ(edMicro->text(), QStringLiteral("105"));
    EXPECT_TRUE(edMicro->Modified());
    Empty(edMicro);
    Type(edMicro, QStringLiteral("12345678901"));
    EXPECT_EQ(edMicro->text(), QStringLiteral("12345678901"));  // eleven digits are accepted
    Leave(edMicro);
    EXPECT_EQ(edMicro->text(), QStringLiteral("12345678901"));  // and not reformatted
}

TEST_F(FieldKeyboard, FullDecimalsAreOverwrittenNotExtended) {
    BuildWindow();
    Enter(degED1);
    degED1->SetText(QStringLiteral("1.235"));
    degED1->setCursorPosition(5);
    Type(degED1, QStringLiteral("7"));
    EXPECT_EQ(degED1->text(), QStringLiteral("1.235") + kDegree);
    degED1->setCursorPosition(3);
    Type(degED1, QStringLiteral("9"));
    EXPECT_EQ(degED1->text(), QStringLiteral("1.295") + kDegree);
    EXPECT_EQ(degED1->cursorPosition(), 4);
}

TEST_F(FieldKeyboard, SeparatorJumpsBehindTheExistingOne) {
    BuildWindow();
    Enter(degED1);
    degED1->setCursorPosition(3);
    Type(degED1, QStringLiteral("."));
    EXPECT_EQ(degED1->text(), QStringLiteral("1.8") + kDegree);
    EXPECT_EQ(degED1->cursorPosition(), 2);
    Type(degED1, QStringLiteral(","));  // not the separator here
    EXPECT_EQ(degED1->text(), QStringLiteral("1.8") + kDegree);
    Enter(edR1);
    edR1->setCursorPosition(2);
    Type(edR1, QStringLiteral(","));
    EXPECT_EQ(edR1->text(), QStringLiteral("40"));
}

TEST_F(FieldKeyboard, SeparatorIntoAnEmptiedFieldStartsWithZero) {
    BuildWindow();
    Empty(degED1);
    EXPECT_EQ(degED1->text(), kDegree);
    Type(degED1, QStringLiteral("."));
    EXPECT_EQ(degED1->text(), QStringLiteral("0.") + kDegree);
    EXPECT_EQ(degED1->cursorPosition(), 2);
    EXPECT_TRUE(degED1->Modified());
    Type(degED1, QStringLiteral("25"));
    EXPECT_EQ(degED1->text(), QStringLiteral("0.25") + kDegree);
}

TEST_F(FieldKeyboard, CommaLocaleTyping) {
    BuildWindow(u',', u'.');
    Empty(degED1);
    Type(degED1, QStringLiteral("1.5"));  // "." is not the separator: dropped
    EXPECT_EQ(degED1->text(), QStringLiteral("15") + kDegree);
    Empty(degED1);
    Type(degED1, QStringLiteral("123456"));
    degED1->setCursorPosition(1);
    Type(degED1, QStringLiteral(","));
    Leave(degED1);
    EXPECT_EQ(degED1->text(), QStringLiteral("1,235") + kDegree);
}

TEST_F(FieldKeyboard, KeypadDecimalTypesTheSeparatorWhenAsked) {
    BuildWindow(u',', u'.');
    Enter(edR1);
    edR1->setCursorPosition(2);
    QTest::keyClick(edR1, '.', Qt::KeypadModifier);
    EXPECT_EQ(edR1->text(), QStringLiteral("40"));  // "." is not the separator here
    edR1->SetExcelStyleDecimalSeparator(true);
    QTest::keyClick(edR1, '.', Qt::KeypadModifier);
    EXPECT_EQ(edR1->text(), QStringLiteral("40,"));
    QTest::keyClick(edR1, '.');  // the main keyboard's "." stays what it is
    EXPECT_EQ(edR1->text(), QStringLiteral("40,"));
}

TEST_F(FieldKeyboard, CaretNeverEntersTheSuffix) {
    BuildWindow();
    Enter(degED1);
    degED1->setCursorPosition(0);
    Key(degED1, Qt::Key_End);
    EXPECT_EQ(degED1->cursorPosition(), 3);  // before the degree sign
    Key(degED1, Qt::Key_Right);
    EXPECT_EQ(degED1->cursorPosition(), 3);
    Key(degED1, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_FALSE(degED1->hasSelectedText());
    Key(degED1, Qt::Key_Delete);
    EXPECT_EQ(degED1->text(), QStringLiteral("1.8") + kDegree);
    EXPECT_FALSE(degED1->Modified());
    degED1->setCursorPosition(1);
    Key(degED1, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(degED1->selectedText(), QStringLiteral(".8"));
    Key(degED1, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(degED1->selectedText(), QStringLiteral("1.8"));
    // Word moves stop at the value's end too, so Backspace takes the last digit.
    degED1->setCursorPosition(0);
    for (int i = 0; i < 4; ++i) Key(degED1, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_LE(degED1->cursorPosition(), 3);
    Key(degED1, Qt::Key_Backspace);
    EXPECT_EQ(degED1->text(), QStringLiteral("1.") + kDegree);
    degED1->SetText(QStringLiteral("1.8"));
    degED1->setCursorPosition(2);
    Key(degED1, Qt::Key_Delete);  // inside the value Delete works and marks the field
    EXPECT_EQ(degED1->text(), QStringLiteral("1.") + kDegree);
    EXPECT_TRUE(degED1->Modified());
}

TEST_F(FieldKeyboard, EscapeRestoresTheTextOnEntry) {
    BuildWindow();
    Enter(degED1);
    degED1->SelectAll();
    Type(degED1, QStringLiteral("2.5"));
    EXPECT_EQ(degED1->text(), QStringLiteral("2.5") + kDegree);
    EXPECT_TRUE(degED1->Modified());
    Key(degED1, Qt::Key_Escape);
    EXPECT_EQ(degED1->text(), QStringLiteral("1.8") + kDegree);
    EXPECT_EQ(degED1->selectedText(), QStringLiteral("1.8"));
    EXPECT_FALSE(degED1->Modified());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(FieldKeyboard, EscapeWithoutUndoKeepsTheTyping) {
    BuildWindow();
    edR2->SetCanUndo(false);
    Enter(edR2);
    edR2->SelectAll();
    Type(edR2, QStringLiteral("3"));
    Key(edR2, Qt::Key_Escape);
    EXPECT_EQ(edR2->text(), QStringLiteral("3"));
}

// Records the keys that reach the window holding the fields.
class KeyRecorder : public QObject {
public:
    std::vector<int> pressed;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) pressed.push_back(static_cast<QKeyEvent*>(event)->key());
        return false;
    }
};

TEST_F(FieldKeyboard, EscapeIsPassedToTheParentWindowEnterIsNot) {
    BuildWindow();
    KeyRecorder recorder;
    window->installEventFilter(&recorder);
    Enter(edR1);
    Key(edR1, Qt::Key_Escape);
    Key(edR1, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(recorder.pressed, std::vector<int>{Qt::Key_Escape});
    window->removeEventFilter(&recorder);
}

TEST_F(FieldKeyboard, EnterChangesNothingAndPressesNoButton) {
    BuildWindow();
    button->setDefault(true);
    button->setAutoDefault(true);
    for (TAdvEdit* field : {degED1, edMicro, edR2, edR1}) {
        Enter(field);
        const QString before = field->text();
        Key(field, Qt::Key_Return);
        Key(field, Qt::Key_Enter, Qt::KeypadModifier);
        Key(field, Qt::Key_Return, Qt::ControlModifier);
        EXPECT_EQ(field->text(), before);
        EXPECT_TRUE(field->hasFocus());
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(buttonClicks, 0);
}

TEST_F(FieldKeyboard, ReturnIsTabMovesOn) {
    BuildWindow();
    degED1->SetReturnIsTab(true);
    Enter(degED1);
    Key(degED1, Qt::Key_Return);
    EXPECT_TRUE(edMicro->hasFocus());
}

struct LeaveCase {
    const char* typed;
    const char* shown;
};

TEST_F(FieldKeyboard, TypingStopsAtThePrecision) {
    BuildWindow();
    Empty(degED1);
    Type(degED1, QStringLiteral("1.23456"));
    EXPECT_EQ(degED1->text(), QStringLiteral("1.234") + kDegree);
}

// Types the digits, then puts the separator where the value text has it: the way a value with
// more decimals than the precision gets into the field by keyboard.
void TypeWithLateSeparator(TAdvEdit* field, const QString& valueText) {
    const qsizetype separator = valueText.indexOf(u'.');
    QString digits = valueText;
    if (separator >= 0) digits.remove(separator, 1);
    QTest::keyClicks(field, digits);
    if (separator < 0) return;
    field->setCursorPosition(static_cast<int>(separator));
    QTest::keyClicks(field, QStringLiteral("."));
    ASSERT_EQ(field->Text(), valueText);
}

TEST_F(FieldKeyboard, StepAngleAfterLeaving) {
    BuildWindow();
    const LeaveCase cases[] = {{"1.8", "1.8\u00B0"},   {"1.23456", "1.235\u00B0"},
                               {"2", "2\u00B0"},       {"2.000", "2\u00B0"},
                               {"0.0004", "0\u00B0"},  {"0.0005", "0.001\u00B0"},
                               {"", "0\u00B0"}};
    for (const LeaveCase& c : cases) {
        Empty(degED1);
        TypeWithLateSeparator(degED1, QString::fromUtf8(c.typed));
        Leave(degED1);
        EXPECT_EQ(degED1->text(), QString::fromUtf8(c.shown)) << c.typed;
    }
}

TEST_F(FieldKeyboard, RatioAndDivisionAfterLeaving) {
    BuildWindow();
    const auto typeAndLeave = [this](TAdvEdit* field, const QString& typed) {
        Empty(field);
        Type(field, typed);
        Leave(field);
        return field->text();
    };
    EXPECT_EQ(typeAndLeave(edR2, QStringLiteral("0.33333333")), QStringLiteral("0.33333333"));
    EXPECT_EQ(typeAndLeave(edR2, QStringLiteral("4.000")), QStringLiteral("4"));
    EXPECT_EQ(typeAndLeave(edMicro, QString()), QStringLiteral("0"));
    EXPECT_EQ(typeAndLeave(edMicro, QStringLiteral("007")), QStringLiteral("007"));
    EXPECT_EQ(typeAndLeave(edR1, QString()), QStringLiteral("0"));
}

TEST_F(FieldKeyboard, OverflowOnLeavingReachesTheErrorDisplayAndKeepsTheText) {
    BuildWindow();
    Empty(degED1);
    const QString digits = QStringLiteral("1") + QString(320, u'0');
    Type(degED1, digits);
    Leave(degED1);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].caption, QStringLiteral("Tornivex"));
    EXPECT_EQ(errors[0].text, QStringLiteral("Floating point overflow."));
    EXPECT_EQ(degED1->Text(), digits);
    // The focus moved on all the same, and the field can be entered and left again.
    EXPECT_TRUE(edMicro->hasFocus());
}

TEST_F(FieldKeyboard, BackspaceMarksModifiedOnlyWhenItDeletes) {
    BuildWindow();
    Enter(edR1);
    edR1->setCursorPosition(0);
    Key(edR1, Qt::Key_Backspace);
    EXPECT_FALSE(edR1->Modified());
    edR1->setCursorPosition(2);
    Key(edR1, Qt::Key_Backspace);
    EXPECT_EQ(edR1->text(), QStringLiteral("4"));
    EXPECT_TRUE(edR1->Modified());
}

TEST_F(FieldKeyboard, ValidationIsAskedOnLeavingWithTheValueText) {
    BuildWindow();
    QStringList asked;
    degED1->OnValueValidate = [&](TAdvEdit&, const QString& value, bool& valid) {
        asked << value;
        valid = false;
    };
    Enter(degED1);
    Leave(degED1);
    EXPECT_EQ(asked, QStringList{QStringLiteral("1.8")});
    EXPECT_EQ(degED1->text(), QStringLiteral("1.8") + kDegree);  // nothing visible happens
}

TEST_F(FieldKeyboard, FocusColourAndWidthFollowTheFocus) {
    BuildWindow();
    edR1->SetFocusColor(QColor(255, 255, 200));
    edR1->SetFocusWidthInc(10);
    const QColor normal = edR1->palette().color(QPalette::Base);
    Enter(edR1);
    EXPECT_EQ(edR1->palette().color(QPalette::Base), QColor(255, 255, 200));
    EXPECT_EQ(edR1->width(), 64);
    Leave(edR1);
    EXPECT_EQ(edR1->palette().color(QPalette::Base), normal);
    EXPECT_EQ(edR1->width(), 54);
}

}  // namespace
}  // namespace tornivex::testing
