#pragma once
// Paints one skinned scroll bar into a 32-bit bitmap of the bar's size: the two track sections
// split at the thumb's centre, the arrows with their glyphs, the thumb, and the disabled look.

#include "ScrollBarGeometry.h"

#include "skin/data/Bitmap32.h"
#include "common/color/Color.h"
#include "skin/paint/Background.h"

namespace tornivex {

struct TLoadedSkin;

// Everything a bar's painting needs besides the skin.
struct TScrollBarLook {
    TScrollBarLayout Layout;
    int States[6] = {0, 0, 0, 0, 0, 0};  // by part number: 0 normal, 1 hot, 2 pressed
    bool Enabled = true;
    bool ShiftContentOnClick = true;
    paint::BackgroundSource Background;  // what lies under the bar's owner
    TPoint Offset;                       // the bar's origin in the background's coordinates
    TColor ParentColor = 0;              // for the disabled blend when no background is known
};

// The sections a bar is painted with: first and second track, first and second arrow, thumb.
struct TScrollBarSections {
    int Track1 = -1, Track2 = -1;
    int Arrow1 = -1, Arrow2 = -1;
    int Glyph1 = -1, Glyph2 = -1;  // GLYPHMASK rows of the arrows
    int Thumb = -1, ThumbGlyph = -1;
};
TScrollBarSections ScrollBarSectionsOf(const TLoadedSkin& skin, int barType);

// Paints the bar into `target` (the bar's size). Answers false, painting nothing, when the skin
// has no first track section for this kind of bar.
bool PaintScrollBar(const TLoadedSkin& skin, TBitmap32& target, const TScrollBarLook& look);

}  // namespace tornivex
