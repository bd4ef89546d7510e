#include "PaintTestSupport.h"

#include "skin/paint/Gradient.h"
#include "skin/paint/PixelColor.h"

namespace tornivex::paint {
namespace {

TsGradPie Pie(TColor c1, TColor c2, int percent, int mode = 0) {
    return TsGradPie{c1, c2, percent, mode, 0};
}

TEST(PaintGradient, VerticalSegmentsWithPercentagesBelowHundredStillReachTheBottomRow) {
    TBitmap32 bmp(2, 100, 0);
    // 51 / 46 / 0: the last segment runs from the previous end (row 97) to the last row.
    const TsGradArray g{Pie(MakeColor(0, 0, 0), MakeColor(0, 0, 255), 51),
                        Pie(MakeColor(0, 46, 0), MakeColor(0, 0, 0), 46),
                        Pie(MakeColor(7, 7, 7), MakeColor(7, 7, 7), 0)};
    PaintGradient(bmp, TRect{0, 0, 2, 100}, g);
    EXPECT_PIXEL(bmp, 0, 0, ColorToPixel(MakeColor(0, 0, 0)));
    EXPECT_PIXEL(bmp, 1, 50, ColorToPixel(MakeColor(0, 0, 250)));  // 51 steps of 5
    EXPECT_PIXEL(bmp, 0, 51, ColorToPixel(MakeColor(0, 46, 0)));   // boundary row: later segment wins
    EXPECT_PIXEL(bmp, 0, 96, ColorToPixel(MakeColor(0, 1, 0)));
    EXPECT_PIXEL(bmp, 0, 97, ColorToPixel(MakeColor(7, 7, 7)));
    EXPECT_PIXEL(bmp, 1, 99, ColorToPixel(MakeColor(7, 7, 7)));
}

TEST(PaintGradient, VerticalStepsTruncateTheLinearRamp) {
    TBitmap32 bmp(1, 5, 0);
    PaintGradient(bmp, TRect{0, 0, 1, 5}, {Pie(MakeColor(0, 0, 0), MakeColor(10, 200, 255), 100)});
    // n = 4 steps: 2.5 -> 2, 50, 63.75 -> 63 ...
    EXPECT_PIXEL(bmp, 0, 0, 0xFF000000u);
    EXPECT_PIXEL(bmp, 0, 1, ColorToPixel(MakeColor(2, 50, 63)));
    EXPECT_PIXEL(bmp, 0, 2, ColorToPixel(MakeColor(5, 100, 127)));
    EXPECT_PIXEL(bmp, 0, 4, ColorToPixel(MakeColor(10, 200, 255)));
}

TEST(PaintGradient, HorizontalComputesTheTopRowAndCopiesIt) {
    TBitmap32 bmp(11, 3, 0);
    const TsGradArray g{Pie(MakeColor(0, 0, 0), MakeColor(100, 0, 0), 50, 1),
                        Pie(MakeColor(0, 100, 0), MakeColor(0, 0, 100), 10, 1)};
    PaintGradient(bmp, TRect{0, 0, 11, 3}, g);
    // First segment ends at trunc(50 * 11 / 100) = 5; the last one ends on column 10.
    EXPECT_PIXEL(bmp, 0, 0, 0xFF000000u);
    EXPECT_PIXEL(bmp, 4, 0, ColorToPixel(MakeColor(80, 0, 0)));
    EXPECT_PIXEL(bmp, 5, 2, ColorToPixel(MakeColor(0, 100, 0)));
    EXPECT_PIXEL(bmp, 10, 1, ColorToPixel(MakeColor(0, 0, 100)));
    for (int x = 0; x < 11; ++x) EXPECT_EQ(bmp.Pixel(x, 0), bmp.Pixel(x, 2));
}

TEST(PaintGradient, FourTrianglesMeetAtTheCentre) {
    TBitmap32 bmp(21, 21, 0);
    const TsGradArray g{Pie(MakeColor(0, 0, 0), 0, 0, 2), Pie(MakeColor(200, 200, 200), 0, 0),
                        Pie(MakeColor(0, 0, 0), 0, 0)};
    PaintGradient(bmp, TRect{0, 0, 21, 21}, g);
    // Vertices: corners black (missing segments repeat the previous vertex), centre light.
    EXPECT_LT(PixelR(bmp.Pixel(0, 0)), 20);
    EXPECT_LT(PixelR(bmp.Pixel(20, 20)), 20);
    EXPECT_GT(PixelR(bmp.Pixel(10, 10)), 180);
    EXPECT_GT(PixelR(bmp.Pixel(10, 5)), PixelR(bmp.Pixel(10, 1)));
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x) ASSERT_EQ(PixelA(bmp.Pixel(x, y)), 255) << x << "," << y;
}

TEST(PaintGradient, ClipsToTheBitmapAndIgnoresEmptyInput) {
    TBitmap32 bmp(2, 2, 0x12345678u);
    PaintGradient(bmp, TRect{0, 0, 2, 2}, {});
    PaintGradient(bmp, TRect{1, 1, 1, 1}, {Pie(clWhite, clWhite, 100)});
    EXPECT_PIXEL(bmp, 1, 1, 0x12345678u);
    PaintGradient(bmp, TRect{1, -5, 50, 50}, {Pie(clWhite, clWhite, 100)});
    EXPECT_PIXEL(bmp, 1, 0, 0xFFFFFFFFu);
    EXPECT_PIXEL(bmp, 1, 1, 0xFFFFFFFFu);
    EXPECT_PIXEL(bmp, 0, 1, 0x12345678u);
}

}  // namespace
}  // namespace tornivex::paint
