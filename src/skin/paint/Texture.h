#pragma once
// Textures of a section's background: opaque tiling and stretching modes, and the masked form
// that lays tiles over the background through the texture's mask half.

#include "Background.h"

#include "skin/data/Bitmap32.h"
#include "skin/data/Geometry.h"
#include "skin/data/SkinTables.h"

namespace tornivex::paint {

// Marks "nothing left uncovered" in the rectangle PaintTexture hands back.
inline constexpr TRect NothingUncovered{-1, -1, -1, -1};

// Paints `texture` into `rect` of `bmp` in `mode`. On return `rect` holds the part the texture
// left uncovered, or NothingUncovered. A texture with a mask half uses the masked form against
// `source` (only modes 0 and 10 draw there); otherwise the opaque modes 0-7 and 10-12.
void PaintTexture(TBitmap32& bmp, TRect& rect, const TsMaskData& texture, int mode,
                  const BackgroundSource& source = {});

// The same with the image given explicitly (the row's own image or the master image).
void PaintTextureFrom(const TBitmap32& image, TBitmap32& bmp, TRect& rect, const TsMaskData& texture,
                      int mode, const BackgroundSource& source = {});

}  // namespace tornivex::paint
