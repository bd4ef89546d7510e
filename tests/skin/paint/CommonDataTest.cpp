// The skin state object of a control: which section it takes, what skin commands do to it, how
// it waits for a parent that is not ready and what it tells children about its background.
#include "FakeSkinOwner.h"
#include "TestSkinPackage.h"

#include "skin/paint/ControlKinds.h"

#include <gtest/gtest.h>

namespace tornivex::paint {
namespace {

const QByteArray Options =
    "[GLOBALINFO]\nVERSION=8.00\nMASTERBITMAP=MASTER.BMP\n"
    "[BUTTON]\nSTATES=3\nCOLOR=255\nHOTCOLOR=65280\nGRADIENTPERCENT=100\nHOTGRADIENTPERCENT=100\n"
    "GRADIENTDATA=255;65280;100;1;0\nHOTGRADIENTDATA=255;65280;100;1;0\n"
    "[EDIT]\nSTATES=2\nCOLOR=1193046\nHOTCOLOR=2236962\nFONTCOLOR=3355443\n"
    "[GLASS]\nSTATES=1\nCOLOR=0\nTRANSPARENCY=100\n"
    "[SMOKE]\nSTATES=1\nCOLOR=0\nTRANSPARENCY=50\n";

class CommonDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        QImage master(8, 8, QImage::Format_RGB32);
        master.fill(Qt::gray);
        manager = test::LoadTestSkin(Options, master);
        owner.Section = manager->GetSkinIndex(QStringLiteral("BUTTON"));
        owner.Data = &data;
        data.FSkinManager = manager.get();
        data.COC = COC_TsButton;
        data.Loaded();
    }
    int Index(const char* name) const { return manager->GetSkinIndex(QString::fromLatin1(name)); }
    BackgroundQuery Ask(bool pleaseDraw = false) {
        BackgroundQuery query;
        query.PleaseDraw = pleaseDraw;
        query.Kind = bkUnknown;
        SendSkinCommand(&owner, scGetBackground, reinterpret_cast<std::intptr_t>(&query));
        return query;
    }
    std::intptr_t ManagerParam() const { return reinterpret_cast<std::intptr_t>(manager.get()); }

    std::unique_ptr<TsSkinManager> manager;
    test::FakeParent parent;
    test::FakeSkinOwner owner{&parent};
    TsCtrlSkinData data{&owner, true};
};

TEST_F(CommonDataTest, AButtonAsksItsControlForTheSectionAndTakesItsIndexes) {
    EXPECT_EQ(Index("BUTTON"), data.SkinIndex);
    EXPECT_TRUE(data.Skinned());
    EXPECT_EQ(1, data.BGType) << "a horizontal gradient";
    EXPECT_EQ(0, data.CtrlSkinState) << "a push button never shows its parent through";
    EXPECT_FALSE(data.Loading);
}

TEST_F(CommonDataTest, SkinSectionIsStoredUpperCaseAndTheSameValueChangesNothing) {
    data.SetSkinSection(QStringLiteral("edit"));
    EXPECT_EQ(QStringLiteral("EDIT"), data.SkinSection());
    EXPECT_EQ(Index("EDIT"), data.SkinIndex);
    data.FBGChanged = false;
    const int redraws = owner.Redraws;
    data.SetSkinSection(QStringLiteral("EDIT"));
    EXPECT_FALSE(data.FBGChanged);
    EXPECT_EQ(redraws, owner.Redraws);
}

TEST_F(CommonDataTest, ASectionTheSkinLacksLeavesTheControlUnskinned) {
    data.SetSkinSection(QStringLiteral("NOPE"));
    EXPECT_EQ(-1, data.SkinIndex);
    EXPECT_FALSE(data.Skinned());
    BackgroundQuery query = Ask();
    EXPECT_EQ(bkFill, query.Kind);
    EXPECT_EQ(MakeColor(1, 2, 3), query.Color) << "the owner's own colour";
}

TEST_F(CommonDataTest, RemovalThenNewSkinAndRefreshRestoreTheIndexesWithAFreshCache) {
    SendSkinCommand(&owner, scRenderCache);
    ASSERT_FALSE(data.FCacheBmp->Empty());
    const int index = data.SkinIndex;
    SendSkinCommand(&owner, scRemoveSkin, ManagerParam());
    EXPECT_EQ(-1, data.SkinIndex);
    EXPECT_TRUE(data.FUpdating);
    EXPECT_TRUE(data.FCacheBmp->Empty());
    SendSkinCommand(&owner, scSetNewSkin, ManagerParam());
    SendSkinCommand(&owner, scRefresh, ManagerParam());
    EXPECT_EQ(index, data.SkinIndex);
    EXPECT_TRUE(data.FBGChanged);
    EXPECT_FALSE(data.FUpdating);
}

