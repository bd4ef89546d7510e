#include "PaintTestSupport.h"

#include "skin/paint/CornerImage.h"
#include "skin/paint/PixelColor.h"

#include <memory>

namespace tornivex::paint {
namespace {
using test::BitmapOf;

constexpr TPixel32 K = KeyPixel32;
constexpr TPixel32 Back = 0x80C8C8C8u;  // alpha 128 to see the alpha rule

// Two frames of 2 x 1 over their mask row.
TsMaskData MaskedGlyph(std::shared_ptr<TBitmap32> bmp) {
    TsMaskData md;
    md.Bmp = std::move(bmp);
    md.R = TRect{0, 0, 4, 2};
    md.ImageCount = 2;
    md.MaskType = 1;
    return md;
}

TEST(DrawCornerImage, MaskedImageAtFullStrengthComposesAndRaisesAlpha) {
    const TsMaskData glyph = MaskedGlyph(std::make_shared<TBitmap32>(BitmapOf(
        {{0xFF646464u, K, 0xFF000000u, 0xFF0A0A0Au}, {0xFF000000u, 0xFF000000u, 0xFF808080u, 0xFFFFFFFFu}})));
    TBitmap32 target(2, 1, Back);
    DrawCornerImage(target, TPoint{0, 0}, 0, EmptyBackgroundSource(), glyph, ciFullStrength);
    // mask 0: the image; alpha a + (a - 255) * (0 - 255) div 256 = 128 + 126 = 254
    EXPECT_PIXEL(target, 0, 0, 0xFE646464u);
    EXPECT_PIXEL(target, 1, 0, Back);  // key pixel leaves the target
    target.Fill(Back);
    DrawCornerImage(target, TPoint{0, 0}, 5, EmptyBackgroundSource(), glyph, ciFullStrength);  // last frame
    EXPECT_PIXEL(target, 0, 0, 0xBF646464u);  // mask 128: (0 + 200 * 128) / 256 = 100; alpha 128 + 63
    EXPECT_PIXEL(target, 1, 0, Back);         // mask 255 leaves the target
}

TEST(DrawCornerImage, FaintStrengthLiftsTheMaskByHundred) {
    const TsMaskData glyph = MaskedGlyph(std::make_shared<TBitmap32>(BitmapOf(
        {{0xFF000000u, 0xFF000000u, 0, 0}, {0xFF000000u, 0xFF969696u, 0, 0}})));
    TBitmap32 target(2, 1, 0xFFC8C8C8u);
    DrawCornerImage(target, TPoint{0, 0}, 0, EmptyBackgroundSource(), glyph, 0);
    EXPECT_PIXEL(target, 0, 0, 0xFF4E4E4Eu);  // mask 100: 200 * 100 / 256 = 78
    EXPECT_PIXEL(target, 1, 0, 0xFFC3C3C3u);  // mask 150 + 100 = 250: 200 * 250 / 256 = 195
}

TEST(DrawCornerImage, KeyedImageFaintlyMixesHalfAndHalfAndIsCutAtNegativePoints) {
    TsMaskData glyph;
    glyph.Bmp = std::make_shared<TBitmap32>(BitmapOf({{0xFF0000C8u, K, 0xFF00C800u}}));
    glyph.R = TRect{0, 0, 3, 1};
    glyph.ImageCount = 1;
    TBitmap32 target(3, 1, 0xFF000064u);
    DrawCornerImage(target, TPoint{0, 0}, 0, EmptyBackgroundSource(), glyph, 0);
    EXPECT_PIXEL(target, 0, 0, 0xFF000096u);  // (200 + 100) / 2
    EXPECT_PIXEL(target, 1, 0, 0xFF000064u);
    target.Fill(0xFF000064u);
    DrawCornerImage(target, TPoint{-2, 0}, 0, EmptyBackgroundSource(), glyph, ciFullStrength);
    EXPECT_PIXEL(target, 0, 0, 0xFF00C800u);  // only the third pixel is left on the target
    EXPECT_PIXEL(target, 1, 0, 0xFF000064u);
}

}  // namespace
}  // namespace tornivex::paint
