#include "TacScrollBar.h"

namespace tornivex {
namespace {

bool Inside(const TRect& r, TPoint p) {
    return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

}  // namespace

TacScrollBar::TacScrollBar(int barType, IScrollBarHost& host) : nBarType(barType), host_(host) {}

void TacScrollBar::SetBounds(int width, int height) {
    width_ = width;
    height_ = height;
}

void TacScrollBar::SetMetrics(const TScrollBarMetrics& metrics) {
    metrics_ = metrics;
    nMinThumbSize = metrics.MinThumbSize;
}

bool TacScrollBar::RefreshScrollInfo() {
    TScrollInfo info = host_.PlatformScrollInfo();
    if (!thumbTracking_) info.nTrackPos = info.nPos;
    else info.nTrackPos = ScrollInfo.nTrackPos;
    if (info == ScrollInfo) return false;
    ScrollInfo = info;
    return true;
}

TScrollBarLayout TacScrollBar::Layout() const {
    TScrollBarMetrics metrics = metrics_;
    metrics.MinThumbSize = nMinThumbSize;
    return LayoutScrollBar(nBarType, width_, height_, ScrollInfo, metrics);
}

bool TacScrollBar::Enabled() const { return host_.ArrowsEnabled(); }

int TacScrollBar::PartState(int part) const {
    if (part == spNone) return 0;
    if (part == spThumb && thumbTracking_) return 2;
    if (pressedPart_ != spNone) return pressedPart_ == part && hotPart_ == part ? 2 : 0;
    return hotPart_ == part ? 1 : 0;
}

void TacScrollBar::SetHotPart(int part) {
    if (part == hotPart_) return;
    hotPart_ = part;
    host_.RepaintBar();
}

void TacScrollBar::SendForPart(int part) {
    host_.SendScroll(part, 0);
    if (RefreshScrollInfo()) {
        // The thumb moved: what lies under a resting cursor may have changed with it.
        hotPart_ = ScrollBarHitTest(Layout(), host_.CursorPos());
        host_.RepaintBar();
    }
}

void TacScrollBar::MouseMove(TPoint p) {
    if (thumbTracking_) {
        const TScrollBarLayout layout = Layout();
        const int along = nBarType == sbVert ? p.Y : p.X;
        const int shownAt = nBarType == sbVert ? layout.ThumbRect.Top : layout.ThumbRect.Left;
        if (along - grabOffset_ == shownAt) return;  // the thumb already lies under the cursor
        const int position = ThumbPositionAt(ScrollInfo, layout, along - grabOffset_);
        if (position != ScrollInfo.nTrackPos) {
            ScrollInfo.nTrackPos = position;
            host_.SendScroll(SB_THUMBTRACK, position);
            RefreshScrollInfo();
            host_.RepaintBar();
        }
        return;
    }
    if (!hoverTimerOn_) {
        hoverTimerOn_ = true;
        host_.StartTimer(HoverTimer, HoverInterval);
    }
    SetHotPart(ScrollBarHitTest(Layout(), p));
}

bool TacScrollBar::MouseDown(TPoint p) {
    RefreshScrollInfo();
    if (!Enabled()) return false;
    const TScrollBarLayout layout = Layout();
    const int part = ScrollBarHitTest(layout, p);
    if (part == spNone) return false;
    hotPart_ = part;
    pressedPart_ = part;
    if (part == spThumb) {
        thumbTracking_ = true;
        ScrollInfo.nTrackPos = ScrollInfo.nPos;
        const int along = nBarType == sbVert ? p.Y : p.X;
        const int start = nBarType == sbVert ? layout.ThumbRect.Top : layout.ThumbRect.Left;
        grabOffset_ = along - start;
        host_.RepaintBar();
        return true;
    }
    host_.RepaintBar();
    SendForPart(part);
    repeatStarted_ = false;
    repeatTimerOn_ = true;
    host_.StartTimer(RepeatTimer, RepeatDelay);
    return true;
}

void TacScrollBar::MouseUp() {
    if (repeatTimerOn_) {
        repeatTimerOn_ = false;
        host_.StopTimer(RepeatTimer);
    }
    const bool wasHeld = pressedPart_ != spNone || thumbTracking_;
    pressedPart_ = spNone;
    thumbTracking_ = false;
    if (wasHeld) {
        RefreshScrollInfo();
        hotPart_ = ScrollBarHitTest(Layout(), host_.CursorPos());
        host_.RepaintBar();
    }
}

void TacScrollBar::MouseLeave() {
    if (pressedPart_ != spNone || thumbTracking_) return;  // the press keeps the mouse
    if (hoverTimerOn_) {
        hoverTimerOn_ = false;
        host_.StopTimer(HoverTimer);
    }
    SetHotPart(spNone);
}

void TacScrollBar::TimerTick(int id) {
    if (id == HoverTimer) {
        if (!hoverTimerOn_) return;
        const TPoint p = host_.CursorPos();
        if (!Inside(TRect{0, 0, width_, height_}, p)) {
            if (pressedPart_ == spNone && !thumbTracking_) {
                hoverTimerOn_ = false;
                host_.StopTimer(HoverTimer);
            }
            SetHotPart(spNone);
            return;
        }
        if (!thumbTracking_) SetHotPart(ScrollBarHitTest(Layout(), p));
        return;
    }
    if (id != RepeatTimer || !repeatTimerOn_) return;
    if (pressedPart_ == spNone || pressedPart_ == spThumb) {
        repeatTimerOn_ = false;
        host_.StopTimer(RepeatTimer);
        return;
    }
    if (!repeatStarted_) {
        repeatStarted_ = true;
        host_.StartTimer(RepeatTimer, RepeatInterval);
    }
    // The repeat pauses while the cursor is off the held part and resumes when it returns.
    const int under = ScrollBarHitTest(Layout(), host_.CursorPos());
    const bool wasOn = hotPart_ == pressedPart_;
    hotPart_ = under;
    if (under == pressedPart_) SendForPart(pressedPart_);
    if (wasOn != (hotPart_ == pressedPart_)) host_.RepaintBar();
}

void TacScrollBar::Reset() {
    const bool changed = hotPart_ != spNone || pressedPart_ != spNone || thumbTracking_;
    if (hoverTimerOn_) host_.StopTimer(HoverTimer);
    if (repeatTimerOn_) host_.StopTimer(RepeatTimer);
    hoverTimerOn_ = repeatTimerOn_ = repeatStarted_ = false;
    hotPart_ = pressedPart_ = spNone;
    thumbTracking_ = false;
    if (changed) host_.RepaintBar();
}

}  // namespace tornivex
