#pragma once
// One skinned scroll bar: its layout, the part under the mouse and the part held down, and the
// mouse handling with hot tracking (20 ms), auto-repeat (300 ms, then every 55 ms) and thumb
// dragging. The platform keeps the scroll position: the bar reads it through its host and only
// sends the platform's scroll actions. Timers and the cursor come from the host, so the whole
// behaviour can be stepped without a clock.

#include "ScrollBarGeometry.h"

namespace tornivex {

// What a bar needs from the window it sits on.
class IScrollBarHost {
public:
    virtual ~IScrollBarHost() = default;
    virtual TScrollInfo PlatformScrollInfo() const = 0;
    // False when the platform reports both arrows disabled or the control is disabled.
    virtual bool ArrowsEnabled() const = 0;
    virtual void SendScroll(int code, int position) = 0;
    virtual TPoint CursorPos() const = 0;  // in the bar's coordinates
    virtual void StartTimer(int id, int intervalMs) = 0;  // (re)starts a repeating timer
    virtual void StopTimer(int id) = 0;
    virtual void RepaintBar() = 0;
};

class TacScrollBar {
public:
    static constexpr int HoverTimer = 1;
    static constexpr int RepeatTimer = 2;
    static constexpr int HoverInterval = 20;
    static constexpr int RepeatDelay = 300;
    static constexpr int RepeatInterval = 55;
    static constexpr int DefaultMinThumbSize = 16;

    TacScrollBar(int barType, IScrollBarHost& host);

    const int nBarType;
    bool fScrollVisible = true;
    TScrollInfo ScrollInfo;      // the platform's values as last read
    int nMinThumbSize = DefaultMinThumbSize;
    int ArrowSize = -1;          // the bar's own arrow length; -1 = the default

    // Size and metrics the layout uses; both set by the window that owns the bar.
    void SetBounds(int width, int height);
    void SetMetrics(const TScrollBarMetrics& metrics);
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Reads the platform's values again; answers whether they changed.
    bool RefreshScrollInfo();
    TScrollBarLayout Layout() const;
    bool Enabled() const;

    int HotPart() const { return hotPart_; }
    int PressedPart() const { return pressedPart_; }
    bool ThumbTracking() const { return thumbTracking_; }
    // The state a part is painted in: 2 while held with the cursor on it (the thumb while
    // dragged), 1 under the mouse, else 0.
    int PartState(int part) const;

    // Mouse input in the bar's coordinates; MouseDown answers whether it took the press.
    void MouseMove(TPoint p);
    bool MouseDown(TPoint p);
    void MouseUp();
    void MouseLeave();
    void TimerTick(int id);
    // Drops hot, pressed and tracking state (capture lost, disabled, hidden).
    void Reset();

private:
    void SetHotPart(int part);
    void SendForPart(int part);

    IScrollBarHost& host_;
    TScrollBarMetrics metrics_;
    int width_ = 0;
    int height_ = 0;
    int hotPart_ = spNone;
    int pressedPart_ = spNone;
    bool thumbTracking_ = false;
    bool hoverTimerOn_ = false;
    bool repeatTimerOn_ = false;
    bool repeatStarted_ = false;  // the 300 ms delay has passed
    int grabOffset_ = 0;          // where along the thumb it was grabbed
};

}  // namespace tornivex
