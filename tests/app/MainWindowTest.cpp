#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QAccessible>
#include <QTest>

#include "MakerInfo.h"
#include "StoredSkins.h"
#include "sSkinManager.h"
#include "Shell.h"
#include "WindowTestSupport.h"

namespace tornivex::testing {
namespace {

const QString kWorkedExample[] = {
    "this gives  200 steps per revolution.",
    "now gives 2000 steps per revolution",
    "ratio and 2000 steps/rev then ;",
    "40 x 2000 = 80000 Steps / axis rev",
    "80000 / 360\u00B0 = 222.222222222222 units for 4th Axis motor tuning.",
};

class MainWindowTest : public WindowTest {
protected:
    // Replaces a field's whole text by typing, as a user does.
    void TypeInto(TAdvEdit* field, const QString& text) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
};

TEST_F(MainWindowTest, LayoutAndCaptions) {
    EXPECT_EQ(form1->windowTitle(), "4th Axis Tornivex");
    // With the skin: the client area below the skinned title strip.
    EXPECT_EQ(form1->size(), QSize(541, 206));
    EXPECT_EQ(form1->Client()->size(), QSize(535, 177));
    EXPECT_EQ(form1->minimumSize(), form1->maximumSize());  // not resizable

    struct Placed {
        QWidget* widget;
        QRect bounds;
    };
    const Placed placed[] = {
        {form1->degED1, {56, 7, 38, 21}},    {form1->edMicro, {56, 34, 38, 21}},
        {form1->edR1, {132, 64, 54, 21}},    {form1->edR2, {198, 64, 54, 21}},
        {form1->sButton1, {8, 145, 137, 25}}, {form1->sButton2, {151, 145, 56, 25}},
    };
    for (const Placed& p : placed) EXPECT_EQ(p.widget->geometry(), p.bounds) << p.widget->objectName().toStdString();
    const std::pair<platform::TLabel*, QPoint> labels[] = {
        {form1->Label8, {8, 8}},   {form1->Label2, {100, 8}},  {form1->Label1, {188, 8}},
        {form1->Label3, {8, 35}},  {form1->Label7, {100, 35}}, {form1->Label4, {198, 35}},
        {form1->Label11, {8, 66}}, {form1->Label9, {189, 60}}, {form1->Label10, {258, 66}},
        {form1->Label12, {8, 95}}, {form1->Label13, {8, 121}},
    };
    for (const auto& [label, at] : labels) EXPECT_EQ(label->pos(), at) << label->objectName().toStdString();
    EXPECT_EQ(form1->Label13->height(), 18);
    EXPECT_EQ(form1->Label9->height(), 23);
    EXPECT_EQ(form1->Label13->font().pixelSize(), 15);
    EXPECT_EQ(form1->Label13->FontColor(), 0u);  // the skin's label colour; blue by design
    EXPECT_TRUE(form1->Label9->font().bold());
    EXPECT_EQ(form1->Label9->font().pixelSize(), 19);
    EXPECT_EQ(form1->sButton1->text(), "Calculate");
    EXPECT_EQ(form1->sButton2->text(), "About");
    EXPECT_FALSE(form1->sButton1->isDefault() || form1->sButton1->autoDefault());
    EXPECT_EQ(form1->sWebLabel1->Caption(), "With compliments of " + kMakerAddress + "  ");
    EXPECT_EQ(form1->sWebLabel1->pos(), QPoint(243, 151));
}

TEST_F(MainWindowTest, StartUpState) {
    ShowMainWindow();
    EXPECT_EQ(form1->degED1->text(), "1.8\u00B0");
    EXPECT_EQ(form1->edMicro->text(), "10");
    EXPECT_EQ(form1->edR1->text(), "40");
    EXPECT_EQ(form1->edR2->text(), "1");
    EXPECT_EQ(ResultLines(), (std::vector<QString>{"", "", "Ratio", "", ""}));
    EXPECT_EQ(QApplication::focusWidget(), form1->degED1);
    EXPECT_EQ(form1->degED1->selectedText(), "1.8");
    // Centred on the desktop.
    const QRect desktop = form1->screen()->availableGeometry();
    EXPECT_LE(std::abs(form1->frameGeometry().center().x() - desktop.center().x()), 4);
}

TEST_F(MainWindowTest, TabOrderTakesTheRightRatioFieldFirst) {
    ShowMainWindow();
    const QWidget* expected[] = {form1->edMicro, form1->edR2, form1->edR1, form1->sButton1,
                                 form1->sButton2, form1->degED1};
    for (const QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
}

TEST_F(MainWindowTest, CalculateFillsTheWorkedExampleTwice) {
    ShowMainWindow();
    for (int run = 0; run < 2; ++run) {
        ClickCalculate();
        EXPECT_EQ(ResultLines(), std::vector<QString>(std::begin(kWorkedExample),
                                                      std::end(kWorkedExample)));
    }
    EXPECT_TRUE(errors.empty());
    // The result labels size themselves to their captions.
    EXPECT_EQ(form1->Label13->width(),
              QFontMetrics(form1->Label13->font()).horizontalAdvance(kWorkedExample[4]));
}

TEST_F(MainWindowTest, SpaceAndEnterOnTheFocusedButtonCalculate) {
    ShowMainWindow();
    form1->sButton1->setFocus();
    QTest::keyClick(form1->sButton1, Qt::Key_Return);
    QTest::qWait(200);  // the key animates the click
    EXPECT_EQ(form1->Label1->Caption(), kWorkedExample[0]);
    form1->Label1->SetCaption({});
    QTest::keyClick(form1->sButton1, Qt::Key_Space);
    EXPECT_EQ(form1->Label1->Caption(), kWorkedExample[0]);
}

TEST_F(MainWindowTest, EnterInAFieldPressesNoButton) {
    ShowMainWindow();
    QTest::keyClick(form1->edMicro, Qt::Key_Return);
    QTest::qWait(200);
    EXPECT_EQ(form1->Label1->Caption(), "");
}

TEST_F(MainWindowTest, ZeroStepAngleShowsDivisionByZeroAndChangesNothing) {
    ShowMainWindow();
    TypeInto(form1->degED1, "0");
    ClickCalculate();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].caption, "Tornivex");
    EXPECT_EQ(errors[0].text, "Floating point division by zero.");
    EXPECT_EQ(ResultLines(), (std::vector<QString>{"", "", "Ratio", "", ""}));
}

TEST_F(MainWindowTest, EmptiedStepAngleBecomesZeroOnLeaving) {
    ShowMainWindow();
    TypeInto(form1->degED1, "");
    ClickCalculate();
    EXPECT_EQ(form1->degED1->text(), "0\u00B0");
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text, "Floating point division by zero.");
}

