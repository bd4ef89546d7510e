#include "sWebLabel.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "Shell.h"

namespace tornivex {

TsWebLabel::TsWebLabel(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void TsWebLabel::SetCaption(const QString& caption) {
    caption_ = caption;
    AdjustBounds();
    update();
}

void TsWebLabel::SetFont(const QFont& font, platform::TColorRef color) {
    normalFont_ = font;
    normalColor_ = color;
    AdjustBounds();
    update();
}

void TsWebLabel::SetHoverFont(const QFont& font, platform::TColorRef color) {
    hoverFont_ = font;
    hoverColor_ = color;
    AdjustBounds();
    update();
}

QSize TsWebLabel::sizeHint() const {
    const QFontMetrics metrics(CurrentFont());
    return {metrics.horizontalAdvance(caption_), metrics.height()};
}

void TsWebLabel::AdjustBounds() {
    // The label sizes itself to its caption in the font in force; the designed height stays.
    resize(QFontMetrics(CurrentFont()).horizontalAdvance(caption_), height());
}

void TsWebLabel::SetMouseAbove(bool above) {
    if (above == mouseAbove_) return;
    mouseAbove_ = above;
    AdjustBounds();
    update();
}

void TsWebLabel::enterEvent(QEnterEvent* event) {
    if (isEnabled()) SetMouseAbove(true);
    QWidget::enterEvent(event);
}

void TsWebLabel::leaveEvent(QEvent* event) {
    if (isEnabled()) SetMouseAbove(false);
    QWidget::leaveEvent(event);
}

void TsWebLabel::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    // The address opens on the press itself; a failed open changes nothing.
    if (event->button() == Qt::LeftButton && !url_.isEmpty()) platform::ShellOpen(url_);
}

void TsWebLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(CurrentFont());
    painter.setPen(platform::ToQColor(CurrentColor()));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption_);
}

}  // namespace tornivex
