#include "PaintTestSupport.h"

#include "platform/text/DrawText.h"
#include "skin/paint/Decorations.h"
#include "skin/paint/PixelColor.h"
#include "skin/paint/TextGlow.h"

#include <QFont>
#include <QImage>

#include <vector>

namespace tornivex::paint {
namespace {
using test::BitmapOf;

TEST(DrawElementFocusRect, AlternatesTheTwoColoursAlongEveryEdge) {
    TBitmap32 bmp(6, 5, 0);
    DrawElementFocusRect(bmp, TRect{0, 0, 6, 5}, MakeColor(255, 0, 0), MakeColor(0, 0, 255));
    const TPixel32 F = 0xFFFF0000u, S = 0xFF0000FFu;
    // Top and bottom rows: second colour at even offsets from 2, first colour just left of them.
    for (const int y : {0, 4}) {
        EXPECT_PIXEL(bmp, 1, y, F);
        EXPECT_PIXEL(bmp, 2, y, S);
        EXPECT_PIXEL(bmp, 3, y, F);
        EXPECT_PIXEL(bmp, 4, y, S);
    }
    EXPECT_PIXEL(bmp, 5, 0, F);
    EXPECT_PIXEL(bmp, 5, 4, S);  // corner: the column pass comes last
    // Left and right (moved in: x = 5) columns.
    for (const int x : {0, 5}) {
        EXPECT_PIXEL(bmp, x, 1, F);
        EXPECT_PIXEL(bmp, x, 2, S);
        EXPECT_PIXEL(bmp, x, 3, F);
    }
    EXPECT_PIXEL(bmp, 2, 2, 0u);  // the inside is untouched
}

TEST(DrawElementFocusRect, NoColourLeavesItsPixelsAndNothingLeavesTheRectangle) {
    TBitmap32 bmp(8, 8, 0x11111111u);
    DrawElementFocusRect(bmp, TRect{1, 1, 5, 5}, clNoColor2, clBlack);
    EXPECT_PIXEL(bmp, 2, 1, 0x11111111u);  // first colour skipped
    EXPECT_PIXEL(bmp, 3, 1, 0xFF000000u);
    for (int i = 0; i < 8; ++i) {
        EXPECT_PIXEL(bmp, 5, i, 0x11111111u);
        EXPECT_PIXEL(bmp, i, 5, 0x11111111u);
    }
}

TEST(ApplyDisabledLook, BlendedOverAPlainColourKeepsFortyPercent) {
    TBitmap32 bmp = BitmapOf({{0xFF646464u, 0xFF000000u}});
    ApplyDisabledLook(bmp, dkBlended, clBlack, TPoint{0, 0}, BackgroundSourceFromColor(clWhite));
    EXPECT_PIXEL(bmp, 0, 0, 0xFFC1C1C1u);  // 100 * .4 + 255 * .6 = 193
    EXPECT_PIXEL(bmp, 1, 0, 0xFF999999u);  // 153
    TBitmap32 keyed = BitmapOf({{0xFF000000u}});
    ApplyDisabledLook(keyed, dkBlended, MakeColor(10, 10, 10), TPoint{0, 0},
                      BackgroundSourceFromColor(clFuchsia));  // key colour: the parent's colour
    EXPECT_PIXEL(keyed, 0, 0, 0xFF060606u);
}

TEST(ApplyDisabledLook, BlendedOverABitmapReadsItAtTheControlsPositionAndSkipsKeyPixels) {
    const TBitmap32 parent = BitmapOf({{0, 0, 0}, {0, 0xFFC8C8C8u, KeyPixel32}});
    TBitmap32 bmp = BitmapOf({{0xFF0A0A0Au, 0xFF0A0A0Au}});
    ApplyDisabledLook(bmp, dkBlended, clBlack, TPoint{1, 1},
                      BackgroundSourceFromBitmap(&parent, TPoint{0, 0}));
    EXPECT_PIXEL(bmp, 0, 0, 0xFF7C7C7Cu);  // trunc(200 - 190 * .4) = 124
    EXPECT_PIXEL(bmp, 1, 0, 0xFF0A0A0Au);
}

TEST(ApplyDisabledLook, GrayedDesaturatesButSkipsKeyPixels) {
    TBitmap32 bmp = BitmapOf({{0xFFFF0000u, KeyPixel32}});
    ApplyDisabledLook(bmp, dkGrayed, clBlack, TPoint{}, EmptyBackgroundSource());
    const TPixel32 p = bmp.Pixel(0, 0);
    EXPECT_LT(PixelR(p) - PixelG(p), 30);
    EXPECT_EQ(PixelG(p), PixelB(p));
    EXPECT_PIXEL(bmp, 1, 0, KeyPixel32);
}

TEST(TextGlow, KernelHalfWidthFollowsTheRoundedGaussian) {
    EXPECT_EQ(GlowBlurHalfWidth(1), 1);
    EXPECT_EQ(GlowBlurHalfWidth(2), 1);   // three taps of 1/3
    EXPECT_EQ(GlowBlurHalfWidth(4), 3);   // weights 1 for |j| <= 4, the outermost one trimmed
    EXPECT_EQ(GlowBlurHalfWidth(10), 10);
    EXPECT_EQ(GlowBlurHalfWidth(40), 15);
}

TEST(TextGlow, BoxBlurRunsRowsThenColumnsRepeatingEdgePixels) {
    std::vector<std::uint8_t> g{255, 255, 0, 255, 255};
    BoxBlurGrey(g.data(), 5, 1, 1);
    EXPECT_EQ(g, (std::vector<std::uint8_t>{255, 170, 170, 170, 255}));
    std::vector<std::uint8_t> square{0, 255, 255, 255};  // 2 x 2
    BoxBlurGrey(square.data(), 2, 2, 1);
    // Rows: (0,0,255)/3 = 85, (0,255,255)/3 = 170; 255, 255. Columns: (85,85,255)/3 = 141, ...
    EXPECT_EQ(square, (std::vector<std::uint8_t>{141, 198, 198, 226}));
}

TEST(TextGlow, TintMixesTheGlowColourByTheGreyValue) {
    TBitmap32 bmp = BitmapOf({{0x80000000u, 0x00FFFFFFu, 0xFF123456u}});
    const std::uint8_t grey[3] = {0, 128, 255};
    TintByGrey(bmp, grey, TRect{0, 0, 3, 1}, MakeColor(255, 0, 0));
    EXPECT_PIXEL(bmp, 0, 0, 0xFEFE0000u);  // alpha 127 * 255 / 256 + 128 = 254
    EXPECT_PIXEL(bmp, 1, 0, 0x7EFE7F7Fu);  // red (127 * 255 + 255 * 128) div 256 = 254, alpha 126
    EXPECT_PIXEL(bmp, 2, 0, 0xFF123456u);  // 255 leaves the pixel alone
}

// Ink extent of a text drawn by the platform on white.
TRect InkBounds(const QImage& img) {
    TRect r{img.width(), img.height(), -1, -1};
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 255) {
                r.Left = std::min(r.Left, x); r.Top = std::min(r.Top, y);
                r.Right = std::max(r.Right, x + 1); r.Bottom = std::max(r.Bottom, y + 1);
            }
    return r;
}

TEST(TextGlow, SizeTwoHaloIsTheInkWidenedByTwoAndMovedOneRightAndDown) {
    QFont font(QStringLiteral("Sans"));
    font.setPixelSize(14);
    const TRect rect{10, 10, 70, 30};
    const QString text = QStringLiteral("Tx");
    QImage ink(80, 40, QImage::Format_RGB32);
    ink.fill(Qt::white);
    QRect place(rect.Left, rect.Top, rect.Width(), rect.Height());
    platform::DrawFormattedText(ink, font, Qt::black, text, place, platform::tfSingleLine);
    const TRect inked = InkBounds(ink);
    ASSERT_LT(inked.Left, inked.Right);

    TBitmap32 bmp(80, 40, 0xFFFFFFFFu);
    DrawTextGlow(bmp, text, rect, clBlack, 2, platform::tfSingleLine, font);
    TRect tinted{80, 40, -1, -1};
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 80; ++x)
            if (bmp.Pixel(x, y) != 0xFFFFFFFFu) {
                tinted.Left = std::min(tinted.Left, x); tinted.Top = std::min(tinted.Top, y);
                tinted.Right = std::max(tinted.Right, x + 1); tinted.Bottom = std::max(tinted.Bottom, y + 1);
            }
    // One pixel for the four shifted copies and one for the three-tap blur on every side.
    EXPECT_EQ(tinted, (TRect{inked.Left - 1, inked.Top - 1, inked.Right + 3, inked.Bottom + 3}));
}

}  // namespace
}  // namespace tornivex::paint