TEST_F(MainWindowTest, ElevenDigitsInMicroFailAfterTheFirstLine) {
    ShowMainWindow();
    ClickCalculate();  // a first run fills every line
    TypeInto(form1->degED1, "0.9");
    TypeInto(form1->edMicro, "12345678901");
    ClickCalculate();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].caption, "Tornivex");
    EXPECT_EQ(errors[0].text, "''12345678901'' is not a valid integer value.");
    const std::vector<QString> expected{"this gives  400 steps per revolution.", kWorkedExample[1],
                                        kWorkedExample[2], kWorkedExample[3], kWorkedExample[4]};
    EXPECT_EQ(ResultLines(), expected);
    EXPECT_EQ(form1->edMicro->text(), "12345678901");  // the field keeps its text
}

TEST_F(MainWindowTest, ZeroRatiosFailAfterTheSecondLine) {
    ShowMainWindow();
    TypeInto(form1->edR2, "0");
    ClickCalculate();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text, "Floating point division by zero.");
    EXPECT_EQ(ResultLines(), (std::vector<QString>{kWorkedExample[0], kWorkedExample[1], "Ratio",
                                                   "", ""}));
    TypeInto(form1->edR1, "0");
    ClickCalculate();
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[1].text, "Invalid floating point operation.");
}

TEST_F(MainWindowTest, CommaLocaleShowsTheDesignTextsInItsNotation) {
    // The window opens with the same values under every locale, written in the user's notation.
    form2.reset();
    form1.reset();
    ScopedFormatSettings comma(u',', u'.');
    form1 = std::make_unique<TForm1>();
    EXPECT_EQ(form1->degED1->text(), "1,8\u00B0");
    form1->sButton1Click();
    EXPECT_EQ(form1->Label1->Caption(), "this gives  200 steps per revolution.");
}

TEST_F(MainWindowTest, LinkLabelOpensTheMakerPageOnPress) {
    ShowMainWindow();
    QStringList opened;
    platform::SetShellOpener([&](const QString& address) {
        opened << address;
        return true;
    });
    QTest::mousePress(form1->sWebLabel1, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(opened, QStringList{kMakerURL});  // before the button is released
    QTest::mouseRelease(form1->sWebLabel1, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mousePress(form1->sWebLabel1, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(opened.size(), 1);

    // A screen reader reads it as a link with its caption and follows it with its press action.
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(form1->sWebLabel1);
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->role(), QAccessible::Link);
    EXPECT_EQ(link->text(QAccessible::Name), form1->sWebLabel1->Caption());
    QAccessibleActionInterface* actions = link->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(opened, (QStringList{kMakerURL, kMakerURL}));
    platform::SetShellOpener(nullptr);
}

TEST_F(MainWindowTest, SkinManagerHoldsBothSkinsWithAluminiumLoaded) {
    TsSkinManager* manager = form1->sSkinManager1;
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(manager->parent(), form1.get());  // owned by the window
    ASSERT_EQ(manager->InternalSkins().Count(), 2);
    EXPECT_EQ(manager->InternalSkins()[0].Name, "Topaz (internal)");
    EXPECT_EQ(manager->InternalSkins()[1].Name, "Aluminium (internal)");
    EXPECT_EQ(manager->SkinName(), "Aluminium (internal)");
    EXPECT_EQ(manager->SkinDirectory(),  // the user's data folder, never the working directory
              QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/skins");
    EXPECT_TRUE(manager->Active());
    EXPECT_FALSE(manager->IsLoading());
    EXPECT_EQ(manager->SkinInfo(), "8");
    EXPECT_EQ(manager->GetSkinIndex("TRANSPARENT"), 71);
    EXPECT_EQ(manager->GetSkinIndex("button"), -1);
    EXPECT_GE(manager->GetSkinIndex("BUTTON"), 0);
}

TEST_F(MainWindowTest, GoldenImages) {
    ShowMainWindow();
    ExpectMatchesGolden(form1->grab().toImage(), "main-window");
    ClickCalculate();
    ExpectMatchesGolden(form1->grab().toImage(), "main-window-calculated");
}

}  // namespace
}  // namespace tornivex::testing
