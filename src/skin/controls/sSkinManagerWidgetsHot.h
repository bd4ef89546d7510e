#pragma once
// Hot tracking for one skin manager: the window under the mouse and the windowless control
// under it, and the 100 ms timer that notices when the cursor has left the window.
#include <QObject>
#include <QPointer>
#include <QTimer>

namespace tornivex {

class TsSkinManager;

class TSkinHotTracking final : public QObject {
    Q_OBJECT

public:
    static constexpr int CheckInterval = 100; // ms

    explicit TSkinHotTracking(TsSkinManager& manager); // owned by the manager

    QObject* ActiveControl() const { return FActiveControl; }
    QObject* ActiveGraphControl() const { return FActiveGraphControl; }
    // A new window gets command 29 and the previous one 30 (LParam = the manager). A windowless
    // hot control is released first, unless it answers command 37 with data saying the mouse is
    // still above it: then nothing changes.
    void SetActiveControl(QObject* window);
    // The previous windowless hot control gets command 30 with itself as LParam.
    void SetActiveGraphControl(QObject* control);
    // What the timer runs: when the cursor is outside the hot window's rectangle, the window is
    // cleared (command 30), so is the windowless hot control, and the timer stops.
    void CheckHotControl();
    bool IsChecking() const { return TimerCheckHot.isActive(); }

private:
    TsSkinManager& manager_;
    QPointer<QObject> FActiveControl;
    QPointer<QObject> FActiveGraphControl;
    QTimer TimerCheckHot;
};

} // namespace tornivex
