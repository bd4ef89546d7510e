#pragma once
// Putting pieces of skin images onto a target: through the image's mask half, or with the key
// colour as transparency. Corner mode makes key-colour pixels show the parent's background.

#include "Background.h"

#include "skin/data/Bitmap32.h"
#include "skin/data/Geometry.h"
#include "skin/data/SkinTables.h"

namespace tornivex::paint {

// Composes `sourceArea` of `image` onto `targetArea` of `target` through the mask that lies
// (height of the mask row's R) div 2 rows lower in the same image: per colour channel
// d = (s * 256 + (d - s) * m) div 256. Key-colour image pixels: see the .cpp. The copied size is
// the smaller of the two areas, clipped to both bitmaps.
void CopyMaskedPiece(const TRect& targetArea, const TRect& sourceArea, TBitmap32& target,
                     const TsMaskData& mask, bool cornerMode, const BackgroundSource& source,
                     const TBitmap32& image);

// The same with image and mask first stretched to the target area's size. `smooth` resamples with
// averaging (pieces shrunk along one axis, centre pieces); otherwise colour-on-colour.
void CopyMaskedPieceStretched(const TRect& targetArea, const TRect& sourceArea, TBitmap32& target,
                              const TsMaskData& mask, const TBitmap32& image, bool smooth);

// Copies `sourceArea` of `image` skipping key-colour pixels; in corner mode with a bitmap source
// those take the source bitmap's pixel instead. Copied pixels get alpha 255.
void CopyKeyedPiece(const TRect& targetArea, const TRect& sourceArea, TBitmap32& target,
                    bool cornerMode, const BackgroundSource& source, const TBitmap32& image);

// The pixel of a bitmap background under target position (x, y); false when outside the source.
bool SourcePixelAt(const BackgroundSource& source, int x, int y, TPixel32& pixel);

}  // namespace tornivex::paint
