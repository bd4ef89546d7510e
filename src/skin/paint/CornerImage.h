#pragma once
// Small images put on at a point: corner images of sections and the glyphs of title buttons.

#include "Background.h"

#include "skin/data/Bitmap32.h"
#include "skin/data/Geometry.h"
#include "skin/data/SkinTables.h"

namespace tornivex::paint {

inline constexpr int ciFullStrength = 1;  // any other strength value draws the faint look

// Draws the state's frame of `image` (the last frame for higher states) with its top-left at
// `at`, cut where `at` is negative or the frame leaves the target.
void DrawCornerImage(TBitmap32& target, TPoint at, int state, const BackgroundSource& source,
                     const TsMaskData& image, int strength);

// The same with the image the row is cut from given explicitly.
void DrawCornerImageFrom(const TBitmap32& sourceImage, TBitmap32& target, TPoint at, int state,
                         const BackgroundSource& source, const TsMaskData& image, int strength);

}  // namespace tornivex::paint
