#include "PaintTestSupport.h"

#include "skin/paint/MaskPieces.h"
#include "skin/paint/PixelColor.h"

namespace tornivex::paint {
namespace {
using test::BitmapOf;

constexpr TPixel32 K = KeyPixel32;
constexpr TPixel32 Grey100 = 0xFF646464u;

// A 3 x 1 image over its 3 x 1 mask: opaque, half, and key-coloured image pixels.
TsMaskData MaskRow() {
    TsMaskData md;
    md.R = TRect{0, 0, 3, 2};
    md.ImageCount = 1;
    md.MaskType = 1;
    return md;
}
const TBitmap32 Image = BitmapOf({{Grey100, Grey100, K},
                                  {0xFF000000u, 0xFF808080u, 0xFF000000u}});

TEST(CopyMaskedPiece, MaskChannelsMixImageAndTarget) {
    TBitmap32 target(3, 1, 0xFFC8C8C8u);
    CopyMaskedPiece(TRect{0, 0, 3, 1}, TRect{0, 0, 3, 1}, target, MaskRow(), false,
                    EmptyBackgroundSource(), Image);
    EXPECT_PIXEL(target, 0, 0, Grey100);                // mask 0: the image
    EXPECT_PIXEL(target, 1, 0, 0xFF969696u);            // (100*256 + 100*128) div 256 = 150
    EXPECT_PIXEL(target, 2, 0, 0xFFC8C8C8u);            // key, no background known: untouched
}

TEST(CopyMaskedPiece, KeyPixelsInCornerModeShowTheParentBitmapAtTheShiftedPosition) {
    const TBitmap32 parent = BitmapOf({{1, 2, 3, 4}, {5, 6, 7, 0x00ABCDEFu}});
    TBitmap32 target(3, 1, 0xFFC8C8C8u);
    const BackgroundSource source = BackgroundSourceFromBitmap(&parent, TPoint{1, 1});
    CopyMaskedPiece(TRect{0, 0, 3, 1}, TRect{0, 0, 3, 1}, target, MaskRow(), true, source, Image);
    EXPECT_PIXEL(target, 2, 0, 0xFFABCDEFu);  // parent (1 + 2, 1 + 0), alpha 255
    EXPECT_PIXEL(target, 0, 0, Grey100);
}

TEST(CopyMaskedPiece, KeyPixelsWithoutCornerModeBlendOverABitmapSource) {
    const TBitmap32 parent(8, 8, 0xFF010203u);
    TBitmap32 target(3, 1, 0x00C8C8C8u);
    CopyMaskedPiece(TRect{0, 0, 3, 1}, TRect{0, 0, 3, 1}, target, MaskRow(), false,
                    BackgroundSourceFromBitmap(&parent, TPoint{0, 0}), Image);
    EXPECT_PIXEL(target, 2, 0, 0xFFFF00FFu);  // blended like any pixel with mask 0, alpha 255
}

TEST(CopyMaskedPiece, KeyPixelsInCornerModeTakeTheColourOfAPlainSource) {
    TBitmap32 target(3, 1, 0xFFC8C8C8u);
    CopyMaskedPiece(TRect{0, 0, 3, 1}, TRect{0, 0, 3, 1}, target, MaskRow(), true,
                    BackgroundSourceFromColor(MakeColor(1, 2, 3)), Image);
    EXPECT_PIXEL(target, 2, 0, 0xFF010203u);
}

TEST(CopyMaskedPiece, CopiesTheSmallerAreaClippedToBothBitmaps) {
    TBitmap32 target(2, 1, 0xFFC8C8C8u);
    CopyMaskedPiece(TRect{-1, 0, 5, 1}, TRect{0, 0, 3, 1}, target, MaskRow(), false,
                    EmptyBackgroundSource(), Image);
    EXPECT_PIXEL(target, 0, 0, 0xFF969696u);  // the image's second pixel lands at x = 0
    EXPECT_PIXEL(target, 1, 0, 0xFFC8C8C8u);  // its third (key) pixel leaves the target
}

TEST(CopyKeyedPiece, SkipsKeyPixelsUnlessCornerModeHasAParentBitmap) {
    const TBitmap32 img = BitmapOf({{0x00112233u, K}});
    TBitmap32 target(2, 1, 0xFF000000u);
    CopyKeyedPiece(TRect{0, 0, 2, 1}, TRect{0, 0, 2, 1}, target, false, EmptyBackgroundSource(), img);
    EXPECT_PIXEL(target, 0, 0, 0xFF112233u);
    EXPECT_PIXEL(target, 1, 0, 0xFF000000u);
    const TBitmap32 parent(4, 4, 0xFF445566u);
    CopyKeyedPiece(TRect{0, 0, 2, 1}, TRect{0, 0, 2, 1}, target, true,
                   BackgroundSourceFromBitmap(&parent, TPoint{2, 3}), img);
    EXPECT_PIXEL(target, 1, 0, 0xFF445566u);
}

TEST(CopyMaskedPieceStretched, StretchesImageAndMaskTogether) {
    TBitmap32 target(6, 1, 0xFFC8C8C8u);
    CopyMaskedPieceStretched(TRect{0, 0, 6, 1}, TRect{0, 0, 2, 1}, target, MaskRow(), Image, false);
    EXPECT_TRUE(test::SameBitmap(target, BitmapOf({{Grey100, Grey100, Grey100, 0xFF969696u,
                                                    0xFF969696u, 0xFF969696u}})));
}

}  // namespace
}  // namespace tornivex::paint
