#pragma once
// TacSBAnimation: the hover and press fade of one title button. A 10 ms GUI timer drives Step();
// the provider mixes the button's new frame into its window picture at Opacity().
#include <QObject>
#include <QTimer>

namespace tornivex {

class TsSkinProvider;

class TacSBAnimation : public QObject {
    Q_OBJECT
public:
    static constexpr int Interval = 10;  // ms per step
    static constexpr int Levels = 10;    // steps of a fade-in to hot

    explicit TacSBAnimation(TsSkinProvider* provider);

    // Starts (or turns round) the fade towards `state` (0 normal, 1 hot, 2 pressed).
    void Start(int state);
    // One step of the fade; answers whether another step follows.
    bool Step();
    void Stop();

    bool Running() const { return timer_.isActive(); }
    // The frame being faded in or out (1 hot, 2 pressed), and its opacity 0..255.
    int OverlayState() const { return overlayState_; }
    int Opacity() const;
    int Level() const { return level_; }
    int TargetState() const { return target_; }

private:
    void Tick();

    TsSkinProvider* provider_;
    QTimer timer_;
    int target_ = 0;
    int overlayState_ = -1;
    int level_ = 0;
};

}  // namespace tornivex
