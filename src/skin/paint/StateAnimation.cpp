#include "StateAnimation.h"

#include "DevicePixels.h"

#include "BitmapPrimitives.h"
#include "RectOps.h"
#include "sCommonData.h"

#include "skin/data/SkinCommand.h"
#include "skin/data/SkinEngine.h"
#include "skin/data/sSkinManager.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace tornivex {
namespace {

// Nearest integer, halves to even (the default rounding mode).
int Round(double value) { return static_cast<int>(std::nearbyint(value)); }

std::unique_ptr<TBitmap32> CopyOf(const TBitmap32& bmp) { return std::make_unique<TBitmap32>(bmp); }

}  // namespace

// ---- TacThreadedTimer ------------------------------------------------------------------------

TacThreadedTimer::TacThreadedTimer(QObject* owner) : QObject(owner) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
    if (!QCoreApplication::closingDown()) FEnabled = true;
}

TacThreadedTimer::~TacThreadedTimer() {
    Destroyed = true;
    timer_.stop();
}

void TacThreadedTimer::Sync() {
    if (FEnabled && AnimProc && !Destroyed) timer_.start(FInterval);
    else timer_.stop();
}

void TacThreadedTimer::SetEnabled(bool value) {
    FEnabled = value;
    Sync();
}

void TacThreadedTimer::SetInterval(int milliseconds) {
    FInterval = milliseconds;
    if (timer_.isActive()) Sync();
}

void TacThreadedTimer::Stop() {
    SetEnabled(false);
    FState = -1;
    BmpTo.reset();
    BmpOut.reset();
    BmpFrom.reset();
}

void TacThreadedTimer::CopyFrom(std::unique_ptr<TBitmap32>& slot, const TBitmap32& source, const TRect& rect) {
    if (!slot) slot = std::make_unique<TBitmap32>(rect.Width(), rect.Height());
    else if (slot->Width() != rect.Width() || slot->Height() != rect.Height()) slot->SetSize(rect.Width(), rect.Height());
    paint::CopyRect(*slot, TPoint{}, source, rect);
}

void TacThreadedTimer::InitData(TsCommonData& data, int startIteration, bool fast, int target, TacAnimProc step) {
    SetEnabled(false);
    AnimData = &data;
    Value = 0;
    Glow = std::clamp(Glow, 0.0, 255.0);
    Iterations = fast ? 5 : 10;
    const int previous = FState;
    if (target == 0) {
        Iterations *= 2;
        GlowStep = Glow / Iterations;
    } else if (target == 2) {
        GlowStep = Glow / Iterations;
    } else {
        Iterations = previous <= 0 ? Round((255 - Glow) * 10 / 255) : 10;
        Iterations = std::max(1, Iterations);
        GlowStep = (255 - Glow) / Iterations;
    }
    ValueStep = (255 - Value) / Iterations;
    // Towards pressed, and back to hot from pressed, the fade starts from what is on the screen.
    if ((target == 2 || (target == 1 && previous == 2)) && BmpOut) BmpFrom = CopyOf(*BmpOut);
    if (target == 1 && previous <= 0) Iteration = Round(Glow * 10 / 255);
    else if (target == 0 && previous == 1) Iteration = Glow != 0 ? Round((255 - Glow) * Iterations / 255) : 0;
    else Iteration = BmpOut ? 0 : startIteration;
    FInterval = 10;
    AnimProc = step;
    OldState = previous;
    FState = target;
    SetEnabled(true);
}

void TacThreadedTimer::Tick() {
    if (Executing || !FEnabled || !AnimProc || !AnimData) return;
    Executing = true;
    ++Iteration;
    if (Iteration > Iterations) SetEnabled(false);
    else AnimProc(*AnimData, Iteration);
    Executing = false;
}

void TacThreadedTimer::TimeHandler() {
    if (!FEnabled || !AnimProc || !AnimData) return;
    if (!AnimProc(*AnimData, Iteration)) {
        SetEnabled(false);
        FState = -1;
    }
}

// ---- Fades -----------------------------------------------------------------------------------

bool IsAnimatedEvent(TacAnimatEvent event, TacAnimatEvents events, const TsSkinManager* manager) {
    if (events & event) return true;
    if (!(events & aeGlobalDef)) return false;
    if (!manager) manager = DefaultManager();
    if (!manager) return false;
    const unsigned managerEvents = manager->AnimEffects.Buttons.Events;
    switch (event) {
        case aeMouseEnter: return (managerEvents & beMouseEnter) != 0;
        case aeMouseLeave: return (managerEvents & beMouseLeave) != 0;
        case aeMouseDown: return (managerEvents & beMouseDown) != 0;
        case aeMouseUp: return (managerEvents & beMouseUp) != 0;
        case aeGlobalDef: return false;
    }
    return false;
}