TEST_F(CommonDataTest, CommandsOfAnotherManagerAreIgnored) {
    TsSkinManager other;
    SendSkinCommand(&owner, scRemoveSkin, reinterpret_cast<std::intptr_t>(&other));
    EXPECT_EQ(Index("BUTTON"), data.SkinIndex);
    EXPECT_FALSE(data.FUpdating);
}

TEST_F(CommonDataTest, AControlWaitsForItsParentAndRedrawsOnceAfterCommandSix) {
    parent.NotReady = 1;
    EXPECT_TRUE(data.ReevaluateUpdating(true));
    SendSkinCommand(&owner, scParentFinished);
    EXPECT_TRUE(data.FUpdating) << "the parent is still not ready";
    EXPECT_EQ(0, owner.Redraws);
    parent.NotReady = 0;
    SendSkinCommand(&owner, scParentFinished);
    EXPECT_FALSE(data.FUpdating);
    EXPECT_EQ(1, owner.Redraws);
    SendSkinCommand(&owner, scParentFinished);
    EXPECT_EQ(1, owner.Redraws) << "not updating any more: nothing to do";
}

TEST_F(CommonDataTest, BeginAndEndUpdateNestAndRepaintAtTheOutermostEnd) {
    data.BeginUpdate();
    data.BeginUpdate();
    EXPECT_TRUE(data.CtrlSkinState & ACS_LOCKED);
    data.EndUpdate(true);
    EXPECT_EQ(0, owner.Redraws);
    data.EndUpdate(true);
    EXPECT_FALSE(data.FUpdating);
    EXPECT_EQ(1, owner.Redraws);
}

TEST_F(CommonDataTest, AGradientSectionHandsOutItsCacheRenderingItFirst) {
    const BackgroundQuery query = Ask();
    EXPECT_EQ(bkCache, query.Kind);
    EXPECT_EQ(data.FCacheBmp.get(), query.Bmp);
    EXPECT_EQ(TPoint{}, query.Offset);
    EXPECT_EQ(1, owner.Renders);
    Ask();
    EXPECT_EQ(1, owner.Renders) << "a current cache is not rendered again";
    EXPECT_EQ(0, SendSkinCommand(&owner, scIsNotReady));
}

TEST_F(CommonDataTest, APlainSectionAnswersItsColourInTheHotSetWhileTheMouseIsAbove) {
    data.SetSkinSection(QStringLiteral("EDIT"));
    EXPECT_EQ(bkFill, Ask().Kind);
    EXPECT_EQ(1193046, Ask().Color);
    data.FMouseAbove = true;
    EXPECT_EQ(2236962, Ask().Color);
    EXPECT_EQ(0, owner.Renders);
}

TEST_F(CommonDataTest, AFullyTransparentControlPassesTheQuestionOnShiftedByItsPosition) {
    TBitmap32 parentCache(100, 100);
    parent.Answer = [&](BackgroundQuery& q) {
        q.Kind = bkCache;
        q.Bmp = &parentCache;
        q.Offset = TPoint{3, 4};
    };
    data.SetSkinSection(QStringLiteral("GLASS"));
    data.FCacheBmp.reset();
    const BackgroundQuery query = Ask();
    EXPECT_EQ(bkCache, query.Kind);
    EXPECT_EQ(&parentCache, query.Bmp);
    EXPECT_EQ((TPoint{13, 24}), query.Offset);
}

TEST_F(CommonDataTest, APartlyTransparentControlWithAnEmptyCacheIsNotReady) {
    data.SetSkinSection(QStringLiteral("SMOKE"));
    data.FCacheBmp->SetSize(0, 0);
    EXPECT_EQ(bkNotReady, Ask().Kind);
    EXPECT_TRUE(data.FUpdating);
    EXPECT_EQ(1, SendSkinCommand(&owner, scIsNotReady));
}

