// The three push buttons in the real skinned windows: their corners show the form's picture,
// an ordinary repaint copies the cache without rendering it again, a skin switch repaints them
// in the new skin and back, pixel for pixel.
#include <QTest>

#include "WindowTestSupport.h"
#include "sSkinManager.h"
#include "sSkinProvider.h"
#include "skin/data/SkinConstants.h"

namespace tornivex::testing {
namespace {

class SkinnedButtonTest : public WindowTest {
protected:
    const TBitmap32& CacheOf(TsButton* button) {
        button->repaint();
        return *button->SkinData()->FCacheBmp;
    }
};

TEST_F(SkinnedButtonTest, ButtonsAreSkinnedAndTheirCornersShowTheFormsPicture) {
    ShowMainWindow();
    for (TsButton* button : {form1->sButton1, form1->sButton2}) {
        ASSERT_TRUE(button->Skinned()) << button->text().toStdString();
        EXPECT_EQ(form1->sSkinManager1->ConstData().Sections[ssButton], button->SkinData()->SkinIndex);
    }
    const TBitmap32& cache = CacheOf(form1->sButton2);
    const TBitmap32& picture = *form1->sSkinProvider1->SkinData().FCacheBmp;
    const QPoint at = form1->sButton2->mapTo(form1.get(), QPoint(0, 0));
    // The skin's button border has key-colour corner pixels: the form shows through them.
    EXPECT_EQ(picture.Pixel(at.x(), at.y()) | 0xFF000000u, cache.Pixel(0, 0) | 0xFF000000u);
    EXPECT_EQ(picture.Pixel(at.x() + cache.Width() - 1, at.y() + cache.Height() - 1) | 0xFF000000u,
              cache.Pixel(cache.Width() - 1, cache.Height() - 1) | 0xFF000000u);
}

TEST_F(SkinnedButtonTest, AnOrdinaryRepaintCopiesTheCacheWithoutRenderingIt) {
    ShowMainWindow();
    TsButton* about = form1->sButton2;
    CacheOf(about);
    about->SkinData()->FCacheBmp->Pixel(5, 5) = 0xFF123456u;  // a mark that a new render would wipe
    about->repaint();
    form1->repaint();
    EXPECT_EQ(0xFF123456u, about->SkinData()->FCacheBmp->Pixel(5, 5));
}

TEST_F(SkinnedButtonTest, SwitchingSkinsRepaintsTheButtonsAndBackGivesTheSamePixels) {
    ShowMainWindow();
    const TBitmap32 aluminium = CacheOf(form1->sButton2);
    form1->sSkinManager1->SetSkinName(QStringLiteral("Topaz (internal)"));
    ASSERT_TRUE(form1->sButton2->Skinned());
    const TBitmap32 topaz = CacheOf(form1->sButton2);
    EXPECT_FALSE(aluminium == topaz);
    form1->sSkinManager1->SetSkinName(QStringLiteral("Aluminium (internal)"));
    EXPECT_TRUE(aluminium == CacheOf(form1->sButton2));
}

TEST_F(SkinnedButtonTest, RemovedSkinGivesThePlatformButtonAndReturningItTheSamePixels) {
    ShowMainWindow();
    const TBitmap32 before = CacheOf(form1->sButton2);
    form1->sSkinManager1->SetActive(false);
    EXPECT_FALSE(form1->sButton2->Skinned());
    EXPECT_TRUE(form1->sButton2->SkinData()->FCacheBmp->Empty());
    form1->sSkinManager1->SetActive(true);
    ASSERT_TRUE(form1->sButton2->Skinned());
    EXPECT_TRUE(before == CacheOf(form1->sButton2));
}

}  // namespace
}  // namespace tornivex::testing
