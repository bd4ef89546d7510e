#pragma once
// Rectangle helpers for clipping painting work to bitmaps.

#include "skin/data/Bitmap32.h"
#include "skin/data/Geometry.h"

#include <algorithm>

namespace tornivex::paint {

constexpr TRect MakeRect(int left, int top, int width, int height) {
    return TRect{left, top, left + width, top + height};
}

constexpr TRect Intersect(const TRect& a, const TRect& b) {
    const TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                  std::min(a.Bottom, b.Bottom)};
    return r.IsEmpty() ? TRect{} : r;
}

inline TRect BoundsOf(const TBitmap32& bmp) { return TRect{0, 0, bmp.Width(), bmp.Height()}; }

constexpr TRect Offset(const TRect& r, int dx, int dy) {
    return TRect{r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

// True when the rectangle lies wholly inside the bitmap (empty rectangles included).
inline bool LiesInside(const TRect& r, const TBitmap32& bmp) {
    return r.Left >= 0 && r.Top >= 0 && r.Right <= bmp.Width() && r.Bottom <= bmp.Height();
}

}  // namespace tornivex::paint
