#pragma once
// The skin command message: an event of type 0xA100 carrying a command number (the high word
// of the original message parameter), a small argument (low word), a pointer-sized LParam and
// a result the receiver fills in. Delivered synchronously, so the sender reads the result at once.
#include <QCoreApplication>
#include <QEvent>

#include <cstdint>

namespace tornivex {

constexpr int SkinCommand = 0xA100;

// Command numbers.
enum TacSkinCommandId : int {
    scSetNewSkin = 1,         // a skin was loaded and is applied (LParam = manager)
    scRemoveSkin = 2,         // the skin is removed (LParam = manager)
    scRefresh = 3,            // repaint after a change (LParam = manager)
    scGetProvider = 4,        // a form answers with its skin provider, or 0
    scParentFinished = 6,     // the parent finished updating
    scIsSkinned = 7,          // answer 1 when taking part in skinning
    scSetUpdating = 8,        // low word 1 = updating
    scGetSkinIndex = 9,       // answer section index + 1
    scIsNotReady = 10,        // answer 1 while the background is not ready
    scIsHalfVisible = 11,
    scUpdateSection = 13,     // LParam = upper-cased section name (const QString*)
    scSetSection = 15,
    scStopAnimation = 16,     // start of a repaint of all forms
    scSetBGChanged = 17,
    scInvalidate = 18,
    scCanRepaintIfMoved = 19,
    scCheckMoved = 20,
    scGetControlColor = 21,
    scSetHalfVisible = 22,
    scRenderCache = 23,
    scGetSkinIndexInto = 26,
    scMouseEnter = 29,        // LParam = manager
    scMouseLeave = 30,        // LParam = manager, or the windowless control itself
    scBeginUpdate = 31,
    scEndUpdate = 32,
    scClearCache = 33,
    scGetBackground = 34,     // LParam = BackgroundQuery*
    scUpdateSkinState = 36,
    scGetCommonData = 37,     // answer the control's TsCommonData*
    scPrinting = 38,
    scOuterEffects = 40,
    scScrollSizeChanged = 53,
    scGetApplication = 60,
    scGetFontSection = 66,
    scGetBounds = 70,
};

class TSkinCommandEvent : public QEvent {
public:
    TSkinCommandEvent(int command, std::intptr_t lparam = 0, int low = 0)
        : QEvent(static_cast<QEvent::Type>(SkinCommand)), command_(command), low_(low),
          lparam_(lparam) {}

    int Command() const { return command_; }
    int LowWord() const { return low_; }
    std::intptr_t LParam() const { return lparam_; }
    template <typename T> T* LParamAs() const { return reinterpret_cast<T*>(lparam_); }

    std::intptr_t Result() const { return result_; }
    void SetResult(std::intptr_t result) { result_ = result; }
    // Set by a receiver that dealt with the command (the "handled" answer of the handlers).
    bool Handled() const { return handled_; }
    void SetHandled(bool handled = true) { handled_ = handled; }

private:
    int command_;
    int low_;
    std::intptr_t lparam_;
    std::intptr_t result_ = 0;
    bool handled_ = false;
};

inline bool IsSkinCommand(const QEvent* event) {
    return event && event->type() == static_cast<QEvent::Type>(SkinCommand);
}

// Sends a skin command synchronously and answers the receiver's result (0 when none).
inline std::intptr_t SendSkinCommand(QObject* target, int cmd, std::intptr_t lparam = 0,
                                     int low = 0) {
    if (!target) return 0;
    TSkinCommandEvent event(cmd, lparam, low);
    QCoreApplication::sendEvent(target, &event);
    return event.Result();
}

} // namespace tornivex
