#pragma once
// The frame of an element: a border mask drawn nine-slice from the frame that belongs to the
// state, corners cut (never scaled), sides and centre tiled or stretched.

#include "Background.h"

#include "skin/data/Bitmap32.h"
#include "skin/data/Geometry.h"
#include "skin/data/SkinTables.h"

namespace tornivex::paint {

// DrawMode bits of border masks.
inline constexpr int bmStretch = 1;        // stretch sides and centre instead of tiling them
inline constexpr int bmNotInNormal = 2;    // draw nothing in the normal state
inline constexpr int bmDrawCentre = 4;     // also draw the centre piece

// The four margins actually used in a rectangle: shrunk evenly when the rectangle is too small.
struct TBorderMargins {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};
TBorderMargins FitBorderMargins(const TsMaskData& mask, int width, int height);

// Draws `mask` into `rect` of `target` for `state`. Corners use corner mode (key pixels show the
// background `source`) when `cornerFill` is set and the mask's CornerType is above 0.
void DrawBorderMask(TBitmap32& target, const TRect& rect, const BackgroundSource& source,
                    bool cornerFill, int state, const TsMaskData& mask);

// Which corners RedrawBorderCorners puts on: 1 top-left, 2 bottom-left, 4 top-right, 8 bottom-right.
inline constexpr int crTopLeft = 1, crBottomLeft = 2, crTopRight = 4, crBottomRight = 8,
                     crAllCorners = 15;

// Composes only the chosen corners of the state's frame in corner mode (masked or keyed as the
// frame is drawn), so that key-colour corner pixels show `source` again.
void RedrawBorderCorners(TBitmap32& target, const TRect& rect, const BackgroundSource& source,
                         int state, const TsMaskData& mask, int corners);

}  // namespace tornivex::paint
