#pragma once
// A scroll-bar host that behaves like the platform's scroll bar (line, page and track moves
// within the range) and records timers, scroll actions and repaints, so tests step the bar's
// timers by hand.

#include "TacScrollBar.h"

#include <algorithm>
#include <map>
#include <vector>

namespace tornivex::test {

class FakeScrollHost : public IScrollBarHost {
public:
    TScrollInfo Info{0, 26, 4, 0, 0};
    bool Enabled = true;
    TPoint Cursor;
    std::map<int, int> Timers;  // running timers: id -> interval
    std::vector<int> Sent;      // scroll codes in order
    int Repaints = 0;

    TScrollInfo PlatformScrollInfo() const override { return Info; }
    bool ArrowsEnabled() const override { return Enabled; }
    void SendScroll(int code, int position) override {
        Sent.push_back(code);
        const int step = code == SB_LINEUP || code == SB_LINEDOWN ? 1 : std::max(Info.nPage, 1);
        int pos = Info.nPos;
        if (code == SB_LINEUP || code == SB_PAGEUP) pos -= step;
        else if (code == SB_LINEDOWN || code == SB_PAGEDOWN) pos += step;
        else if (code == SB_THUMBTRACK) pos = position;
        Info.nPos = Info.nTrackPos = std::clamp(pos, Info.nMin, MaxScrollPosition(Info));
    }
    TPoint CursorPos() const override { return Cursor; }
    void StartTimer(int id, int intervalMs) override { Timers[id] = intervalMs; }
    void StopTimer(int id) override { Timers.erase(id); }
    void RepaintBar() override { ++Repaints; }

    int TimerInterval(int id) const {
        const auto it = Timers.find(id);
        return it == Timers.end() ? 0 : it->second;
    }
};

}  // namespace tornivex::test
