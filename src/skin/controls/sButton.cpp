// TsButton: state, events and skin commands. The look itself is rendered in sButtonCache.cpp.
#include "sButton.h"

#include "skin/data/LoadedSkin.h"
#include "skin/data/SkinCommand.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/ControlKinds.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QThread>

namespace tornivex {
namespace {

void SleepThirtyMilliseconds(TsButton&) { QThread::msleep(30); }

}  // namespace

void (*TsButton::HoldPressedFrame)(TsButton&) = SleepThirtyMilliseconds;

TsButton::TsButton(QWidget* parent) : QPushButton(parent), owner_(this), skinData_(&owner_, true) {
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    skinData_.COC = paint::COC_TsButton;
    Loaded();
}

TsButton::~TsButton() {
    owner_.SetDestroying(true);
    skinData_.StopAnimation();
}

void TsButton::Loaded() { skinData_.Loaded(); }

bool TsButton::Skinned() const { return skinData_.Skinned(true); }

int TsButton::CurrentState() const {
    const TsSkinManager* manager = skinData_.SkinManager();
    const bool noHover = manager && manager->Options.NoMouseHover;
    const bool platformPushed = pushOverride_ >= 0 ? pushOverride_ == 1 : isDown();
    const bool leftHeld = (QGuiApplication::mouseButtons() & Qt::LeftButton) != 0;
    if (((platformPushed || forcedPressed_) && (skinData_.FMouseAbove || !leftHeld || noHover)) || FDown ||
        DroppedDown)
        return 2;
    if (!skinData_.IsHotOrFocused()) return isDefault() ? 3 : 0;
    return 1;
}

// ---- Properties ------------------------------------------------------------------------------

void TsButton::SetShowFocus(bool value) {
    if (FShowFocus == value) return;
    FShowFocus = value;
    skinData_.Invalidate();
}

void TsButton::SetDisabledKind(paint::TsDisabledKind value) {
    if (FDisabledKind == value) return;
    FDisabledKind = value;
    skinData_.Invalidate();
}

void TsButton::SetDown(bool value) {
    if (FDown == value) return;
    FDown = value;
    RegionChanged = true;
    skinData_.Invalidate();
}

void TsButton::SetStyle(TButtonStyle value) {
    if (FStyle == value) return;
    FStyle = value;
    skinData_.Invalidate();
}

void TsButton::SetContentMargin(int value) {
    if (FContentMargin == value) return;
    FContentMargin = value;
    skinData_.Invalidate();
}

void TsButton::SetReflected(bool value) {
    if (FReflected == value) return;
    FReflected = value;
    skinData_.Invalidate();
}

void TsButton::SetWordWrap(bool value) {
    if (wordWrap_ == value) return;
    wordWrap_ = value;
    skinData_.Invalidate();
}

// ---- Skin commands ---------------------------------------------------------------------------

bool TsButton::HandleSkinCommand(TSkinCommandEvent& command) {
    const bool ownManager =
        command.LParam() != 0 && reinterpret_cast<const TsSkinManager*>(command.LParam()) == skinData_.SkinManager();
    switch (command.Command()) {
        case scSetNewSkin:
            if (ownManager) RegionChanged = true;
            break;
        case scRemoveSkin:
            if (!ownManager) break;
            DispatchSkinEvent(skinData_, &command);
            clearMask();
            // The platform's button is not opaque: the parent must be painted beneath it from
            // the very next paint on, or its round corners show what was there before.
            setAttribute(Qt::WA_OpaquePaintEvent, false);
            update();
            return true;
        case scRefresh:
            if (!ownManager) break;
            clearMask();
            DispatchSkinEvent(skinData_, &command);
            RegionChanged = true;
            if (!(skinData_.CtrlSkinState & ACS_PRINTING)) update();
            return true;
        case scParentFinished:
            if (skinData_.FUpdating && !skinData_.ReevaluateUpdating(true)) update();
            return true;
        case scIsSkinned:
            command.SetResult(1);
            return true;
        case scGetSkinIndex: {
            const TLoadedSkin* skin = skinData_.Skin();
            command.SetResult(skin ? skin->ConstData.Sections[ssButton] + 1 : 0);
            return true;
        }
        case scRenderCache:
            PrepareButtonCache();
            command.SetResult(0);
            return true;
        case 24:  // a pending window region is dropped; buttons here never build one
            return true;
        default:
            break;
    }
    DispatchSkinEvent(skinData_, &command);
    return true;
}

// ---- Events ----------------------------------------------------------------------------------

bool TsButton::event(QEvent* event) {
    if (IsSkinCommand(event)) return HandleSkinCommand(static_cast<TSkinCommandEvent&>(*event));
    if (!Skinned()) {
        switch (event->type()) {
            case QEvent::Enter:
            case QEvent::Leave:
                skinData_.FMouseAbove = event->type() == QEvent::Enter;
                if (skinData_.FMouseAbove) emit OnMouseEnter();
                else emit OnMouseLeave();
                update();
                break;
            case QEvent::EnabledChange:
                update();
                break;
            default:
                // The state object keeps its facts (focus, enabled) for when a skin comes.
                DispatchSkinEvent(skinData_, event);
                break;
        }
        return QPushButton::event(event);
    }
    if (SkinnedEvent(event)) return true;
    return QPushButton::event(event);
}

bool TsButton::SkinnedEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::Enter:
            if (isEnabled()) MouseEnter();
            return false;
        case QEvent::Leave:
            if (isEnabled()) MouseLeave();
            return false;
        case QEvent::FocusIn: {
            DispatchSkinEvent(skinData_, event);
            QPushButton::event(event);
            TacThreadedTimer* timer = skinData_.AnimTimer.get();
            if (timer && timer->Enabled()) {
                skinData_.FBGChanged = true;
                timer->TimeHandler();
            } else {
                skinData_.Invalidate();
            }
            return true;
        }
        case QEvent::FocusOut:
            skinData_.StopAnimation();
            DispatchSkinEvent(skinData_, event);
            QPushButton::event(event);
            skinData_.FFocused = false;
            RegionChanged = true;
            skinData_.Invalidate();
            return true;
        case QEvent::Move: {
            DispatchSkinEvent(skinData_, event);
            const TsGeneralData* section = skinData_.Section();
            if (section && (section->Props[0].Transparency >= 1 ||
                            (section->Props[1].Transparency >= 1 && CurrentState() == 1))) {
                skinData_.FBGChanged = true;
                update();
            }
            return false;
        }
        case QEvent::Resize:
            DispatchSkinEvent(skinData_, event);
            RegionChanged = true;
            return false;
        case QEvent::EnabledChange:
            QPushButton::event(event);
            DispatchSkinEvent(skinData_, event);
            skinData_.FUpdating = false;
            skinData_.StopAnimation();
            skinData_.Invalidate();
            return true;
        case QEvent::FontChange:
            skinData_.FUpdating = false;
            skinData_.StopAnimation();
            skinData_.Invalidate();
            return false;
        case QEvent::Show:
        case QEvent::Hide:
            DispatchSkinEvent(skinData_, event);
            skinData_.FBGChanged = true;
            skinData_.FUpdating = false;
            if (event->type() == QEvent::Show) update();
            return false;
        default:
            return DispatchSkinEvent(skinData_, event);
    }
}

