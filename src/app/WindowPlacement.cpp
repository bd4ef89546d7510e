#include "WindowPlacement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "PlatformMetrics.h"

namespace tornivex {
namespace {

// Frame margins around a client area: left, top, right, bottom.
struct Margins {
    int left, top, right, bottom;
};

bool HasRealFrame(const QWidget* window) {
    return window->isVisible() && window->frameGeometry() != window->geometry();
}

Margins MarginsOf(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

// A window not shown yet has no frame of its own: take the margins the desktop gave another
// window, or else those of a dialog frame.
Margins FrameMargins(const QWidget* window) {
    if (window->windowFlags() & Qt::FramelessWindowHint) return {0, 0, 0, 0};
    if (HasRealFrame(window)) return MarginsOf(window);
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other != window && HasRealFrame(other) &&
            !(other->windowFlags() & Qt::FramelessWindowHint)) {
            return MarginsOf(other);
        }
    }
    using namespace platform;
    return {DialogFrameWidth, TitleStripHeight, DialogFrameWidth, DialogFrameWidth};
}

QRect FrameOf(const QWidget* window) {
    const Margins m = FrameMargins(window);
    return window->geometry().adjusted(-m.left, -m.top, m.right, m.bottom);
}

// A top-level window's position is the position of its frame.
void MoveFrameTo(QWidget* window, const QPoint& frameTopLeft) { window->move(frameTopLeft); }

}  // namespace

void CenterOnDesktop(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect desktop = screen->availableGeometry();
    const QRect frame = FrameOf(window);
    MoveFrameTo(window, {desktop.x() + (desktop.width() - frame.width()) / 2,
                         desktop.y() + (desktop.height() - frame.height()) / 2});
}

void CenterOver(QWidget* window, const QWidget* over) {
    const QRect target = FrameOf(over);
    const QRect frame = FrameOf(window);
    MoveFrameTo(window, {target.x() + (target.width() - frame.width()) / 2,
                         target.y() + (target.height() - frame.height()) / 2});
}

}  // namespace tornivex
