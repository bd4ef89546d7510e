#pragma once
// Decorations drawn on a control's finished image: the dotted focus rectangle in skin colours
// and the dimmed look of a disabled control.

#include "Background.h"

#include "skin/data/Bitmap32.h"
#include "skin/data/Geometry.h"
#include "common/color/Color.h"

namespace tornivex::paint {

// Alternates `firstColor` and `secondColor` pixel by pixel along the four edges of `rect`
// (right and bottom edges moved in by one pixel). A colour of clNoColor2 is not drawn.
void DrawElementFocusRect(TBitmap32& target, const TRect& rect, TColor firstColor, TColor secondColor);

enum TsDisabledKindItem : unsigned { dkBlended = 1, dkGrayed = 2 };
using TsDisabledKind = unsigned;  // a set of TsDisabledKindItem bits

// Dims a disabled control's image. dkGrayed desaturates (key pixels skipped); dkBlended keeps 40
// percent of each pixel over the background under it: a bitmap source at the control's
// `position` in the parent, else the source colour (the parent's colour when that is the key).
void ApplyDisabledLook(TBitmap32& target, TsDisabledKind kind, TColor parentColor, TPoint position,
                       const BackgroundSource& source);

// The saturation filter: `amount` -100 (grey) .. 100, key-colour pixels skipped.
void ApplySaturation(TBitmap32& target, int amount);

}  // namespace tornivex::paint
