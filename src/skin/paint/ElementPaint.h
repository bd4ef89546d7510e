#pragma once
// Turns one skin section into pixels: its background (colour, gradient and texture, mixed by
// percentages and laid over the parent's background by the section's transparency), corner
// images and border mask, for a state, into a rectangle of a 32-bit bitmap.

#include "Background.h"

#include "skin/data/Bitmap32.h"
#include "skin/data/Geometry.h"
#include "skin/data/SkinColor.h"

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

// Paints the control's section. Does nothing without a manager or a valid section, or when
// `rect` does not lie inside `target`. `offset` is the target's origin inside the parent.
void PaintElement(const TsCommonData& data, const BackgroundSource& source, bool cornerFill,
                  int state, TBitmap32& target, TPoint offset, const TRect& rect);

// The same for a bare section (no custom colour, no control textures); null manager = default.
void PaintElementByIndex(int skinIndex, const BackgroundSource& source, bool cornerFill, int state,
                         const TsSkinManager* manager, TBitmap32& target, TPoint offset,
                         const TRect& rect);

// The background stage alone. `customColor` clFuchsia = none; texture indexes -1 = none.
void PaintElementBackground(int skinIndex, const BackgroundSource& source, int state,
                            TColor customColor, int hotTexture, int texture,
                            const TsSkinManager* manager, TBitmap32& target, TPoint offset,
                            const TRect& rect);

// Variants on a loaded skin's tables directly (used by the above once the manager is resolved).
void PaintElementBackgroundIn(const TLoadedSkin& skin, int skinIndex, const BackgroundSource& source,
                              int state, TColor customColor, int hotTexture, int texture,
                              TBitmap32& target, TPoint offset, const TRect& rect);
void PaintElementIn(const TLoadedSkin& skin, int skinIndex, const BackgroundSource& source,
                    bool cornerFill, int state, TColor customColor, int hotTexture, int texture,
                    TBitmap32& target, TPoint offset, const TRect& rect);

}  // namespace tornivex::paint
