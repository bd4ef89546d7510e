// TAdvEdit: what happens when the field gets and loses the focus. The procedures follow the
// control that is active in its window: the window losing and regaining activation, or a popup
// menu opening and closing, neither leaves nor re-enters the field.
#include <QFocusEvent>

#include "AdvEdit.h"
#include "TApplication.h"

namespace tornivex {
namespace {

bool WindowOrPopupSwitch(const QFocusEvent& event) {
    return event.reason() == Qt::ActiveWindowFocusReason || event.reason() == Qt::PopupFocusReason;
}

}  // namespace

void TAdvEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // A window activated for the first time gives the field the focus with the window's reason:
    // that is an entry; getting the focus back after a deactivation is not.
    if (loading_ || entered_) return;
    entered_ = true;
    platform::RunGuarded([this] { DoEnter(); });
}

void TAdvEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (loading_ || !entered_ || WindowOrPopupSwitch(*event)) return;
    entered_ = false;
    platform::RunGuarded([this] { DoExit(); });
}

void TAdvEdit::DoEnter() {
    origText_ = Text();
    if (focusColor_.isValid() && Validate(Text())) SetBackground(focusColor_);
    const bool specialLook = errorShown_ || (showModified_ && Modified());
    if (!specialLook) {
        normalFontColor_ = CurrentFontColor();
        if (focusFontColor_.isValid()) SetFontColor(focusFontColor_);
    }
    if (autoSelect_) SelectAll();
    else deselect();
    if (focusWidthInc_ != 0) {
        widthIncApplied_ = focusWidthInc_;
        resize(width() + widthIncApplied_, height());
    }
    alignBeforeFocus_ = editAlign_;
    focusAlignSwitched_ = focusAlign_ != eaDefault;
    if (focusAlignSwitched_) {
        editAlign_ = focusAlign_;
        ApplyAlignment();
    }
    update();
}

void TAdvEdit::DoExit() {
    if (!errorShown_ && palette().color(QPalette::Base) != normalColor_) SetBackground(normalColor_);
    if (!errorShown_ && !(showModified_ && Modified()) && !urlShown_) SetFontColor(normalFontColor_);

    // Raises EOverflow for a number beyond the double range: the text stays, the rest is skipped.
    value_.LeaveFormatting();

    const bool valid = Validate(Text());
    if (showError_) {
        errorShown_ = !valid;
        SetBackground(errorShown_ ? errorColor_ : normalColor_);
        SetFontColor(errorShown_ ? errorFontColor_ : normalFontColor_);
    }
    if (!errorShown_ && showModified_ && Modified()) SetBackground(modifiedColor_);
    urlShown_ = showURL_ && IsURL(Text());
    if (urlShown_) SetFontColor(urlColor_);
    if (font().underline() != urlShown_) {
        QFont look = font();
        look.setUnderline(urlShown_);
        setFont(look);
    }

    if (widthIncApplied_ != 0) {
        resize(width() - widthIncApplied_, height());
        widthIncApplied_ = 0;
    }
    if (focusAlignSwitched_) {
        editAlign_ = alignBeforeFocus_;
        focusAlignSwitched_ = false;
        ApplyAlignment();
    }
    update();
}

}  // namespace tornivex
