#include "acSBAnimation.h"

#include "sSkinProvider.h"

namespace tornivex {

TacSBAnimation::TacSBAnimation(TsSkinProvider* provider) : provider_(provider) {
    timer_.setInterval(Interval);
    connect(&timer_, &QTimer::timeout, this, &TacSBAnimation::Tick);
}

void TacSBAnimation::Start(int state) {
    target_ = state;
    if (state == 2) {
        // Pressing shows the pressed frame at once.
        overlayState_ = 2;
        level_ = Levels;
        timer_.stop();
        provider_->RepaintCloseButton();
        return;
    }
    if (state == 1) {
        if (overlayState_ != 1) level_ = overlayState_ == 2 ? Levels : 0;
        overlayState_ = 1;
    }
    timer_.start();
}

int TacSBAnimation::Opacity() const {
    if (overlayState_ < 0 || level_ <= 0) return 0;
    return level_ >= Levels ? 255 : level_ * (255 / Levels);
}

bool TacSBAnimation::Step() {
    if (target_ > 0) {
        if (level_ < Levels) ++level_;
    } else if (level_ > 0) {
        --level_;
    }
    provider_->RepaintCloseButton();
    const bool more = target_ > 0 ? level_ < Levels : level_ > 0;
    if (!more) {
        timer_.stop();
        if (target_ == 0) overlayState_ = -1;
        provider_->AnimationFinished(this);
    }
    return more;
}

void TacSBAnimation::Stop() {
    timer_.stop();
    overlayState_ = -1;
    level_ = 0;
}

void TacSBAnimation::Tick() { Step(); }

}  // namespace tornivex
