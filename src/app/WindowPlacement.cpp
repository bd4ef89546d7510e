#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "PlatformMetrics.h"

namespace tornivex {
namespace {

// The frame's size and the client's offset inside it.
QRect FrameOf(const QWidget* window) {
    if (window->isVisible() && window->frameGeometry() != window->geometry()) {
        return window->frameGeometry();
    }
    using namespace platform;
    const QRect client = window->geometry();
    if (window->windowFlags() & Qt::FramelessWindowHint) return client;
    return client.adjusted(-DialogFrameWidth, -TitleStripHeight, DialogFrameWidth,
                           DialogFrameWidth);
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
