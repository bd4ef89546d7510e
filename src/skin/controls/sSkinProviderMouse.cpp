// The mouse on the provider's frame: the close button's hover, press and release, moving the
// window by its title strip, and the system menu (right click on the caption, Alt+Space).
#include "sSkinProvider.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QWindow>

#include "acSBAnimation.h"
#include "skin/data/SkinEngine.h"
#include "skin/data/sSkinManager.h"

namespace tornivex {
namespace {

bool OnCaption(unsigned hit) { return hit == paint::htCaption || hit == paint::htSysMenu; }

}  // namespace

void TsSkinProvider::SetCloseState(int state) {
    paint::TsCaptionButton& close = layout_.ButtonClose;
    if (close.State == state || close.Rect.IsEmpty()) return;
    close.State = state;
    const TsSkinManager* manager = skinData_->SkinManager();
    const bool animate = manager && manager->Effects().AllowGlowing;
    if (animate) {
        if (!closeAnimation_) closeAnimation_ = std::make_unique<TacSBAnimation>(this);
        closeAnimation_->Start(state);
    } else {
        RepaintCloseButton();
    }
}

void TsSkinProvider::AnimationFinished(TacSBAnimation* animation) {
    // A fade-in that ends with the cursor gone from the button counts as leaving it.
    if (animation->TargetState() != 1) return;
    const QPoint at = form_->mapFromGlobal(QCursor::pos());
    if (HitTest(at) != paint::htClose) {
        CurrentHT = 0;
        SetCloseState(0);
    }
}

void TsSkinProvider::ClearPressAndHot() {
    closePressed_ = false;
    captionPressed_ = false;
    manualMove_ = false;
    CurrentHT = 0;
    SetCloseState(0);
}

void TsSkinProvider::MoveWindowBy(QPoint globalPos) {
    form_->move(pressWindowPos_ + (globalPos - pressGlobal_));
}

void TsSkinProvider::PressCloseButton() {
    if (layout_.ButtonClose.Rect.IsEmpty() && Skinned()) return;
    if (!(desktopFlags_ & Qt::WindowCloseButtonHint)) return;
    form_->close();
}

bool TsSkinProvider::FormMouseEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint global = mouse->globalPosition().toPoint();
        if (manualMove_ && !(mouse->buttons() & Qt::LeftButton)) {
            manualMove_ = false;  // the release went elsewhere (the window hid meanwhile): the drag is over
        } else if (manualMove_) {
            MoveWindowBy(global);
            return true;
        }
        if (captionPressed_ && (mouse->buttons() & Qt::LeftButton)) {
            // The move starts with the first move after the press, so clicks stay clicks.
            captionPressed_ = false;
            QWindow* window = form_->windowHandle();
            if (window && window->startSystemMove()) {
                ClearPressAndHot();  // the desktop moves it; no release will follow
            } else {
                manualMove_ = true;
                MoveWindowBy(global);
            }
            return true;
        }
        const unsigned hit = HitTest(mouse->position().toPoint());
        CurrentHT = hit == paint::htClose ? hit : 0;
        if (closePressed_) SetCloseState(hit == paint::htClose ? 2 : 0);
        else SetCloseState(hit == paint::htClose ? 1 : 0);
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        swallowRelease_ = false;
        const unsigned hit = HitTest(mouse->position().toPoint());
        if (mouse->button() == Qt::LeftButton && hit == paint::htClose) {
            closePressed_ = true;
            SetCloseState(2);
            return true;
        }
        if (mouse->button() == Qt::LeftButton && OnCaption(hit)) {
            captionPressed_ = true;
            pressGlobal_ = mouse->globalPosition().toPoint();
            pressWindowPos_ = form_->pos();
            return true;
        }
        if (mouse->button() == Qt::RightButton && OnCaption(hit)) return true;  // menu on release
        return false;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const unsigned hit = HitTest(mouse->position().toPoint());
        if (mouse->button() == Qt::RightButton && OnCaption(hit)) {
            DropSysMenu(mouse->globalPosition().toPoint());
            return true;
        }
        if (swallowRelease_) {
            swallowRelease_ = false;
            return true;
        }
        if (mouse->button() != Qt::LeftButton) return false;
        const bool wasPressed = closePressed_;
        const bool wasMoving = manualMove_ || captionPressed_;
        closePressed_ = captionPressed_ = manualMove_ = false;
        if (wasPressed && hit == paint::htClose) {
            SetCloseState(0);
            PressCloseButton();
            return true;
        }
        SetCloseState(hit == paint::htClose ? 1 : 0);
        return wasPressed || wasMoving;
    }
    case QEvent::Leave:
        if (!closePressed_) {
            CurrentHT = 0;
            SetCloseState(0);
        }
        return false;
    default:
        return false;
    }
}

