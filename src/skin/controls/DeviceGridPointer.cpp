#include "DeviceGridPointer.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include <cmath>

namespace tornivex {

namespace {

// A fraction just under a whole number is that number: device / ratio need not be exact.
double WholeLogicalPixel(double logical) { return std::floor(logical + 1e-6); }

}  // namespace

void TDeviceGridPointer::Attach(QWidget* form) {
    QWindow* window = form ? form->windowHandle() : nullptr;
    if (!window) return;
    // Found again by its name (the class has no meta-object of its own to search by).
    static const QString name = QStringLiteral("TDeviceGridPointer");
    QObject* filter = window->findChild<QObject*>(name, Qt::FindDirectChildrenOnly);
    if (!filter) {
        filter = new TDeviceGridPointer(window);
        filter->setObjectName(name);
    }
    window->installEventFilter(filter);  // once: installing again only moves it to the front
}

bool TDeviceGridPointer::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        break;
    default:
        return false;
    }
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPointF at = mouse->position();
    const QPointF whole(WholeLogicalPixel(at.x()), WholeLogicalPixel(at.y()));
    if (whole == at) return false;
    // The same event at the whole pixel; the window gets it instead (and passes it here again,
    // now whole, so it goes through).
    const QPointF shift = whole - at;
    QMouseEvent snapped(mouse->type(), whole, mouse->scenePosition() + shift, mouse->globalPosition() + shift,
                        mouse->button(), mouse->buttons(), mouse->modifiers(), mouse->pointingDevice());
    snapped.setTimestamp(mouse->timestamp());
    QCoreApplication::sendEvent(watched, &snapped);
    event->setAccepted(snapped.isAccepted());
    return true;
}

}  // namespace tornivex
