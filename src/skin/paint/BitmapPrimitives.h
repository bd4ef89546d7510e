#pragma once
// Blending, filling and copying primitives on 32-bit bitmaps. Every operation clips to all the
// bitmaps involved; the integer formulas are the skin engine's own and are pinned by tests.

#include "skin/data/Bitmap32.h"
#include "skin/data/Geometry.h"
#include "common/color/Color.h"

#include <cstdint>

namespace tornivex::paint {

// Puts `src` onto `dst` at `at`: per channel (alpha included)
// dst = (src * 256 + (dst - src) * transparency) div 256. 0 = src opaque, 255 = dst almost kept.
void BlendBitmapOver(TBitmap32& dst, const TBitmap32& src, int transparency, TPoint at);

// Each colour channel in `rect` becomes round(old * percent / 100 + colour * (100 - percent) / 100)
// with halves to even; alpha is untouched.
void BlendColorOver(TBitmap32& bmp, const TRect& rect, int percent, TColor color);

// Every pixel of `rect` becomes the colour's blue, green, red with the given alpha.
void FillPixels32(TBitmap32& bmp, const TRect& rect, TColor color, std::uint8_t alpha = 255);

// Per channel trunc(a * f + b * (1 - f)); the top byte is taken from a.
TColor BlendColors(TColor a, TColor b, double f);

// Plain copy of `srcRect` of `src` to `dst` with its top-left at `to`, clipped to both bitmaps.
void CopyRect(TBitmap32& dst, TPoint to, const TBitmap32& src, const TRect& srcRect);

// Colour-on-colour stretch (rows and columns dropped or repeated, no averaging).
void StretchRect(TBitmap32& dst, const TRect& dstRect, const TBitmap32& src, const TRect& srcRect);

// Area-averaging resample, used where a piece shrinks and must stay smooth.
void SmoothStretchRect(TBitmap32& dst, const TRect& dstRect, const TBitmap32& src,
                       const TRect& srcRect);

// Integer division rounding to the nearest integer, halves to even (denominator > 0).
constexpr int DivRoundHalfEven(int numerator, int denominator) {
    int q = numerator / denominator;
    int r = numerator % denominator;
    if (r < 0) { r += denominator; --q; }
    if (2 * r > denominator || (2 * r == denominator && (q & 1) != 0)) ++q;
    return q;
}

}  // namespace tornivex::paint
