#pragma once
// Where a row of the image table lies in its source image (MaskSourceImage), frame by frame.

#include "skin/data/Bitmap32.h"
#include "skin/data/Geometry.h"
#include "skin/data/SkinTables.h"

namespace tornivex::paint {

// Frame k of the row: its rectangle inside the source image (state frames lie side by side).
TRect MaskFrameRect(const TsMaskData& mask, int frame);

// The frame a state shows: states at or beyond ImageCount use the last frame.
int MaskFrameForState(const TsMaskData& mask, int state);

}  // namespace tornivex::paint
