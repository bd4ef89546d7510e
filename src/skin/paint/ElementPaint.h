#pragma once
// Turns one skin section into pixels: its background (colour, gradient and texture, mixed by
// percentages and laid over the parent's background by the section's transparency), corner
// images and border mask, for a state, into a rectangle of a 32-bit bitmap.

#include "Background.h"

#include "skin/data/Bitmap32.h"
#include "skin/data/Geometry.h"
#include "common/color/Color.h"

namespace tornivex {
class TsCommonData;
class TsSkinManager;
struct TLoadedSkin;
struct TsGeneralData;
}  // namespace tornivex

namespace tornivex::paint {

// The state limited to the section's States - 1 (and to 0 from below).
int LimitState(const TsGeneralData& section, int state);
// The property set a state reads: 0 for the normal state, 1 for every state above it.
int PropertySetOf(const TsGeneralData& section, int state);

// What one element painting call needs, named so that a call reads by field:
//
//     TElementPaint paint;
//     paint.Section = index; paint.State = 1; paint.Rect = {0, 0, w, h};
//     paint.Offset = positionInParent; paint.Background = BackgroundSourceFromQuery(query);
//     PaintElementByIndex(cache, paint, manager);
struct TElementPaint {
    int Section = -1;  // row of the section table
    int State = 0;     // 0 normal, 1 hot, 2 pressed, 3 default (limited by the section)
    TRect Rect;        // where to paint in the target; must lie inside it
    TPoint Offset;     // the target's origin inside the parent, added to the background offsets
    int Texture = -1;     // texture mask of the normal state; -1 = the section's own
    int HotTexture = -1;  // texture mask of the states above 0; -1 = the normal one
    BackgroundSource Background;  // what the parent shows under the target
    TColor CustomColor = clFuchsia;  // a fill colour replacing the section's look; clFuchsia = none
    bool CornerFill = true;  // key-colour corners of the border show the background
};

// Section, textures and custom colour of a control (its TsCommonData); the caller adds state,
// rectangle, offset and background.
TElementPaint ElementPaintOf(const TsCommonData& data);

// Paints the control's section with its textures and custom colour (`options`' section,
// textures and custom colour are taken from `data`), then the control's colour filters. Does
// nothing without a manager or a valid section, or when the rectangle does not lie inside
// `target`.
void PaintElement(const TsCommonData& data, TBitmap32& target, const TElementPaint& options);

// The same for a bare section: no custom colour, no control textures. Null manager = default.
void PaintElementByIndex(TBitmap32& target, const TElementPaint& options,
                         const TsSkinManager* manager = nullptr);

// The background stage alone (colour, gradient, texture over the parent's background).
void PaintElementBackground(TBitmap32& target, const TElementPaint& options,
                            const TsSkinManager* manager = nullptr);

// Variants on a loaded skin's tables directly (used by the above once the manager is resolved).
void PaintElementBackgroundIn(const TLoadedSkin& skin, TBitmap32& target, const TElementPaint& options);
void PaintElementIn(const TLoadedSkin& skin, TBitmap32& target, const TElementPaint& options);

}  // namespace tornivex::paint
