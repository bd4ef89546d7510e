#pragma once
// The device grid of a scaled screen: skin pictures keep their integer formulas in logical pixels
// and each logical pixel becomes the block of device pixels between the rounded images of its
// edges. At integer ratios that is an exact n x n block; at fractional ratios the blocks are 1 or
// 2 pixels wide and tile the device picture without gaps or overlaps, so pieces painted next to
// each other in logical pixels still meet on the device grid.

#include "skin/data/Bitmap32.h"
#include "skin/data/Geometry.h"

#include <vector>

namespace tornivex::paint {

// Where logical edge `logical` lands on the device grid (rounded half up, as Qt sizes windows).
int DeviceEdge(int logical, double ratio);

// The device pixels covered by the blocks of a logical rectangle.
TRect DeviceRect(const TRect& logical, double ratio);

// True when the ratio leaves logical pixels as they are.
inline bool IsUnitRatio(double ratio) { return ratio > 0.999 && ratio < 1.001; }

// Sizes `device` for `logical` at `ratio` and fills it with the blocks of every logical pixel,
// opaque.
void ScaleToDevice(const TBitmap32& logical, TBitmap32& device, double ratio);

// Refreshes only the blocks of the logical pixels in `part` (both bitmaps already sized).
void ScaleToDevice(const TBitmap32& logical, TBitmap32& device, double ratio, const TRect& part);

// Makes the blocks of the logical rectangles fully transparent (the window outline's cut pixels).
void ClearDeviceBlocks(TBitmap32& device, double ratio, const std::vector<TRect>& logical);

}  // namespace tornivex::paint
