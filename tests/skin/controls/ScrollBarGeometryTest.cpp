#include "ScrollBarGeometry.h"

#include <gtest/gtest.h>

namespace tornivex {
namespace {

TScrollInfo Info(int min, int max, int page, int pos) { return TScrollInfo{min, max, page, pos, pos}; }

struct ThumbCase {
    const char* name;
    TScrollInfo info;
    int length;  // bar length
    int arrow;
    int expectedSize;
    int expectedOffset;
    bool fits;
};

TEST(ScrollBarGeometry, ThumbSizeAndOffsetOverATableOfRangesPagesAndPositions) {
    const ThumbCase cases[] = {
        // 27 lines, 4 visible, bar 63 with 17 arrows: track 29, 29 * 4 / 27 = 4 is below the minimum.
        {"minimum thumb at the top", Info(0, 26, 4, 0), 63, 17, 16, 0, true},
        {"minimum thumb at the bottom", Info(0, 26, 4, 23), 63, 17, 16, 13, true},
        {"minimum thumb half way", Info(0, 26, 4, 11), 63, 17, 16, 6, true},
        // Track 166: 166 * 50 / 100 = 83; offset 25 * 83 / 50 = 41 (the division truncates).
        {"half the text visible", Info(0, 99, 50, 25), 200, 17, 83, 41, true},
        {"a minimum that is not zero", Info(10, 59, 10, 35), 134, 17, 20, 50, true},
        {"no page size: the arrow length", Info(0, 100, 0, 0), 100, 17, 17, 0, true},
        {"no page size, short arrows: the minimum", Info(0, 100, 0, 100), 100, 10, 16, 64, true},
        {"no arrows: at least 19", Info(0, 100, 0, 0), 100, 0, 19, 0, true},
        {"a position past the end is clamped", Info(0, 26, 4, 500), 63, 17, 16, 13, true},
        {"a position before the start is clamped", Info(0, 26, 4, -7), 63, 17, 16, 0, true},
        {"the page is larger than the text: no thumb", Info(0, 3, 10, 0), 63, 17, 72, 0, false},
        {"exactly two arrows: no room for a thumb", Info(0, 26, 4, 0), 34, 17, 16, 0, false},
        {"an empty range keeps the offset at 0", Info(5, 5, 1, 5), 63, 17, 29, 0, true},
    };
    for (const ThumbCase& c : cases) {
        const TScrollBarLayout l =
            LayoutScrollBar(sbVert, 17, c.length, c.info, TScrollBarMetrics{17, c.arrow, 16});
        EXPECT_FALSE(l.HalfArrows) << c.name;
        EXPECT_EQ(l.TrackLength, c.length - 2 * c.arrow) << c.name;
        EXPECT_EQ(l.Thumb.Size, c.expectedSize) << c.name;
        EXPECT_EQ(l.Thumb.Offset, c.expectedOffset) << c.name;
        EXPECT_EQ(l.Thumb.Fits, c.fits) << c.name;
        if (c.fits) {
            EXPECT_EQ(l.ThumbRect, (TRect{0, c.arrow + c.expectedOffset, 17, c.arrow + c.expectedOffset + c.expectedSize}))
                << c.name;
        } else {
            EXPECT_TRUE(l.ThumbRect.IsEmpty()) << c.name;
        }
    }
}

TEST(ScrollBarGeometry, PartsOfAVerticalBarAndWhatAPointHits) {
    // 17 x 63: arrows 0..17 and 46..63, thumb 23..39 at position 11 (offset 6).
    const TScrollBarLayout l = LayoutScrollBar(sbVert, 17, 63, Info(0, 26, 4, 11), TScrollBarMetrics{17, 17, 16});
    EXPECT_EQ(l.ArrowUp, (TRect{0, 0, 17, 17}));
    EXPECT_EQ(l.ArrowDown, (TRect{0, 46, 17, 63}));
    EXPECT_EQ(l.ThumbRect, (TRect{0, 23, 17, 39}));
    EXPECT_EQ(l.PageUp, (TRect{0, 17, 17, 23}));
    EXPECT_EQ(l.PageDown, (TRect{0, 39, 17, 46}));
    // The track is painted in two sections split at the thumb's centre.
    EXPECT_EQ(l.TrackBefore, (TRect{0, 17, 17, 31}));
    EXPECT_EQ(l.TrackAfter, (TRect{0, 31, 17, 46}));

    const struct { TPoint p; int part; } hits[] = {
        {{0, 0}, spLineUp},    {{16, 16}, spLineUp},   {{8, 17}, spPageUp},  {{8, 22}, spPageUp},
        {{8, 23}, spThumb},    {{8, 38}, spThumb},     {{8, 39}, spPageDown}, {{8, 45}, spPageDown},
        {{8, 46}, spLineDown}, {{16, 62}, spLineDown}, {{8, 63}, spNone},     {{17, 10}, spNone},
        {{-1, 10}, spNone},    {{8, -1}, spNone},
    };
    for (const auto& h : hits)
        EXPECT_EQ(ScrollBarHitTest(l, h.p), h.part) << "(" << h.p.X << ", " << h.p.Y << ")";
}

TEST(ScrollBarGeometry, HorizontalBarsFollowTheSameRulesAlongX) {
    const TScrollBarLayout v = LayoutScrollBar(sbVert, 17, 200, Info(0, 99, 50, 25), TScrollBarMetrics{17, 17, 16});
    const TScrollBarLayout h = LayoutScrollBar(sbHorz, 200, 17, Info(0, 99, 50, 25), TScrollBarMetrics{17, 17, 16});
    const auto swap = [](const TRect& r) { return TRect{r.Top, r.Left, r.Bottom, r.Right}; };
    for (const int part : {spLineUp, spLineDown, spPageUp, spPageDown, spThumb})
        EXPECT_EQ(h.PartRect(part), swap(v.PartRect(part))) << part;
    EXPECT_EQ(ScrollBarHitTest(h, TPoint{5, 8}), spLineUp);
    EXPECT_EQ(ScrollBarHitTest(h, TPoint{190, 8}), spLineDown);
    EXPECT_EQ(ScrollBarHitTest(h, TPoint{17 + 41 + 5, 8}), spThumb);
}

TEST(ScrollBarGeometry, ABarShorterThanTwoArrowsShowsTwoHalvesAndNoThumb) {
    const TScrollBarLayout l = LayoutScrollBar(sbVert, 17, 31, Info(0, 26, 4, 11), TScrollBarMetrics{17, 17, 16});
    EXPECT_TRUE(l.HalfArrows);
    EXPECT_EQ(l.ArrowUp, (TRect{0, 0, 17, 15}));
    EXPECT_EQ(l.ArrowDown, (TRect{0, 15, 17, 31}));
    EXPECT_TRUE(l.ThumbRect.IsEmpty());
    EXPECT_TRUE(l.PageUp.IsEmpty());
    EXPECT_TRUE(l.PageDown.IsEmpty());
    EXPECT_EQ(ScrollBarHitTest(l, TPoint{8, 14}), spLineUp);
    EXPECT_EQ(ScrollBarHitTest(l, TPoint{8, 15}), spLineDown);
    EXPECT_EQ(ScrollBarHitTest(l, TPoint{8, 30}), spLineDown);
    // A bar of no length at all hits nothing and divides by nothing.
    const TScrollBarLayout none = LayoutScrollBar(sbVert, 17, 0, Info(0, 26, 4, 11), TScrollBarMetrics{17, 17, 16});
    EXPECT_EQ(ScrollBarHitTest(none, TPoint{0, 0}), spNone);
}

TEST(ScrollBarGeometry, MetricsComeFromTheSkinTheControlOrThePlatform) {
    EXPECT_EQ(ResolveScrollBarMetrics(-1, -1, -1, -1, 17, 16).Thickness, 17);
    EXPECT_EQ(ResolveScrollBarMetrics(-1, -1, -1, -1, 17, 16).ArrowLength, 17);
    EXPECT_EQ(ResolveScrollBarMetrics(12, -1, -1, -1, 17, 16).ArrowLength, 12);  // follows the thickness
    EXPECT_EQ(ResolveScrollBarMetrics(12, 0, -1, -1, 17, 16).ArrowLength, 0);    // the skin's 0 counts
    EXPECT_EQ(ResolveScrollBarMetrics(12, 9, 5, 3, 17, 16).ArrowLength, 5);      // the control's own first
    EXPECT_EQ(ResolveScrollBarMetrics(12, -1, -1, 3, 17, 16).ArrowLength, 3);    // then the bar's
}

TEST(ScrollBarGeometry, DraggedThumbPositionsReachBothEndsAndRoundTrip) {
    const TScrollInfo info = Info(0, 99, 50, 25);
    const TScrollBarLayout l = LayoutScrollBar(sbVert, 17, 200, info, TScrollBarMetrics{17, 17, 16});
    EXPECT_EQ(ThumbPositionAt(info, l, -500), 0);
    EXPECT_EQ(ThumbPositionAt(info, l, 17), 0);
    EXPECT_EQ(ThumbPositionAt(info, l, 17 + l.TrackLength - l.Thumb.Size), 50);
    EXPECT_EQ(ThumbPositionAt(info, l, 5000), 50);
    EXPECT_EQ(MaxScrollPosition(info), 50);
    // Every position puts the thumb where dragging it there gives that position back.
    for (int pos = 0; pos <= 50; ++pos) {
        const TScrollInfo at = Info(0, 99, 50, pos);
        const TScrollBarLayout lp = LayoutScrollBar(sbVert, 17, 200, at, TScrollBarMetrics{17, 17, 16});
        EXPECT_EQ(ThumbPositionAt(at, lp, lp.ThumbRect.Top), pos);
    }
    // Nothing to scroll: the minimum, whatever the drag.
    const TScrollInfo fits = Info(0, 3, 10, 0);
    EXPECT_EQ(ThumbPositionAt(fits, LayoutScrollBar(sbVert, 17, 63, fits, TScrollBarMetrics{}), 40), 0);
}

}  // namespace
}  // namespace tornivex
