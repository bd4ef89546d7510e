#pragma once
// State fades of skinned controls: when the look changes (mouse enters or leaves, a button goes
// down or up), the old and the new cache are cross-faded on the screen in a few steps, one every
// 10 ms on a GUI timer. The timer keeps the fade position (`Glow`, 0 = normal look arrived,
// 255 = hot look arrived) so that an interrupted fade continues from what is on the screen.
//
// Tests drive a fade without waiting: Tick() is exactly what the GUI timer runs.

#include "skin/data/Bitmap32.h"
#include "skin/data/Geometry.h"

#include <QObject>
#include <QTimer>

#include <memory>

namespace tornivex {

class TsCommonData;
class TsSkinManager;

// The step function of a fade: state object and iteration in, whether to go on out.
using TacAnimProc = bool (*)(TsCommonData& data, int iteration);

class TacThreadedTimer : public QObject {
public:
    explicit TacThreadedTimer(QObject* owner = nullptr);
    ~TacThreadedTimer() override;

    bool FEnabled = false;
    int FInterval = 1000;  // milliseconds
    int FState = -1;       // target of the running or last fade; -1 = idle
    bool Executing = false;
    double Glow = 0;       // 0..255: 0 = the normal look has arrived, 255 = the hot look
    double GlowStep = 0;
    double Value = 0;      // reset by InitData, not read by fades
    double ValueStep = 0;
    int OldState = -1;
    int Iteration = 0;
    int Iterations = 10;
    int ThreadType = 0;    // 1 = drives a glow window only
    std::unique_ptr<TBitmap32> BmpTo;    // the new look
    std::unique_ptr<TBitmap32> BmpOut;   // what was last put on the screen
    std::unique_ptr<TBitmap32> BmpFrom;  // the old look
    TsCommonData* AnimData = nullptr;
    bool Destroyed = false;
    TacAnimProc AnimProc = nullptr;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    void SetInterval(int milliseconds);

    // Prepares a fade towards `target` (0 normal, 1 hot, 2 pressed) and enables the timer.
    void InitData(TsCommonData& data, int startIteration, bool fast, int target, TacAnimProc step);
    // One tick of the GUI timer: the next iteration, or the end of the fade.
    void Tick();
    // Runs the step for the current iteration now; a "stop" answer ends the fade (state -1).
    void TimeHandler();
    // Disables the timer, forgets the target and frees the three pictures.
    void Stop();

    // Gives `slot` the size of `rect` (creating it when empty) and copies that part of `source`.
    static void CopyFrom(std::unique_ptr<TBitmap32>& slot, const TBitmap32& source, const TRect& rect);

private:
    void Sync();
    QTimer timer_;
};

// Events that may animate (`AnimatEvents` of a control). aeGlobalDef defers to the manager's
// button animation events.
enum TacAnimatEvent : unsigned {
    aeMouseEnter = 1,
    aeMouseLeave = 2,
    aeMouseDown = 4,
    aeMouseUp = 8,
    aeGlobalDef = 16,
};
using TacAnimatEvents = unsigned;

bool IsAnimatedEvent(TacAnimatEvent event, TacAnimatEvents events, const TsSkinManager* manager = nullptr);

// Fades the control to `target` when `animated` and everything allows it (a current cache, no
// skin change or session end under way, the manager's AllowAnimation); otherwise invalidates.
void AnimateStateChange(TsCommonData& data, int target, TacAnimProc step, bool glow, bool fast, bool animated);
// Captures the old look, has the owner render the new one (skin command 23), starts the timer
// and runs the first step at once.
void StartFade(TsCommonData& data, int target, TacAnimProc step, bool fast);
// The step function of buttons: blends the new look over the old by the fade position and puts
// the result on the screen.
bool FadeStep(TsCommonData& data, int iteration);

}  // namespace tornivex