void TsSkinProvider::StartMenuMove() {
    if (menuMove_ || !form_->isVisible()) return;
    ClearPressAndHot();
    pressGlobal_ = QCursor::pos();
    pressWindowPos_ = menuMoveStart_ = form_->pos();
    menuMove_ = true;
    // A Wayland client cannot place itself, and compositors begin their interactive move only
    // while a button is held: the move waits for the next press and hands it over then. That
    // press must go to the frame itself, not to the control under it (Qt would keep sending the
    // moves after the compositor's move to that control, which never sees a release), so the
    // client area lets the mouse through meanwhile.
    systemMenuMove_ = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    if (systemMenuMove_) {
        if (client_) client_->setAttribute(Qt::WA_TransparentForMouseEvents, true);
        QGuiApplication::setOverrideCursor(Qt::SizeAllCursor);
    } else {
        form_->grabMouse();
    }
    form_->grabKeyboard();
}

void TsSkinProvider::EndMenuMove(bool keepPosition) {
    if (!menuMove_) return;
    menuMove_ = false;
    // Released whatever ends the move: a grab left behind takes every click from the window.
    if (systemMenuMove_) {
        if (client_) client_->setAttribute(Qt::WA_TransparentForMouseEvents, false);
        QGuiApplication::restoreOverrideCursor();
    } else {
        form_->releaseMouse();
    }
    form_->releaseKeyboard();
    if (!keepPosition) form_->move(menuMoveStart_);
}

bool TsSkinProvider::MenuMoveEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove:
        if (!systemMenuMove_) MoveWindowBy(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const bool handOver = systemMenuMove_ && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        EndMenuMove(true);
        swallowRelease_ = true;
        if (QWindow* window = form_->windowHandle(); handOver && window) window->startSystemMove();
        return true;
    }
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        const int step = key->modifiers() & Qt::ControlModifier ? 1 : 10;
        QPoint by;
        switch (key->key()) {
        case Qt::Key_Escape: EndMenuMove(false); return true;
        case Qt::Key_Return:
        case Qt::Key_Enter: EndMenuMove(true); return true;
        case Qt::Key_Left: by = QPoint(-step, 0); break;
        case Qt::Key_Right: by = QPoint(step, 0); break;
        case Qt::Key_Up: by = QPoint(0, -step); break;
        case Qt::Key_Down: by = QPoint(0, step); break;
        default: return true;  // typing does not reach the fields while the window moves
        }
        if (systemMenuMove_) return true;  // only the compositor places the window
        pressWindowPos_ += by;
        form_->move(form_->pos() + by);
        return true;
    }
    case QEvent::KeyRelease:
        return true;
    case QEvent::Hide:
        EndMenuMove(true);
        return false;
    case QEvent::ActivationChange:
    case QEvent::WindowDeactivate:
        if (!form_->isActiveWindow()) EndMenuMove(true);
        return false;
    default:
        return false;
    }
}

void TsSkinProvider::DropSysMenu(QPoint globalPos) {
    if (QApplication::activeWindow() != form_) return;
    if (systemMenu_) systemMenu_->deleteLater();
    auto* menu = new QMenu(form_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    SetTag(menu, acNoSkinTag);
    const bool dialog = true;  // both forms are dialog-framed
    const Qt::WindowFlags flags = desktopFlags_;
    auto add = [menu](const char* name, const QString& text, bool visible, bool enabled) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        action->setVisible(visible);
        action->setEnabled(enabled);
        return action;
    };
    add("miRestore", tr("&Restore"), !dialog, form_->isMaximized());
    QAction* move = add("miMove", tr("&Move"), true, !form_->isMaximized());
    add("miSize", tr("&Size"), !dialog, false);
    add("miMinimize", tr("Mi&nimize"), !dialog && (flags & Qt::WindowMinimizeButtonHint), true);
    add("miMaximize", tr("Ma&ximize"), !dialog && (flags & Qt::WindowMaximizeButtonHint), true);
    if (OnSystemMenu) {
        menu->addSeparator();
        OnSystemMenu(*menu);
    }
    menu->addSeparator();
    QAction* close = add("miClose", tr("&Close"), bool(flags & Qt::WindowSystemMenuHint),
                         bool(flags & Qt::WindowCloseButtonHint));
    close->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(close, &QAction::triggered, this, [this] { PressCloseButton(); });
    connect(move, &QAction::triggered, this, [this] { StartMenuMove(); });
    systemMenu_ = menu;
    menu->popup(globalPos);
}

}  // namespace tornivex
