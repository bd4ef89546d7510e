#include "sSkinManagerWidgetsHot.h"

#include <QCursor>
#include <QWidget>

#include "skin/data/SkinCommand.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/sCommonData.h"

namespace tornivex {
namespace {

std::intptr_t AsLParam(const void* p) { return reinterpret_cast<std::intptr_t>(p); }

// Command 37 answers the control's common data; its mouse flag says whether it is still hot.
bool KeepsHotState(QObject* control) {
    const auto* data = reinterpret_cast<const TsCommonData*>(SendSkinCommand(control, scGetCommonData));
    return data && data->FMouseAbove;
}

bool IsCursorOutside(const QObject* window) {
    const auto* widget = qobject_cast<const QWidget*>(window);
    if (!widget || !widget->isVisible()) return true;
    return !widget->rect().contains(widget->mapFromGlobal(QCursor::pos()));
}

} // namespace

TSkinHotTracking::TSkinHotTracking(TsSkinManager& manager) : QObject(&manager), manager_(manager) {
    TimerCheckHot.setInterval(CheckInterval);
    connect(&TimerCheckHot, &QTimer::timeout, this, &TSkinHotTracking::CheckHotControl);
}

void TSkinHotTracking::SetActiveControl(QObject* window) {
    if (window == FActiveControl) return;
    if (FActiveGraphControl) {
        if (KeepsHotState(FActiveGraphControl)) return;
        SetActiveGraphControl(nullptr);
    }
    // A receiver may change the hot window while it handles its command: read our own state
    // again after every send.
    QPointer<QObject> previous = FActiveControl;
    FActiveControl = window;
    if (previous) SendSkinCommand(previous, scMouseLeave, AsLParam(&manager_));
    if (FActiveControl && FActiveControl == window) {
        SendSkinCommand(window, scMouseEnter, AsLParam(&manager_));
        TimerCheckHot.start();
    } else if (!FActiveControl) {
        TimerCheckHot.stop();
    }
}

void TSkinHotTracking::SetActiveGraphControl(QObject* control) {
    if (control == FActiveGraphControl) return;
    QPointer<QObject> previous = FActiveGraphControl;
    FActiveGraphControl = control;
    if (previous) SendSkinCommand(previous, scMouseLeave, AsLParam(previous.data()));
}

void TSkinHotTracking::CheckHotControl() {
    if (!FActiveControl) {
        TimerCheckHot.stop();
        return;
    }
    if (!IsCursorOutside(FActiveControl)) return;
    QPointer<QObject> previous = FActiveControl;
    FActiveControl = nullptr;
    TimerCheckHot.stop();
    SendSkinCommand(previous, scMouseLeave, AsLParam(&manager_));
    if (FActiveGraphControl) {
        QPointer<QObject> graphic = FActiveGraphControl;
        FActiveGraphControl = nullptr;
        SendSkinCommand(graphic, scMouseLeave, AsLParam(graphic.data()));
    }
}

} // namespace tornivex
