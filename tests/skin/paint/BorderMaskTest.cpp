#include "PaintTestSupport.h"
#include "SkinFixture.h"

#include "skin/paint/BorderMask.h"
#include "skin/paint/ElementPaint.h"
#include "skin/paint/PixelColor.h"

namespace tornivex::paint {
namespace {
using test::Traced;

constexpr TPixel32 Back = 0xFF101010u;

class BorderMaskTest : public ::testing::Test {
protected:
    test::SkinFixture fx;
    TBitmap32 target{6, 6, Back};
};

TEST_F(BorderMaskTest, MarginsShrinkEvenlyWhenTheRectangleIsTooSmall) {
    const int row = fx.AddTracedRow(1, 20, 4, false, 0, 8, 1, 9, 1);
    const TBorderMargins m = FitBorderMargins(fx.Row(row), 10, 4);
    EXPECT_EQ(m.Left, 5);   // excess 7: left loses 7 div 2 = 3
    EXPECT_EQ(m.Right, 5);  // right loses the other 4
    EXPECT_EQ(m.Top, 1);
    EXPECT_EQ(FitBorderMargins(fx.Row(row), 1, 4).Left, 0);  // never below 0
}

TEST_F(BorderMaskTest, ShrunkMarginsCutTheCornersFromTheFrameEdges) {
    const int row = fx.AddTracedRow(1, 20, 4, false, 0, 8, 1, 9, 1);
    TBitmap32 bmp(10, 4, Back);
    DrawBorderMask(bmp, TRect{0, 0, 10, 4}, EmptyBackgroundSource(), false, 0, fx.Row(row));
    for (int x = 0; x < 5; ++x) EXPECT_PIXEL(bmp, x, 0, Traced(0, x, 0));        // left corner, 5 wide
    for (int x = 5; x < 10; ++x) EXPECT_PIXEL(bmp, x, 3, Traced(0, x + 10, 3));  // right corner from 15
    EXPECT_PIXEL(bmp, 0, 2, Traced(0, 0, 2));                                     // left side
    EXPECT_PIXEL(bmp, 9, 1, Traced(0, 19, 1));                                    // right side
}

TEST_F(BorderMaskTest, StateSelectsTheFrameAndHigherStatesUseTheLast) {
    const int row = fx.AddTracedRow(3, 6, 6, true, 0, 2, 2, 2, 2);
    for (int state = 0; state < 4; ++state) {
        DrawBorderMask(target, TRect{0, 0, 6, 6}, EmptyBackgroundSource(), false, state, fx.Row(row));
        const int frame = std::min(state, 2);
        EXPECT_PIXEL(target, 0, 0, Traced(frame, 0, 0));
        EXPECT_PIXEL(target, 5, 5, Traced(frame, 5, 5));
        EXPECT_PIXEL(target, 3, 0, Traced(frame, 3, 0));
    }
}

TEST_F(BorderMaskTest, SidesTileWithAShortenedLastPieceAndTheCentreNeedsBit4) {
    const int row = fx.AddTracedRow(1, 6, 6, true, 0, 2, 2, 2, 2);
    TBitmap32 bmp(11, 6, Back);
    DrawBorderMask(bmp, TRect{0, 0, 11, 6}, EmptyBackgroundSource(), false, 0, fx.Row(row));
    // Top side: target 2..8 from source columns 2, 3, 2, 3, 2, 3, 2.
    for (int x = 2; x < 9; ++x) EXPECT_PIXEL(bmp, x, 1, Traced(0, 2 + (x - 2) % 2, 1));
    EXPECT_PIXEL(bmp, 5, 3, Back);
    fx.Row(row).DrawMode = bmDrawCentre;
    DrawBorderMask(bmp, TRect{0, 0, 11, 6}, EmptyBackgroundSource(), false, 0, fx.Row(row));
    EXPECT_PIXEL(bmp, 5, 3, Traced(0, 3, 3));
}

TEST_F(BorderMaskTest, StretchBitDrawsEachSideAsOnePiece) {
    const int row = fx.AddTracedRow(1, 6, 6, false, bmStretch, 2, 2, 2, 2);
    TBitmap32 bmp(10, 6, Back);
    DrawBorderMask(bmp, TRect{0, 0, 10, 6}, EmptyBackgroundSource(), false, 0, fx.Row(row));
    // Middle 2 source columns stretched over 6: 2, 2, 2, 3, 3, 3.
    for (int x = 2; x < 5; ++x) EXPECT_PIXEL(bmp, x, 0, Traced(0, 2, 0));
    for (int x = 5; x < 8; ++x) EXPECT_PIXEL(bmp, x, 0, Traced(0, 3, 0));
}

TEST_F(BorderMaskTest, Bit2DrawsNothingInTheNormalStateAndTinyRectanglesNothingAtAll) {
    const int row = fx.AddTracedRow(2, 6, 6, true, bmNotInNormal, 2, 2, 2, 2);
    DrawBorderMask(target, TRect{0, 0, 6, 6}, EmptyBackgroundSource(), false, 0, fx.Row(row));
    EXPECT_PIXEL(target, 0, 0, Back);
    DrawBorderMask(target, TRect{0, 0, 1, 6}, EmptyBackgroundSource(), false, 1, fx.Row(row));
    EXPECT_PIXEL(target, 0, 0, Back);
    fx.Row(row).Manager = nullptr;  // a mask without a manager is never drawn
    DrawBorderMask(target, TRect{0, 0, 6, 6}, EmptyBackgroundSource(), false, 1, fx.Row(row));
    EXPECT_PIXEL(target, 0, 0, Back);
}

TEST_F(BorderMaskTest, KeyPixelInACornerShowsTheParentOnlyInCornerModeWithCornerType) {
    const int row = fx.AddTracedRow(1, 6, 6, true, 0, 2, 2, 2, 2);
    fx.Row(row).Bmp->Pixel(0, 0) = KeyPixel32;   // corner
    fx.Row(row).Bmp->Pixel(3, 0) = KeyPixel32;   // top side
    const TBitmap32 parent(20, 20, 0xFF445566u);
    const BackgroundSource source = BackgroundSourceFromBitmap(&parent, TPoint{3, 4});

    fx.Row(row).CornerType = 0;
    DrawBorderMask(target, TRect{0, 0, 6, 6}, source, true, 0, fx.Row(row));
    EXPECT_PIXEL(target, 0, 0, 0xFFFF00FFu);  // no corner type: blended like any pixel

    target.Fill(Back);
    fx.Row(row).CornerType = 1;
    DrawBorderMask(target, TRect{0, 0, 6, 6}, source, false, 0, fx.Row(row));
    EXPECT_PIXEL(target, 0, 0, 0xFFFF00FFu);  // no corner-fill flag
    DrawBorderMask(target, TRect{0, 0, 6, 6}, source, true, 0, fx.Row(row));
    EXPECT_PIXEL(target, 0, 0, 0xFF445566u);  // the parent's pixel
    EXPECT_PIXEL(target, 3, 0, Back);         // a side leaves the background beneath
}

TEST_F(BorderMaskTest, RedrawBorderCornersRecomposesOnlyTheChosenCorners) {
    const int row = fx.AddTracedRow(1, 6, 6, false, 0, 2, 2, 2, 2);
    fx.Row(row).Bmp->Pixel(0, 0) = KeyPixel32;
    fx.Row(row).Bmp->Pixel(5, 5) = KeyPixel32;
    const TBitmap32 parent(6, 6, 0xFF0000AAu);
    RedrawBorderCorners(target, TRect{0, 0, 6, 6}, BackgroundSourceFromBitmap(&parent, TPoint{}), 0,
                        fx.Row(row), crTopLeft);
    EXPECT_PIXEL(target, 0, 0, 0xFF0000AAu);
    EXPECT_PIXEL(target, 1, 1, Traced(0, 1, 1));
    EXPECT_PIXEL(target, 5, 5, Back);  // bottom-right not asked for
    EXPECT_PIXEL(target, 3, 0, Back);  // sides untouched
}

}  // namespace
}  // namespace tornivex::paint
