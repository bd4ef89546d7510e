#include "PaintTestSupport.h"
#include "SkinFixture.h"

#include "skin/paint/Texture.h"

namespace tornivex::paint {
namespace {
using test::Traced;

constexpr TPixel32 Back = 0xFF101010u;

class TextureTest : public ::testing::Test {
protected:
    test::SkinFixture fx;
    const TsMaskData& Tile2x2(int mode, bool masked = false, TPixel32 mask = 0xFF000000u) {
        return fx.Row(fx.AddTracedRow(1, 2, 2, masked, mode, 0, 0, 0, 0, mask));
    }
    TRect Paint(TBitmap32& bmp, const TsMaskData& tex, int mode, TRect rect,
                const BackgroundSource& source = {}) {
        PaintTexture(bmp, rect, tex, mode, source);
        return rect;
    }
};

TEST_F(TextureTest, Mode0TilesFromTheTopLeftWithPartialBlocksAtTheEdges) {
    TBitmap32 bmp(6, 4, Back);
    EXPECT_EQ(Paint(bmp, Tile2x2(0), 0, TRect{1, 1, 6, 4}), NothingUncovered);
    EXPECT_PIXEL(bmp, 0, 0, Back);
    EXPECT_PIXEL(bmp, 1, 1, Traced(0, 0, 0));
    EXPECT_PIXEL(bmp, 4, 2, Traced(0, 1, 1));
    EXPECT_PIXEL(bmp, 5, 3, Traced(0, 0, 0));  // partial block in the corner
}

TEST_F(TextureTest, EdgeModesTileOneBandAndHandBackTheRest) {
    TBitmap32 bmp(5, 5, Back);
    EXPECT_EQ(Paint(bmp, Tile2x2(2), 2, TRect{0, 0, 5, 5}), (TRect{0, 2, 5, 5}));
    EXPECT_PIXEL(bmp, 4, 1, Traced(0, 0, 1));
    EXPECT_PIXEL(bmp, 0, 2, Back);
    bmp.Fill(Back);
    EXPECT_EQ(Paint(bmp, Tile2x2(6), 6, TRect{0, 0, 5, 5}), (TRect{0, 0, 5, 3}));
    EXPECT_PIXEL(bmp, 0, 3, Traced(0, 0, 0));
    EXPECT_PIXEL(bmp, 0, 2, Back);
    bmp.Fill(Back);
    EXPECT_EQ(Paint(bmp, Tile2x2(7), 7, TRect{0, 0, 5, 5}), (TRect{0, 0, 3, 5}));
    EXPECT_PIXEL(bmp, 3, 4, Traced(0, 0, 0));
    bmp.Fill(Back);
    EXPECT_EQ(Paint(bmp, Tile2x2(3), 3, TRect{0, 0, 2, 5}), NothingUncovered);  // column fills it
}

TEST_F(TextureTest, StretchModesCoverTheirBand) {
    TBitmap32 bmp(4, 3, Back);
    EXPECT_EQ(Paint(bmp, Tile2x2(4), 4, TRect{0, 0, 4, 3}), (TRect{0, 2, 4, 3}));
    EXPECT_PIXEL(bmp, 1, 0, Traced(0, 0, 0));
    EXPECT_PIXEL(bmp, 2, 1, Traced(0, 1, 1));
    bmp.Fill(Back);
    EXPECT_EQ(Paint(bmp, Tile2x2(11), 11, TRect{0, 0, 4, 3}), NothingUncovered);
    EXPECT_PIXEL(bmp, 3, 2, Traced(0, 1, 0));  // the second row of blocks, cut to one row
}

TEST_F(TextureTest, Mode10TilesWholeRowsOnly) {
    TBitmap32 bmp(3, 5, Back);
    EXPECT_EQ(Paint(bmp, Tile2x2(10), 10, TRect{0, 0, 3, 5}), NothingUncovered);
    EXPECT_PIXEL(bmp, 2, 3, Traced(0, 0, 1));
    EXPECT_PIXEL(bmp, 0, 4, Back);
}

TEST_F(TextureTest, UnknownModesDrawNothingAndLeaveEverything) {
    TBitmap32 bmp(3, 3, Back);
    EXPECT_EQ(Paint(bmp, Tile2x2(9), 9, TRect{0, 0, 3, 3}), (TRect{0, 0, 3, 3}));
    EXPECT_PIXEL(bmp, 0, 0, Back);
}

TEST_F(TextureTest, MaskedMode10FillsTheStripsFromTheBackground) {
    TBitmap32 bmp(5, 5, Back);
    const TBitmap32 parent(10, 10, 0xFF00AA00u);
    const TsMaskData& tex = Tile2x2(10, true, 0xFF808080u);
    EXPECT_EQ(Paint(bmp, tex, 10, TRect{0, 0, 5, 5}, BackgroundSourceFromBitmap(&parent, TPoint{1, 1})),
              NothingUncovered);
    // Whole tiles while x < 5 - 2 and y < 5 - 2: two by two of them.
    EXPECT_PIXEL(bmp, 0, 0, 0xFF080808u);  // (0 * 256 + 16 * 128) / 256 through mask 128
    EXPECT_PIXEL(bmp, 4, 0, 0xFF00AA00u);  // right strip from the parent
    EXPECT_PIXEL(bmp, 0, 4, 0xFF00AA00u);  // bottom strip
    bmp.Fill(Back);
    Paint(bmp, tex, 10, TRect{0, 0, 5, 5}, BackgroundSourceFromColor(0x0000FF));
    EXPECT_PIXEL(bmp, 4, 4, 0xFFFF0000u);
}

TEST_F(TextureTest, MaskedMode0AddsACutColumnAndLeavesTheBottomStrip) {
    TBitmap32 bmp(5, 5, Back);
    const TsMaskData& tex = Tile2x2(0, true);
    EXPECT_EQ(Paint(bmp, tex, 0, TRect{0, 0, 5, 5}), (TRect{0, 4, 5, 5}));
    EXPECT_PIXEL(bmp, 4, 1, Traced(0, 0, 1));
    EXPECT_PIXEL(bmp, 2, 4, Back);
    bmp.Fill(Back);
    EXPECT_EQ(Paint(bmp, tex, 3, TRect{0, 0, 5, 5}), (TRect{0, 0, 5, 5}));  // other modes: nothing
    EXPECT_PIXEL(bmp, 0, 0, Back);
}

}  // namespace
}  // namespace tornivex::paint
