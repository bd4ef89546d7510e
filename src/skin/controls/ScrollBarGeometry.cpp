#include "ScrollBarGeometry.h"

#include <algorithm>
#include <cstdint>

namespace tornivex {
namespace {

// A rectangle spanning [from, to) along the bar and its whole thickness across it.
TRect Along(int barType, int from, int to, int thickness) {
    if (to < from) to = from;
    return barType == sbVert ? TRect{0, from, thickness, to} : TRect{from, 0, to, thickness};
}

bool Contains(const TRect& r, TPoint p) {
    return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

// Number of positions the thumb can take beyond the first one (the offset formula's divisor).
std::int64_t PositionSpan(const TScrollInfo& info) {
    return std::int64_t(info.nMax) - info.nMin - std::max(info.nPage, 1) + 1;
}

}  // namespace

TScrollBarMetrics ResolveScrollBarMetrics(int skinScrollSize, int skinButtonsSize, int controlArrowSize,
                                          int barArrowSize, int platformWidth, int minThumbSize) {
    TScrollBarMetrics m;
    m.Thickness = skinScrollSize >= 0 ? skinScrollSize : platformWidth;
    if (controlArrowSize >= 0) m.ArrowLength = controlArrowSize;
    else if (skinButtonsSize >= 0) m.ArrowLength = skinButtonsSize;
    else if (barArrowSize >= 0) m.ArrowLength = barArrowSize;
    else m.ArrowLength = m.Thickness;
    m.MinThumbSize = minThumbSize;
    return m;
}

TThumbGeometry ComputeThumb(const TScrollInfo& info, int trackLength, int arrowLength, int minThumbSize) {
    TThumbGeometry thumb;
    const std::int64_t t = std::max(trackLength, 0);
    const std::int64_t range = std::int64_t(info.nMax) - info.nMin;
    std::int64_t size;
    if (info.nPage > 0)
        size = range + 1 > 0 ? t * info.nPage / (range + 1) : t;  // an empty range: the page fills it
    else
        size = std::max(minThumbSize, arrowLength);
    size = std::max<std::int64_t>(size, minThumbSize);
    if (arrowLength == 0 && size <= 18) size = 19;
    const std::int64_t free = t - size;
    const std::int64_t span = PositionSpan(info);
    std::int64_t offset = span > 0 ? (std::int64_t(info.nPos) - info.nMin) * free / span : 0;
    offset = std::clamp<std::int64_t>(offset, 0, std::max<std::int64_t>(free, 0));
    thumb.Size = static_cast<int>(std::min<std::int64_t>(size, INT32_MAX));
    thumb.Offset = static_cast<int>(offset);
    thumb.Fits = size <= t;
    return thumb;
}

TRect TScrollBarLayout::PartRect(int part) const {
    switch (part) {
    case spLineUp: return ArrowUp;
    case spLineDown: return ArrowDown;
    case spPageUp: return PageUp;
    case spPageDown: return PageDown;
    case spThumb: return ThumbRect;
    default: return TRect{};
    }
}

TScrollBarLayout LayoutScrollBar(int barType, int width, int height, const TScrollInfo& info,
                                 const TScrollBarMetrics& metrics) {
    TScrollBarLayout l;
    l.BarType = barType;
    width = std::max(width, 0);
    height = std::max(height, 0);
    l.Bar = TRect{0, 0, width, height};
    l.Length = barType == sbVert ? height : width;
    const int across = barType == sbVert ? width : height;
    const int arrow = std::max(metrics.ArrowLength, 0);
    if (2 * arrow > l.Length) {
        l.HalfArrows = true;
        l.ArrowLength = l.Length / 2;
        l.ArrowUp = Along(barType, 0, l.ArrowLength, across);
        l.ArrowDown = Along(barType, l.ArrowLength, l.Length, across);
        return l;
    }
    l.ArrowLength = arrow;
    l.TrackLength = l.Length - 2 * arrow;
    l.Thumb = ComputeThumb(info, l.TrackLength, arrow, metrics.MinThumbSize);
    const int trackEnd = l.Length - arrow;
    l.ArrowUp = Along(barType, 0, arrow, across);
    l.ArrowDown = Along(barType, trackEnd, l.Length, across);
    int centre;
    if (l.Thumb.Fits) {
        const int start = arrow + l.Thumb.Offset;
        const int end = start + l.Thumb.Size;
        l.ThumbRect = Along(barType, start, end, across);
        l.PageUp = Along(barType, arrow, start, across);
        l.PageDown = Along(barType, end, trackEnd, across);
        centre = start + l.Thumb.Size / 2;
    } else {
        centre = arrow + l.TrackLength / 2;
        l.PageUp = Along(barType, arrow, centre, across);
        l.PageDown = Along(barType, centre, trackEnd, across);
    }
    l.TrackBefore = Along(barType, arrow, centre, across);
    l.TrackAfter = Along(barType, centre, trackEnd, across);
    return l;
}

int ScrollBarHitTest(const TScrollBarLayout& layout, TPoint p) {
    if (!Contains(layout.Bar, p)) return spNone;
    for (const int part : {spLineUp, spLineDown, spThumb, spPageUp, spPageDown})
        if (Contains(layout.PartRect(part), p)) return part;
    return spNone;
}

int MaxScrollPosition(const TScrollInfo& info) {
    return static_cast<int>(std::max<std::int64_t>(info.nMin, info.nMin + PositionSpan(info)));
}

int ThumbPositionAt(const TScrollInfo& info, const TScrollBarLayout& layout, int thumbStart) {
    const std::int64_t free = std::int64_t(layout.TrackLength) - layout.Thumb.Size;
    const std::int64_t span = PositionSpan(info);
    if (layout.HalfArrows || free <= 0 || span <= 0) return info.nMin;
    const std::int64_t offset = std::clamp<std::int64_t>(thumbStart - layout.ArrowLength, 0, free);
    // Rounded up, so that a thumb start that shows a position gives that position back.
    const std::int64_t pos = info.nMin + (offset * span + free - 1) / free;
    return static_cast<int>(std::clamp<std::int64_t>(pos, info.nMin, MaxScrollPosition(info)));
}

}  // namespace tornivex
