// Mouse handling of a skinned scroll bar, stepped through its timers by hand.
#include "FakeScrollHost.h"

#include <gtest/gtest.h>

namespace tornivex {
namespace {

using test::FakeScrollHost;

// A 17 x 63 vertical bar over 27 lines with 4 visible: arrows 0..17 and 46..63.
class ScrollBarInput : public ::testing::Test {
protected:
    ScrollBarInput() : bar(sbVert, host) {
        bar.SetBounds(17, 63);
        bar.SetMetrics(TScrollBarMetrics{17, 17, 16});
        bar.RefreshScrollInfo();
    }
    void PressAt(TPoint p) {
        host.Cursor = p;
        bar.MouseMove(p);
        ASSERT_TRUE(bar.MouseDown(p));
    }
    void Tick(int id) { bar.TimerTick(id); }

    FakeScrollHost host;
    TacScrollBar bar;
    const TPoint downArrow{8, 55};
    const TPoint upArrow{8, 5};
};

TEST_F(ScrollBarInput, HoldingTheDownArrowScrollsAtOnceAfter300MsThenEvery55Ms) {
    PressAt(downArrow);
    EXPECT_EQ(host.Info.nPos, 1);  // one line at once
    EXPECT_EQ(host.TimerInterval(TacScrollBar::RepeatTimer), 300);
    EXPECT_EQ(bar.PartState(spLineDown), 2);

    Tick(TacScrollBar::RepeatTimer);  // the 300 ms delay is over
    EXPECT_EQ(host.Info.nPos, 2);
    EXPECT_EQ(host.TimerInterval(TacScrollBar::RepeatTimer), 55);
    Tick(TacScrollBar::RepeatTimer);
    Tick(TacScrollBar::RepeatTimer);
    EXPECT_EQ(host.Info.nPos, 4);
    EXPECT_EQ(host.TimerInterval(TacScrollBar::RepeatTimer), 55);

    // Off the arrow the repeat pauses and the arrow no longer looks pressed; back on, it goes on.
    host.Cursor = TPoint{40, 55};
    bar.MouseMove(host.Cursor);
    Tick(TacScrollBar::RepeatTimer);
    Tick(TacScrollBar::RepeatTimer);
    EXPECT_EQ(host.Info.nPos, 4);
    EXPECT_EQ(bar.PartState(spLineDown), 0);
    host.Cursor = downArrow;
    Tick(TacScrollBar::RepeatTimer);
    EXPECT_EQ(host.Info.nPos, 5);
    EXPECT_EQ(bar.PartState(spLineDown), 2);

    bar.MouseUp();
    EXPECT_EQ(host.TimerInterval(TacScrollBar::RepeatTimer), 0);
    EXPECT_EQ(bar.PressedPart(), spNone);
    EXPECT_EQ(bar.PartState(spLineDown), 1);  // released under the mouse: hot again
    Tick(TacScrollBar::RepeatTimer);          // a late tick does nothing
    EXPECT_EQ(host.Info.nPos, 5);
    EXPECT_EQ(host.Sent, (std::vector<int>{1, 1, 1, 1, 1}));
}

TEST_F(ScrollBarInput, TheUpArrowStopsAtTheTopAndTheTrackPagesUntilTheThumbReachesTheCursor) {
    PressAt(upArrow);
    EXPECT_EQ(host.Info.nPos, 0);
    EXPECT_EQ(host.Sent, (std::vector<int>{SB_LINEUP}));
    bar.MouseUp();

    // Track below the thumb near the bottom arrow: pages of 4 until the thumb covers the cursor.
    PressAt(TPoint{8, 44});
    EXPECT_EQ(host.Info.nPos, 4);
    for (int i = 0; i < 10; ++i) Tick(TacScrollBar::RepeatTimer);
    EXPECT_EQ(host.Info.nPos, 23);  // the last page
    EXPECT_EQ(bar.Layout().ThumbRect, (TRect{0, 30, 17, 46}));
    bar.MouseUp();
    for (const int code : host.Sent) EXPECT_TRUE(code == SB_LINEUP || code == SB_PAGEDOWN);
}

TEST_F(ScrollBarInput, HotTrackingRepaintsOnlyWhenThePartUnderTheCursorChanges) {
    host.Cursor = upArrow;
    bar.MouseMove(upArrow);
    EXPECT_EQ(host.TimerInterval(TacScrollBar::HoverTimer), 20);
    EXPECT_EQ(bar.HotPart(), spLineUp);
    EXPECT_EQ(bar.PartState(spLineUp), 1);
    const int afterEnter = host.Repaints;
    EXPECT_EQ(afterEnter, 1);

    Tick(TacScrollBar::HoverTimer);
    Tick(TacScrollBar::HoverTimer);
    host.Cursor = TPoint{3, 9};  // still the same arrow
    Tick(TacScrollBar::HoverTimer);
    EXPECT_EQ(host.Repaints, afterEnter);

    host.Cursor = TPoint{8, 20};  // the thumb at the top
    Tick(TacScrollBar::HoverTimer);
    EXPECT_EQ(bar.HotPart(), spThumb);
    EXPECT_EQ(host.Repaints, afterEnter + 1);

    host.Cursor = TPoint{30, 20};  // left the bar: the timer stops and the hot look goes
    Tick(TacScrollBar::HoverTimer);
    EXPECT_EQ(bar.HotPart(), spNone);
    EXPECT_EQ(host.TimerInterval(TacScrollBar::HoverTimer), 0);
    EXPECT_EQ(host.Repaints, afterEnter + 2);
    Tick(TacScrollBar::HoverTimer);
    EXPECT_EQ(host.Repaints, afterEnter + 2);
}

TEST_F(ScrollBarInput, DraggingTheThumbTracksToBothEndsAndAGrabAloneDoesNotScroll) {
    host.Info.nPos = 11;
    bar.RefreshScrollInfo();
    const TRect thumb = bar.Layout().ThumbRect;
    ASSERT_EQ(thumb, (TRect{0, 23, 17, 39}));
    PressAt(TPoint{8, 30});
    EXPECT_TRUE(bar.ThumbTracking());
    EXPECT_EQ(bar.PartState(spThumb), 2);
    bar.MouseMove(TPoint{8, 30});
    EXPECT_TRUE(host.Sent.empty());
    EXPECT_EQ(host.Info.nPos, 11);

    bar.MouseMove(TPoint{8, -200});  // far above the bar
    EXPECT_EQ(host.Info.nPos, 0);
    EXPECT_EQ(bar.Layout().ThumbRect.Top, 17);
    bar.MouseMove(TPoint{60, 400});  // far below and beside it: tracking keeps the mouse
    EXPECT_EQ(host.Info.nPos, 23);
    EXPECT_EQ(bar.Layout().ThumbRect.Bottom, 46);
    for (const int code : host.Sent) EXPECT_EQ(code, SB_THUMBTRACK);

    // The thumb follows the cursor pixel by pixel where it can.
    bar.MouseMove(TPoint{8, 30});
    EXPECT_EQ(bar.Layout().ThumbRect.Top, 23);
    bar.MouseUp();
    EXPECT_FALSE(bar.ThumbTracking());
    EXPECT_EQ(bar.PartState(spThumb), 1);
}

TEST_F(ScrollBarInput, ADisabledBarTakesNoPressAndAResetClearsEverything) {
    host.Enabled = false;
    host.Cursor = downArrow;
    EXPECT_FALSE(bar.MouseDown(downArrow));
    EXPECT_TRUE(host.Sent.empty());
    EXPECT_EQ(bar.PressedPart(), spNone);

    host.Enabled = true;
    PressAt(downArrow);
    bar.Reset();
    EXPECT_EQ(bar.PressedPart(), spNone);
    EXPECT_EQ(bar.HotPart(), spNone);
    EXPECT_TRUE(host.Timers.empty());
}

TEST_F(ScrollBarInput, HalfArrowsStillScroll) {
    bar.SetBounds(17, 20);
    PressAt(TPoint{8, 15});
    EXPECT_EQ(host.Info.nPos, 1);
    bar.MouseUp();
    PressAt(TPoint{8, 2});
    EXPECT_EQ(host.Info.nPos, 0);
}

}  // namespace
}  // namespace tornivex
