#include "OutEffectImages.h"

#include <algorithm>
#include <cmath>

#include "common/color/Color.h"

namespace tornivex {
namespace {

TPixel32 PixelOf(TColor c, std::uint8_t alpha = 255) {
    return MakePixel32(std::uint8_t(ColorR(c)), std::uint8_t(ColorG(c)), std::uint8_t(ColorB(c)), alpha);
}

// Grey levels falling off from the centre: 0 (opaque) inside, 255 (transparent) outside.
TBitmap32Ptr SoftSquare(int size, int margin, std::uint8_t maxAlpha, bool asMask) {
    auto bmp = NewBitmap32(size, size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int dx = std::max({margin - x, x - (size - 1 - margin), 0});
            const int dy = std::max({margin - y, y - (size - 1 - margin), 0});
            const double distance = std::min(1.0, std::hypot(dx, dy) / (margin + 1));
            const double strength = (1.0 - distance) * (1.0 - distance);
            const auto level = std::uint8_t(std::lround(255 * strength));
            if (asMask) {
                const auto grey = std::uint8_t(255 - level);
                bmp->Pixel(x, y) = MakePixel32(grey, grey, grey, 255);
            } else {
                bmp->Pixel(x, y) = MakePixel32(0, 0, 0, std::uint8_t(level * maxAlpha / 255));
            }
        }
    return bmp;
}

} // namespace

TBitmap32Ptr BuiltInBlurImage() {
    static const TBitmap32Ptr blur = SoftSquare(10, 4, 255, true);
    return blur;
}

TBitmap32Ptr BuiltInShadowActive() {
    static const TBitmap32Ptr shadow = SoftSquare(2 * BuiltInShadowMargin + 1, BuiltInShadowMargin, 96, false);
    return shadow;
}

TBitmap32Ptr BuiltInShadowInactive() {
    static const TBitmap32Ptr shadow = SoftSquare(2 * BuiltInShadowMargin + 1, BuiltInShadowMargin, 56, false);
    return shadow;
}

TBitmap32Ptr MakeOuterEffectMask(const TBitmap32& blur, const TacOutEffData& effect) {
    const int w = blur.Width();
    auto bmp = NewBitmap32(w, 2 * w);
    for (int y = 0; y < w; ++y)
        for (int x = 0; x < w; ++x) {
            // Which of the four triangles between the diagonals the pixel lies in.
            const bool belowMain = y > x;
            const bool belowAnti = y > w - 1 - x;
            const TColor c = !belowMain && !belowAnti ? effect.ColorT
                             : belowMain && belowAnti ? effect.ColorB
                             : belowMain              ? effect.ColorL
                                                      : effect.ColorR;
            bmp->Pixel(x, y) = PixelOf(ColorToRGB(c));
        }
    for (int y = 0; y < w; ++y)
        std::copy(blur.Scanline(y), blur.Scanline(y) + w, bmp->Scanline(w + y));
    return bmp;
}

} // namespace tornivex