void TsButton::MouseEnter() {
    const TsSkinManager* manager = skinData_.SkinManager();
    if (skinData_.FMouseAbove || (manager && manager->Options.NoMouseHover)) return;
    emit OnMouseEnter();
    skinData_.FBGChanged = false;
    skinData_.FMouseAbove = true;
    AnimateStateChange(skinData_, 1, FadeStep, true, false, IsAnimatedEvent(aeMouseEnter, FAnimatEvents, manager));
}

void TsButton::MouseLeave() {
    const TsSkinManager* manager = skinData_.SkinManager();
    emit OnMouseLeave();
    skinData_.FBGChanged = false;
    skinData_.FMouseAbove = false;
    AnimateStateChange(skinData_, 0, FadeStep, false, false, IsAnimatedEvent(aeMouseLeave, FAnimatEvents, manager));
}

void TsButton::mousePressEvent(QMouseEvent* event) {
    if (!Skinned() || !isEnabled() || event->button() != Qt::LeftButton || FDown) {
        if (Skinned() && event->button() == Qt::LeftButton) FMouseClicked = true;
        QPushButton::mousePressEvent(event);
        return;
    }
    FMouseClicked = true;
    RegionChanged = true;
    skinData_.ReevaluateUpdating(true);
    skinData_.FBGChanged = false;
    // The fade renders the pressed look before the platform marks the button pushed.
    pushOverride_ = 1;
    AnimateStateChange(skinData_, 2, FadeStep, false, true,
                       IsAnimatedEvent(aeMouseDown, FAnimatEvents, skinData_.SkinManager()));
    pushOverride_ = -1;
    QPushButton::mousePressEvent(event);
}

void TsButton::mouseReleaseEvent(QMouseEvent* event) {
    // Only the left button clicks; another button's release must not end the left press.
    if (!Skinned() || !isEnabled() || event->button() != Qt::LeftButton) {
        QPushButton::mouseReleaseEvent(event);
        return;
    }
    if (!FMouseClicked) return;  // the press did not start here: nothing at all happens
    FMouseClicked = false;
    TacThreadedTimer* timer = skinData_.AnimTimer.get();
    if (timer && timer->Enabled() && timer->FState == 2) {
        // The press fade is cut short: show the full pressed frame for a moment first.
        skinData_.StopAnimation();
        skinData_.FBGChanged = true;
        forcedPressed_ = true;
        repaint();
        HoldPressedFrame(*this);
        forcedPressed_ = false;
    }
    skinData_.FUpdating = false;
    RegionChanged = true;
    skinData_.FBGChanged = false;
    if (skinData_.FMouseAbove && rect().contains(event->position().toPoint())) {
        pushOverride_ = 0;
        AnimateStateChange(skinData_, 1, FadeStep, true, true,
                           IsAnimatedEvent(aeMouseUp, FAnimatEvents, skinData_.SkinManager()));
        pushOverride_ = -1;
    }
    QPushButton::mouseReleaseEvent(event);
}

void TsButton::keyPressEvent(QKeyEvent* event) {
    // A focused push button takes Enter, though it is no default button; the number block's
    // Enter carries the keypad modifier.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        animateClick();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void TsButton::keyReleaseEvent(QKeyEvent* event) {
    if (Skinned() && event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        RegionChanged = true;
        skinData_.FBGChanged = true;
        update();
    }
    QPushButton::keyReleaseEvent(event);
}

}  // namespace tornivex
