#pragma once
// Which image a row of the image table is cut from, and the size of one state frame.

#include "skin/data/Bitmap32.h"
#include "skin/data/Geometry.h"
#include "skin/data/SkinTables.h"

namespace tornivex::paint {

// The row's own image, else the master image of the row's manager; null when there is neither
// (a row without a manager is never drawn).
const TBitmap32* MaskSourceImage(const TsMaskData& mask);

// Frame k of the row: its rectangle inside the source image (state frames lie side by side).
TRect MaskFrameRect(const TsMaskData& mask, int frame);

// The frame a state shows: states at or beyond ImageCount use the last frame.
int MaskFrameForState(const TsMaskData& mask, int state);

}  // namespace tornivex::paint
