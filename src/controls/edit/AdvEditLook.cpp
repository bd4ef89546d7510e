// TAdvEdit: alignment, text rectangle, colours, the grey hint for an empty value and the few
// extra border looks. The field draws like a platform edit box and consults no skin.
#include <QPainter>
#include <QProxyStyle>
#include <QPaintEvent>

#include "AdvEdit.h"

namespace tornivex {
namespace {

Qt::Alignment HorizontalAlignment(TEditAlign align) {
    switch (align) {
        case eaCenter:
            return Qt::AlignHCenter;
        case eaRight:
            return Qt::AlignRight;
        default:
            return Qt::AlignLeft;
    }
}

// Masks a password with "*" whatever the style would choose.
class PasswordStarStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == QStyle::SH_LineEdit_PasswordCharacter) return u'*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

void TAdvEdit::UsePasswordStars() {
    if (passwordStyle_) return;
    passwordStyle_ = new PasswordStarStyle;  // follows the application style; owned as a child
    passwordStyle_->setParent(this);
    setStyle(passwordStyle_);
}

void TAdvEdit::SetEditAlign(TEditAlign align) {
    editAlign_ = align;
    ApplyAlignment();
}

// Text starts at the top of the text rectangle, as in a multi-line edit window.
void TAdvEdit::ApplyAlignment() { setAlignment(HorizontalAlignment(editAlign_) | Qt::AlignTop); }

void TAdvEdit::ApplyTextMargins() {
    if (flat_) setTextMargins(4, 3, 4, 4);
    else setTextMargins(0, 0, 0, 0);
}

void TAdvEdit::SetColor(const QColor& color) {
    color_ = color;
    normalColor_ = color;
    SetBackground(color);
}

void TAdvEdit::SetBackground(const QColor& color) {
    if (!color.isValid()) return;
    QPalette colors = palette();
    colors.setColor(QPalette::Active, QPalette::Base, color);
    colors.setColor(QPalette::Inactive, QPalette::Base, color);
    if (transparent_) {
        colors.setColor(QPalette::Active, QPalette::Base, Qt::transparent);
        colors.setColor(QPalette::Inactive, QPalette::Base, Qt::transparent);
    }
    if (disabledColor_.isValid()) colors.setColor(QPalette::Disabled, QPalette::Base, disabledColor_);
    setPalette(colors);
}

void TAdvEdit::SetFontColor(const QColor& color) {
    if (!color.isValid()) return;
    QPalette colors = palette();
    colors.setColor(QPalette::Active, QPalette::Text, color);
    colors.setColor(QPalette::Inactive, QPalette::Text, color);
    setPalette(colors);
}

QColor TAdvEdit::CurrentFontColor() const { return palette().color(QPalette::Active, QPalette::Text); }

void TAdvEdit::SetFocusBorder(bool on) { focusBorder_ = on; update(); }
void TAdvEdit::SetFocusBorderColor(const QColor& color) { focusBorderColor_ = color; update(); }
void TAdvEdit::SetBorderColor(const QColor& color) { borderColor_ = color; update(); }
void TAdvEdit::SetBorder3D(bool on) { border3D_ = on; update(); }
void TAdvEdit::SetSoftBorder(bool on) { softBorder_ = on; update(); }

void TAdvEdit::SetFlat(bool on) {
    flat_ = on;
    setFrame(!on);
    ApplyTextMargins();
    if (on && flatParentColor_ && parentWidget())
        SetBackground(parentWidget()->palette().color(QPalette::Window));
    else if (!on)
        SetBackground(normalColor_);
    update();
}

void TAdvEdit::SetFlatLineColor(const QColor& color) { flatLineColor_ = color; update(); }

void TAdvEdit::SetFlatParentColor(bool on) {
    flatParentColor_ = on;
    SetFlat(flat_);
}

void TAdvEdit::SetTransparent(bool on) {
    transparent_ = on;
    SetBackground(normalColor_);
    update();
}

void TAdvEdit::SetDisabledColor(const QColor& color) {
    disabledColor_ = color;
    SetBackground(palette().color(QPalette::Active, QPalette::Base));
}

void TAdvEdit::SetDisabledBorder(bool on) { disabledBorder_ = on; update(); }
void TAdvEdit::SetEmptyText(const QString& text) { emptyText_ = text; update(); }
void TAdvEdit::SetEmptyTextFocused(bool on) { emptyTextFocused_ = on; update(); }
void TAdvEdit::SetEmptyTextStyle(const QFont& style) { emptyTextStyle_ = style; update(); }

void TAdvEdit::SetShowError(bool on) {
    showError_ = on;
    if (!on && errorShown_) {
        errorShown_ = false;
        SetBackground(normalColor_);
        SetFontColor(normalFontColor_);
    }
}

void TAdvEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    if (Text().isEmpty() && !emptyText_.isEmpty() && (!hasFocus() || emptyTextFocused_)) {
        QFont hint = font();
        hint.setBold(emptyTextStyle_.bold());
        hint.setItalic(emptyTextStyle_.italic());
        hint.setUnderline(emptyTextStyle_.underline());
        hint.setStrikeOut(emptyTextStyle_.strikeOut());
        painter.setFont(hint);
        painter.setPen(QColor(128, 128, 128));
        painter.drawText(QPoint(3, 2 + QFontMetrics(hint).ascent()), emptyText_);
    }
    const QRect outline = rect().adjusted(0, 0, -1, -1);
    if (flat_) {
        painter.setPen(flatLineColor_);
        painter.drawLine(outline.bottomLeft(), outline.bottomRight());
    }
    const QColor border = (focusBorder_ && hasFocus() && focusBorderColor_.isValid())
                              ? focusBorderColor_
                              : borderColor_;
    if (border.isValid() && !flat_) {
        painter.setPen(border);
        painter.drawRect(outline);
    }
}

}  // namespace tornivex
