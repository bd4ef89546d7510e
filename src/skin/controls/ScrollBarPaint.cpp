#include "ScrollBarPaint.h"

#include "skin/data/LoadedSkin.h"
#include "skin/paint/CornerImage.h"
#include "skin/paint/Decorations.h"
#include "skin/paint/ElementPaint.h"
#include "skin/paint/PixelColor.h"

#include <algorithm>

namespace tornivex {
namespace {

using paint::BackgroundSource;

// One section into one part of the bar, over the owner's background.
void PaintPart(const TLoadedSkin& skin, TBitmap32& target, int section, int state, const TRect& rect,
               const TScrollBarLook& look) {
    if (!skin.IsValidSkinIndex(section) || rect.IsEmpty()) return;
    paint::TElementPaint options;
    options.Section = section;
    options.State = state;
    options.Rect = rect;
    options.Offset = look.Offset;
    options.Background = look.Background;
    paint::PaintElementIn(skin, target, options);
}

// The frame of a GLYPHMASK row for a state, centred on `rect`; answers false when there is none.
bool DrawGlyph(const TLoadedSkin& skin, TBitmap32& target, int glyph, int state, const TRect& rect,
               const TScrollBarLook& look) {
    if (!skin.IsValidImgIndex(glyph)) return false;
    const TsMaskData& md = skin.ma[static_cast<std::size_t>(glyph)];
    const TBitmap32* image = MaskSourceImage(md);
    const int w = MaskCellWidth(md), h = MaskCellHeight(md);
    if (!image || w <= 0 || h <= 0) return false;
    if (w > rect.Width() || h > rect.Height()) return true;  // no room: the part stays plain
    const TPoint at{rect.Left + (rect.Width() - w) / 2, rect.Top + (rect.Height() - h) / 2};
    paint::DrawCornerImageFrom(*image, target, at, state, paint::ShiftedSource(look.Background, look.Offset),
                               md, paint::ciFullStrength);
    return true;
}

// A small solid triangle pointing along the bar: four rows of 7, 5, 3 and 1 pixels.
void DrawArrow(TBitmap32& target, const TRect& rect, int barType, bool forward, TPoint shift, TColor color) {
    constexpr int depth = 4;
    const TPixel32 pixel = paint::ColorToPixel(ColorToRGB(color));
    const int cx = rect.Left + rect.Width() / 2 + shift.X;
    const int cy = rect.Top + rect.Height() / 2 + shift.Y;
    for (int i = 0; i < depth; ++i) {
        const int half = depth - 1 - i;          // the row nearest the base is the widest
        const int step = forward ? i : depth - 1 - i;
        for (int k = -half; k <= half; ++k) {
            const int x = barType == sbVert ? cx + k : cx - depth / 2 + step;
            const int y = barType == sbVert ? cy - depth / 2 + step : cy + k;
            if (x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom && target.Contains(x, y))
                target.Pixel(x, y) = pixel;
        }
    }
}

void PaintArrowPart(const TLoadedSkin& skin, TBitmap32& target, int section, int glyph, int part,
                    const TRect& rect, int barType, const TScrollBarLook& look) {
    if (rect.IsEmpty()) return;
    const int state = look.States[part];
    PaintPart(skin, target, section, state, rect, look);
    if (DrawGlyph(skin, target, glyph, state, rect, look)) return;
    TColor color = clBlack;
    if (skin.IsValidSkinIndex(section)) {
        const TsGeneralData& gd = skin.gd[static_cast<std::size_t>(section)];
        color = gd.Props[static_cast<std::size_t>(paint::PropertySetOf(gd, state))].FontColor.Color;
    }
    const bool first = part == spLineUp;
    TPoint shift{0, first ? -1 : 0};
    if (state == 2 && look.ShiftContentOnClick) shift = TPoint{shift.X + 1, shift.Y + 1};
    DrawArrow(target, rect, barType, !first, shift, color);
}

}  // namespace

TScrollBarSections ScrollBarSectionsOf(const TLoadedSkin& skin, int barType) {
    const TConstantSkinData& c = skin.ConstData;
    const int first = barType == sbVert ? asTop : asLeft;
    const int second = barType == sbVert ? asBottom : asRight;
    TScrollBarSections s;
    s.Track1 = c.Scrolls[static_cast<std::size_t>(first)].SkinIndex;
    s.Track2 = c.Scrolls[static_cast<std::size_t>(second)].SkinIndex;
    s.Arrow1 = c.ScrollBtns[static_cast<std::size_t>(first)].SkinIndex;
    s.Arrow2 = c.ScrollBtns[static_cast<std::size_t>(second)].SkinIndex;
    s.Glyph1 = c.ScrollBtns[static_cast<std::size_t>(first)].GlyphIndex;
    s.Glyph2 = c.ScrollBtns[static_cast<std::size_t>(second)].GlyphIndex;
    const auto& slider = c.Sliders[barType == sbVert ? 1 : 0];
    s.Thumb = slider.SkinIndex;
    s.ThumbGlyph = slider.GlyphIndex;
    return s;
}

bool PaintScrollBar(const TLoadedSkin& skin, TBitmap32& target, const TScrollBarLook& look) {
    const TScrollBarLayout& l = look.Layout;
    const TScrollBarSections s = ScrollBarSectionsOf(skin, l.BarType);
    if (!skin.IsValidSkinIndex(s.Track1) || target.Empty()) return false;
    const int track2 = skin.IsValidSkinIndex(s.Track2) ? s.Track2 : s.Track1;

    if (!l.HalfArrows) {
        PaintPart(skin, target, s.Track1, look.States[spPageUp] == 2 ? 2 : 0, l.TrackBefore, look);
        PaintPart(skin, target, track2, look.States[spPageDown] == 2 ? 2 : 0, l.TrackAfter, look);
    }
    PaintArrowPart(skin, target, s.Arrow1, s.Glyph1, spLineUp, l.ArrowUp, l.BarType, look);
    PaintArrowPart(skin, target, s.Arrow2, s.Glyph2, spLineDown, l.ArrowDown, l.BarType, look);
    if (look.Enabled && l.Thumb.Fits && !l.ThumbRect.IsEmpty()) {
        const int state = look.States[spThumb];
        PaintPart(skin, target, s.Thumb, state, l.ThumbRect, look);
        DrawGlyph(skin, target, s.ThumbGlyph, state, l.ThumbRect, look);
    }
    if (!look.Enabled)
        paint::ApplyDisabledLook(target, paint::dkBlended, look.ParentColor, look.Offset, look.Background);
    return true;
}

}  // namespace tornivex
