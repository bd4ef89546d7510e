#include "PaintTestSupport.h"

#include "skin/paint/BitmapPrimitives.h"
#include "skin/paint/PixelColor.h"

namespace tornivex::paint {
namespace {
using test::BitmapOf;

TEST(PixelColor, ColourSwapsRedAndBlueIntoThePixel) {
    EXPECT_EQ(ColorToPixel(0x00336699), 0xFF996633u);
    EXPECT_EQ(ColorToPixel(clFuchsia, 0), KeyPixel32);
    EXPECT_EQ(PixelToColor(0x12996633u), 0x00336699);
}

TEST(BlendBitmapOver, AppliesTheIntegerFormulaToAllFourChannels) {
    TBitmap32 dst = BitmapOf({{0xC8C80000u, 0x00000000u, 0x0000C8C8u}});
    const TBitmap32 src = BitmapOf({{0x0000C8C8u, 0x64646464u, 0x64646464u}});
    // (s * 256 + (d - s) * t) div 256 with t = 128.
    BlendBitmapOver(dst, src, 128, TPoint{0, 0});
    EXPECT_PIXEL(dst, 0, 0, 0x64646464u);  // 200 vs 0 meet half way, both directions
    EXPECT_PIXEL(dst, 1, 0, 0x32323232u);  // (25600 - 12800) / 256 = 50
    EXPECT_PIXEL(dst, 2, 0, 0x32329696u);  // 150 and 50
}

TEST(BlendBitmapOver, ZeroPutsTheSourceOverAnd255NearlyKeepsTheTarget) {
    TBitmap32 dst = BitmapOf({{0xFFC80000u, 0xFFC80000u}});
    BlendBitmapOver(dst, BitmapOf({{0xFF0000FFu}}), 0, TPoint{0, 0});
    BlendBitmapOver(dst, BitmapOf({{0xFF0000FFu}}), 255, TPoint{1, 0});
    EXPECT_PIXEL(dst, 0, 0, 0xFF0000FFu);
    EXPECT_PIXEL(dst, 1, 0, 0xFFC70000u);  // 200 * 255 / 256 = 199, 255 -> 0 + 0
}

TEST(BlendBitmapOver, ClipsToTheTargetOnEverySide) {
    TBitmap32 dst(2, 2, 0xFF000000u);
    const TBitmap32 src(3, 3, 0xFF102030u);
    BlendBitmapOver(dst, src, 0, TPoint{-2, 1});
    EXPECT_PIXEL(dst, 0, 0, 0xFF000000u);
    EXPECT_PIXEL(dst, 0, 1, 0xFF102030u);
    EXPECT_PIXEL(dst, 1, 1, 0xFF000000u);
    BlendBitmapOver(dst, src, 0, TPoint{5, 5});  // entirely outside: nothing, no crash
    TBitmap32 empty;
    BlendBitmapOver(empty, src, 0, TPoint{0, 0});
}

TEST(BlendColorOver, RoundsHalvesToEvenAndLeavesAlpha) {
    TBitmap32 bmp = BitmapOf({{0x7F010305u, 0x00C8C8C8u}});
    BlendColorOver(bmp, TRect{0, 0, 1, 1}, 50, clBlack);  // 0.5 -> 0, 1.5 -> 2, 2.5 -> 2
    EXPECT_PIXEL(bmp, 0, 0, 0x7F000202u);
    BlendColorOver(bmp, TRect{1, 0, 2, 1}, 30, MakeColor(100, 10, 255));
    // 200 * .3 + c * .7: red 130, green 67, blue 238.5 -> 238
    EXPECT_PIXEL(bmp, 1, 0, 0x008243EEu);
}

TEST(FillPixels32, FillsOnlyTheClippedRectangleWithTheGivenAlpha) {
    TBitmap32 bmp(3, 2, 0);
    FillPixels32(bmp, TRect{2, 1, 9, 9}, 0x00336699, 0xAA);
    EXPECT_PIXEL(bmp, 2, 1, 0xAA996633u);
    EXPECT_PIXEL(bmp, 1, 1, 0u);
    EXPECT_PIXEL(bmp, 2, 0, 0u);
    FillPixels32(bmp, TRect{-5, -5, -1, -1}, clWhite);  // outside: nothing
    FillPixels32(bmp, TRect{2, 2, 1, 1}, clWhite);      // inverted: nothing
    EXPECT_PIXEL(bmp, 0, 0, 0u);
}

TEST(BlendColors, TruncatesPerChannelAndKeepsTheTopByteOfTheFirst) {
    EXPECT_EQ(BlendColors(static_cast<TColor>(0x01FF0000), 0x000000FF, 0.5), 0x017F007F);
    EXPECT_EQ(BlendColors(MakeColor(10, 20, 30), MakeColor(11, 21, 31), 0.9), MakeColor(10, 20, 30));
    EXPECT_EQ(BlendColors(clWhite, clBlack, 1.0), clWhite);
}

TEST(CopyAndStretch, CopyClipsAndStretchRepeatsOrDropsWithoutAveraging) {
    const TBitmap32 src = BitmapOf({{1, 2}, {3, 4}});
    TBitmap32 dst(3, 3, 0);
    CopyRect(dst, TPoint{-1, 1}, src, TRect{0, 0, 2, 2});
    EXPECT_PIXEL(dst, 0, 1, 2u);
    EXPECT_PIXEL(dst, 0, 2, 4u);
    EXPECT_PIXEL(dst, 1, 1, 0u);

    TBitmap32 wide(4, 1, 0);
    StretchRect(wide, TRect{0, 0, 4, 1}, src, TRect{0, 0, 2, 1});
    EXPECT_TRUE(test::SameBitmap(wide, BitmapOf({{1, 1, 2, 2}})));
    TBitmap32 narrow(1, 1, 0);
    StretchRect(narrow, TRect{0, 0, 1, 1}, src, TRect{0, 0, 2, 2});
    EXPECT_PIXEL(narrow, 0, 0, 1u);
}

// A source rectangle reaching past the image (a skin's rectangle may): target pixels that map
// outside the image keep what they had, whether a column, a row or a same-width row copy.
TEST(CopyAndStretch, StretchLeavesPixelsMappedOutsideTheSourceAlone) {
    const TBitmap32 src = BitmapOf({{11, 12, 13}, {21, 22, 23}, {31, 32, 33}});
    constexpr TPixel32 untouched = 0xA5A5A5A5u;
    TBitmap32 columns(5, 1, untouched);  // columns -1..3 of row 1
    StretchRect(columns, TRect{0, 0, 5, 1}, src, TRect{-1, 1, 4, 3});
    EXPECT_TRUE(test::SameBitmap(columns, BitmapOf({{untouched, 21, 22, 23, untouched}})));
    TBitmap32 rows(1, 5, untouched);  // rows -1..3 of column 1
    StretchRect(rows, TRect{0, 0, 1, 5}, src, TRect{1, -1, 2, 4});
    EXPECT_TRUE(test::SameBitmap(rows, BitmapOf({{untouched}, {12}, {22}, {32}, {untouched}})));
    TBitmap32 sameWidth(4, 1, untouched);  // same width: the row copy must not run past the row
    StretchRect(sameWidth, TRect{0, 0, 4, 1}, src, TRect{1, 1, 5, 2});
    EXPECT_TRUE(test::SameBitmap(sameWidth, BitmapOf({{22, 23, untouched, untouched}})));
}

TEST(CopyAndStretch, SmoothShrinkAveragesTheCoveredArea) {
    const TBitmap32 src = BitmapOf({{0xFF000000u, 0xFF0000C8u, 0xFF000064u, 0xFF000064u}});
    TBitmap32 dst(2, 1, 0);
    SmoothStretchRect(dst, TRect{0, 0, 2, 1}, src, TRect{0, 0, 4, 1});
    EXPECT_PIXEL(dst, 0, 0, 0xFF000064u);
    EXPECT_PIXEL(dst, 1, 0, 0xFF000064u);
}

TEST(DivRoundHalfEven, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(DivRoundHalfEven(50, 100), 0);
    EXPECT_EQ(DivRoundHalfEven(150, 100), 2);
    EXPECT_EQ(DivRoundHalfEven(250, 100), 2);
    EXPECT_EQ(DivRoundHalfEven(251, 100), 3);
    EXPECT_EQ(DivRoundHalfEven(-150, 100), -2);
}

}  // namespace
}  // namespace tornivex::paint
