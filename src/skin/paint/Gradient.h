#pragma once
// Gradient fills of a section's background: vertical and horizontal runs of segments, and the
// four-triangle gradient towards the rectangle's centre.

#include "skin/data/Bitmap32.h"
#include "skin/data/Geometry.h"
#include "skin/data/SkinTables.h"

#include <array>

namespace tornivex::paint {

// Paints `gradient` into `rect` of `bmp` (rectangle clipped to the bitmap; alpha 255). The first
// segment's Mode1 picks the direction. `extraLength` lengthens the vertical distribution.
void PaintGradient(TBitmap32& bmp, const TRect& rect, const TsGradArray& gradient,
                   int extraLength = 0);

// Our stand-in for the platform's triangle gradient fill: colours are interpolated linearly
// between the three vertices over every pixel whose centre lies in the triangle (edges included).
struct TGradientVertex {
    double X = 0;
    double Y = 0;
    TColor Color = 0;
};
void FillTriangleGradient(TBitmap32& bmp, const TRect& clip,
                          const std::array<TGradientVertex, 3>& triangle);

}  // namespace tornivex::paint