void AnimateStateChange(TsCommonData& data, int target, TacAnimProc step, bool /*glow*/, bool fast, bool animated) {
    if (!data.Skinned()) return;
    const TsSkinManager* manager = data.SkinManager();
    // A cache that was never rendered (or no longer fits the owner) holds no look to fade from.
    const bool cacheCurrent = data.FCacheBmp && !data.FCacheBmp->Empty() && !data.FBGChanged &&
                              (!data.Owner() || (data.FCacheBmp->Width() == paint::DeviceEdge(data.Owner()->Bounds().Width(), data.FCacheRatio) &&
                                                 data.FCacheBmp->Height() == paint::DeviceEdge(data.Owner()->Bounds().Height(), data.FCacheRatio)));
    if (animated && !IsSkinApplying() && !IsLoggingOff() && cacheCurrent && manager &&
        manager->Effects().AllowAnimation) {
        // Glow windows belong to sections with GlowCount above 0; the skins here have none.
        data.FBGChanged = true;
        StartFade(data, target, step, fast);
        return;
    }
    data.Invalidate(false);
}

void StartFade(TsCommonData& data, int target, TacAnimProc step, bool fast) {
    int start = 0;
    if (data.AnimTimer) {
        TacThreadedTimer& t = *data.AnimTimer;
        start = std::max(0, (t.FState == 0 ? 20 : 10) - t.Iteration);
    } else {
        data.AnimTimer = std::make_unique<TacThreadedTimer>();
        data.AnimTimer->Glow = target == 0 ? 255 : 0;
    }
    TacThreadedTimer& timer = *data.AnimTimer;
    if (timer.FState != -1 && timer.FState == target) return;  // already fading there
    TBitmap32& cache = *data.FCacheBmp;
    if (timer.BmpOut && (timer.BmpOut->Width() != cache.Width() || timer.BmpOut->Height() != cache.Height()))
        timer.BmpOut.reset();
    timer.BmpFrom = CopyOf(cache);
    if (data.Owner() && SendSkinCommand(data.Owner()->Object(), scRenderCache) != 0) {
        timer.SetEnabled(false);
        return;
    }
    timer.BmpTo = CopyOf(*data.FCacheBmp);
    timer.InitData(data, start, fast, target, step);
    timer.TimeHandler();
}

bool FadeStep(TsCommonData& data, int iteration) {
    TacThreadedTimer* timer = data.AnimTimer.get();
    if (!timer || timer->Destroyed || !data.Owner() || !data.Owner()->HasWindow() || timer->Iterations <= 0)
        return false;
    if (!timer->BmpFrom || !timer->BmpTo || !data.FCacheBmp) return false;
    const TBitmap32& cache = *data.FCacheBmp;
    TacThreadedTimer::CopyFrom(timer->BmpOut, *timer->BmpFrom, TRect{0, 0, cache.Width(), cache.Height()});
    const int target = timer->FState;
    if (target == 0 || target == 2) timer->Glow -= timer->GlowStep;
    else if (target == 1) timer->Glow += timer->GlowStep;
    else timer->Glow = 255 - static_cast<double>(iteration) / timer->Iterations * 255;
    const int c = std::clamp(Round(timer->Glow), 0, 255);
    paint::BlendBitmapOver(*timer->BmpOut, *timer->BmpTo, target == 1 ? 255 - c : c, TPoint{});
    data.Owner()->ShowFrame(*timer->BmpOut);
    // Putting the frame on the screen may have stopped the fade (the paint found a new state).
    if (!timer->BmpOut || !timer->BmpTo) return false;
    if (iteration < timer->Iterations) {
        // A glow window (only for sections with GlowCount) closes when nearly faded out.
        if (target == 0 && c < 10 && data.GlowID >= 0) timer->Glow = 0;
        return true;
    }
    if (target == 0 && c != 0) {
        // A fade to normal always ends on the normal look.
        timer->Iteration = iteration - 1;
        return FadeStep(data, timer->Iteration);
    }
    if (target == 0) {
        data.StopAnimation();
    } else if (c != (target == 1 ? 255 : 0)) {
        // An interrupted fade that ran out of steps before arriving: the new look, whole.
        *timer->BmpOut = *timer->BmpTo;
        data.Owner()->ShowFrame(*timer->BmpOut);
    }
    return false;
}

}  // namespace tornivex