TEST_F(CommonDataTest, PleaseDrawCopiesThePartOfTheCacheAtTheOffset) {
    SendSkinCommand(&owner, scRenderCache);
    data.FCacheBmp->Pixel(5, 6) = 0xFF123456u;
    TBitmap32 target(4, 4, 0);
    BackgroundQuery query;
    query.PleaseDraw = true;
    query.DrawDC = &target;
    query.R = TRect{1, 1, 3, 3};
    query.Offset = TPoint{3, 4};
    SendSkinCommand(&owner, scGetBackground, reinterpret_cast<std::intptr_t>(&query));
    EXPECT_EQ(bkCache, query.Kind);
    EXPECT_EQ(0xFF123456u, target.Pixel(2, 2));
    EXPECT_EQ(0u, target.Pixel(0, 0)) << "outside R nothing is drawn";
}

TEST_F(CommonDataTest, OnlyTransparentControlsRepaintWhenMoved) {
    EXPECT_FALSE(data.RepaintIfMoved());
    data.SetSkinSection(QStringLiteral("SMOKE"));
    EXPECT_TRUE(data.RepaintIfMoved()) << "the parent answers command 19";
    data.FBGChanged = false;
    data.WndProc(TacMessage{TacWindowMessage::Move});
    EXPECT_TRUE(data.FBGChanged);
}

TEST_F(CommonDataTest, FillColourFollowsTransparency) {
    data.SetSkinSection(QStringLiteral("EDIT"));
    EXPECT_EQ(1193046, data.ElementFillColor(0));
    EXPECT_EQ(2236962, data.ElementFillColor(1));
    data.SetSkinSection(QStringLiteral("GLASS"));
    parent.ControlColor = 0;
    EXPECT_EQ(ColorToRGB(SystemColor(COLOR_BTNFACE)), data.ElementFillColor(0));
    data.FCustomColor = true;
    EXPECT_EQ(MakeColor(1, 2, 3), data.ElementFillColor(0));
}

TEST_F(CommonDataTest, FocusAndHoverMessagesDecideTheHotLook) {
    EXPECT_FALSE(data.IsHotOrFocused());
    data.WndProc(TacMessage{TacWindowMessage::MouseEnter});
    EXPECT_TRUE(data.FMouseAbove);
    EXPECT_TRUE(data.IsHotOrFocused());
    data.WndProc(TacMessage{TacWindowMessage::MouseLeave});
    EXPECT_FALSE(data.IsHotOrFocused());
    data.WndProc(TacMessage{TacWindowMessage::SetFocus});
    EXPECT_TRUE(data.FFocused);
    EXPECT_TRUE(data.IsHotOrFocused());
    owner.Enabled = false;
    EXPECT_FALSE(data.IsHotOrFocused()) << "a disabled control is never hot";
    data.WndProc(TacMessage{TacWindowMessage::EnabledChanged});
    EXPECT_FALSE(data.FFocused);
}

TEST_F(CommonDataTest, SmallCommandsAnswerAsTheProtocolSays) {
    EXPECT_EQ(1, SendSkinCommand(&owner, scIsSkinned));
    EXPECT_EQ(reinterpret_cast<std::intptr_t>(&data), SendSkinCommand(&owner, scGetCommonData));
    TacSkinIndexRecord record;
    SendSkinCommand(&owner, scGetSkinIndexInto, reinterpret_cast<std::intptr_t>(&record));
    EXPECT_EQ(data.SkinIndex, record.SkinIndex);
    TRect bounds;
    SendSkinCommand(&owner, scGetBounds, reinterpret_cast<std::intptr_t>(&bounds));
    EXPECT_EQ(owner.Where, bounds);
    const QString name = QStringLiteral("edit");
    EXPECT_EQ(1, SendSkinCommand(&owner, scSetSection, reinterpret_cast<std::intptr_t>(&name)));
    EXPECT_EQ(Index("EDIT"), data.SkinIndex);
    SendSkinCommand(&owner, scClearCache);
    EXPECT_TRUE(data.FCacheBmp->Empty());
    EXPECT_TRUE(data.FBGChanged);
}

TEST(ControlKinds, DefaultSectionsByControlCode) {
    EXPECT_EQ(QStringList{QStringLiteral("EDIT")}, DefaultSectionOf(COC_TsMemo).Names);
    EXPECT_EQ(TacDefaultSection::AskControl, DefaultSectionOf(COC_TsButton).Kind);
    EXPECT_EQ((QStringList{QStringLiteral("SLIDER_OFF"), QStringLiteral("PANEL_LOW")}), DefaultSectionOf(34).Names);
    EXPECT_EQ(TacDefaultSection::ClassName, DefaultSectionOf(1000).Kind);
    EXPECT_TRUE(IsEditKind(COC_TsMemo));
    EXPECT_FALSE(IsContainerKind(COC_TsButton));
}

}  // namespace
}  // namespace tornivex::paint
