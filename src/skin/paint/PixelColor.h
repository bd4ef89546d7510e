#pragma once
// Conversions between the engine's colour values (0x00BBGGRR) and 32-bit pixels (0xAARRGGBB).

#include "skin/data/Bitmap32.h"
#include "common/color/Color.h"

namespace tornivex::paint {

// Writes a plain colour into a pixel by swapping red and blue; `alpha` goes into the top byte.
constexpr TPixel32 ColorToPixel(TColor color, std::uint8_t alpha = 255) {
    return MakePixel32(static_cast<std::uint8_t>(ColorR(color)),
                       static_cast<std::uint8_t>(ColorG(color)),
                       static_cast<std::uint8_t>(ColorB(color)), alpha);
}

constexpr TColor PixelToColor(TPixel32 pixel) {
    return MakeColor(PixelR(pixel), PixelG(pixel), PixelB(pixel));
}

// Key-colour test of an image pixel: red 255, green 0, blue 255, whatever the alpha.
constexpr bool IsKeyPixel(TPixel32 pixel) { return (pixel & 0x00FFFFFFu) == KeyPixel32; }

}  // namespace tornivex::paint
