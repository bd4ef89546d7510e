// The child adapter's choices on the real windows, the skinned label classes' colours, the
// caption and keyboard on the skinned frame, and a skin change between the two internal skins.
#include <QApplication>
#include <QMenu>
#include <QTest>

#include "WindowTestSupport.h"
#include "acCtrlAdapter.h"
#include "sLabel.h"
#include "sSkinManager.h"
#include "sSkinProvider.h"
#include "skin/data/SkinPalette.h"
#include "skin/paint/BitmapPrimitives.h"

namespace tornivex::testing {
namespace {

class SkinAdaptationTest : public WindowTest {
protected:
    TsSkinProvider& Provider1() { return *form1->sSkinProvider1; }
    TsSkinManager& Manager() { return *form1->sSkinManager1; }
};

TEST_F(SkinAdaptationTest, WithTheProgramsListsOnlyLabelsAreAdapted) {
    ShowMainWindow();
    TacCtrlAdapter* adapter = Provider1().Adapter();
    ASSERT_NE(adapter, nullptr);
    EXPECT_TRUE(adapter->Items.empty());  // the fields keep the platform look
    EXPECT_FALSE(adapter->IsControlSupported(form1->degED1));
    EXPECT_FALSE(adapter->IsControlSupported(form1->sWebLabel1));  // skins itself
    EXPECT_TRUE(adapter->IsControlSupported(form1->Label8));
    EXPECT_EQ(ControlClassName(form1->degED1), "TAdvEdit");

    // Naming the field's class in the edits list makes the fields adapter items of that kind.
    Manager().ThirdParty.Lists[tpEdits] = QStringList{QStringLiteral("TAdvEdit")};
    adapter->AddAllItems();
    ASSERT_EQ(adapter->Items.size(), 4u);
    for (const TacAdapterItem& item : adapter->Items) EXPECT_EQ(item.Kind, tpEdits);
    // Items of destroyed controls are dropped on the next walk.
    delete form1->edR2;
    form1->edR2 = nullptr;
    adapter->AddAllItems();
    EXPECT_EQ(adapter->Items.size(), 3u);
}

TEST_F(SkinAdaptationTest, ALabelTaggedOutKeepsItsDesignColour) {
    // Tagged while the skin is off, it stays out when the skin comes back.
    Manager().SetActive(false);
    SetTag(form1->Label13, acNoSkinTag);
    Manager().SetActive(true);
    EXPECT_TRUE(Provider1().Skinned());
    EXPECT_EQ(form1->Label13->FontColor(), clBlue);
    EXPECT_NE(form1->Label12->FontColor(), clWindowText);  // the others are recoloured
}

TEST_F(SkinAdaptationTest, SkinnedLabelColours) {
    ShowMainWindow();
    TsLabel label(form1->Client());
    label.SetFontColor(clBlue);
    label.SetCaption(QStringLiteral("x"));
    const TColor labelText = Manager().Palette()[pcLabelText];
    EXPECT_EQ(label.CurrentTextColor(), labelText);  // the skin's colour, not the font's
    label.SetUseSkinColor(false);
    EXPECT_EQ(label.CurrentTextColor(), clBlue);
    label.SetUseSkinColor(true);
    // Disabled: the colour halfway-ish to the parent's (0.4 of the way).
    label.setEnabled(false);
    const TColor parent = platform::FromQColor(form1->Client()->palette().color(QPalette::Window));
    EXPECT_EQ(label.CurrentTextColor(), paint::BlendColors(ColorToRGB(labelText), ColorToRGB(parent), 0.4));
    label.setEnabled(true);
    // A section of its own names the colour.
    label.SetSkinSection(QStringLiteral("FORMTITLE"));
    const int title = Manager().GetSkinIndex(QStringLiteral("FORMTITLE"));
    EXPECT_EQ(label.CurrentTextColor(), Manager().gd()[std::size_t(title)].Props[0].FontColor.Color);

    // Without a skin the labels draw with their fonts' colours.
    Manager().SetActive(false);
    label.SetSkinSection(QString());
    EXPECT_EQ(label.CurrentTextColor(), clBlue);
    EXPECT_EQ(form1->sWebLabel1->CurrentTextColor(), ColorToRGB(clWindowText));
    Manager().SetActive(true);
}

TEST_F(SkinAdaptationTest, ANewCaptionIsDrawnInTheTitleStrip) {
    ShowMainWindow();
    const QImage before = form1->grab().toImage();
    form1->setWindowTitle(QStringLiteral("Another caption"));
    const QImage after = form1->grab().toImage();
    EXPECT_NE(before.copy(0, 0, 300, 26), after.copy(0, 0, 300, 26));
    EXPECT_EQ(before.copy(0, 30, 541, 170), after.copy(0, 30, 541, 170));
}

TEST_F(SkinAdaptationTest, AltSpaceOpensTheSystemMenu) {
    ShowMainWindow();
    form1->degED1->setFocus();
    QTest::keyClick(form1->degED1, Qt::Key_Space, Qt::AltModifier);
    QMenu* menu = Provider1().SystemMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    menu->close();
}

TEST_F(SkinAdaptationTest, AltF4ClosesTheSkinnedWindowAsItsMenuSays) {
    ShowMainWindow();
    form1->degED1->setFocus();
    QTest::keyClick(form1->degED1, Qt::Key_F4, Qt::AltModifier);
    EXPECT_FALSE(form1->isVisible());
}

TEST_F(SkinAdaptationTest, SwitchingSkinsRepaintsTheFrameAndKeepsTheLayout) {
    ShowMainWindow();
    const QImage aluminium = form1->grab().toImage();
    Manager().SetSkinName(QStringLiteral("Topaz (internal)"));
    ASSERT_EQ(Manager().SkinName(), "Topaz (internal)");
    EXPECT_TRUE(Provider1().Skinned());
    EXPECT_EQ(form1->size(), QSize(541, 206));
    EXPECT_EQ(form1->Client()->pos(), QPoint(3, 26));
    EXPECT_EQ(static_cast<TColor>(form1->Label13->FontColor()), Manager().Palette()[pcLabelText]);
    EXPECT_NE(form1->grab().toImage(), aluminium);
    Manager().SetSkinName(QStringLiteral("Aluminium (internal)"));
    EXPECT_EQ(form1->grab().toImage(), aluminium);
}

}  // namespace
}  // namespace tornivex::testing
