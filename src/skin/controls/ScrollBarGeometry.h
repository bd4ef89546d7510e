#pragma once
// Where the parts of a skinned scroll bar lie and which part a point hits. Pure arithmetic on the
// platform's scroll values; a vertical bar runs along y, a horizontal one along x by the same rules.

#include "skin/data/Geometry.h"

namespace tornivex {

// The platform's scroll values in the classic form: nMax includes the last page, so the highest
// position is nMax - nPage + 1.
struct TScrollInfo {
    int nMin = 0;
    int nMax = 0;
    int nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
    friend bool operator==(const TScrollInfo&, const TScrollInfo&) = default;
};

// Hit parts; the scroll codes sent for them carry the same numbers.
enum TacScrollPart : int {
    spNone = -1,
    spLineUp = 0,    // up / left arrow
    spLineDown = 1,  // down / right arrow
    spPageUp = 2,    // track before the thumb
    spPageDown = 3,  // track after the thumb
    spThumb = 5,
};
enum TacScrollCode : int {
    SB_LINEUP = 0,
    SB_LINEDOWN = 1,
    SB_PAGEUP = 2,
    SB_PAGEDOWN = 3,
    SB_THUMBTRACK = 5,
};

enum TacBarType : int { sbHorz = 0, sbVert = 1 };

// Sizes a bar is laid out with.
struct TScrollBarMetrics {
    int Thickness = 17;
    int ArrowLength = 17;
    int MinThumbSize = 16;
};

// Thickness: the skin's scroll size when 0 or more, else the platform's width. Arrow length: the
// control's own size when set (>= 0), else the skin's button size when 0 or more, else the bar's
// own size field when set, else the thickness.
TScrollBarMetrics ResolveScrollBarMetrics(int skinScrollSize, int skinButtonsSize, int controlArrowSize,
                                          int barArrowSize, int platformWidth, int minThumbSize);

// Thumb size and offset along a track of `trackLength` pixels.
struct TThumbGeometry {
    int Size = 0;
    int Offset = 0;  // from the start of the track, clamped to 0 .. trackLength - Size
    bool Fits = false;
};
TThumbGeometry ComputeThumb(const TScrollInfo& info, int trackLength, int arrowLength, int minThumbSize);

// Every part of one bar in the bar's own coordinates (origin at its top-left).
struct TScrollBarLayout {
    int BarType = sbVert;
    int Length = 0;          // along the bar
    int ArrowLength = 0;     // of each arrow as laid out (half the bar when they do not fit)
    bool HalfArrows = false; // shorter than two arrows: two halves, no track, no thumb
    int TrackLength = 0;
    TThumbGeometry Thumb;
    TRect Bar;
    TRect ArrowUp;    // line-up (left) arrow
    TRect ArrowDown;  // line-down (right) arrow
    TRect PageUp;     // track between the first arrow and the thumb
    TRect PageDown;   // track between the thumb and the second arrow
    TRect ThumbRect;  // empty when the thumb does not fit
    TRect TrackBefore;  // the track painted with the first section: up to the thumb's centre
    TRect TrackAfter;   // the rest of the track, painted with the second section

    TRect PartRect(int part) const;
};

// Lays a bar of `width` x `height` out.
TScrollBarLayout LayoutScrollBar(int barType, int width, int height, const TScrollInfo& info,
                                 const TScrollBarMetrics& metrics);

// The part under `p` (bar coordinates), spNone outside the bar.
int ScrollBarHitTest(const TScrollBarLayout& layout, TPoint p);

// The scroll position that puts the thumb's start at `thumbStart` (along the bar, arrow included),
// limited to nMin .. nMax - max(nPage, 1) + 1.
int ThumbPositionAt(const TScrollInfo& info, const TScrollBarLayout& layout, int thumbStart);

// The highest position the platform accepts.
int MaxScrollPosition(const TScrollInfo& info);

}  // namespace tornivex
