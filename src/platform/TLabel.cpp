#include "TLabel.h"

#include "LabelAccessible.h"

#include <QAccessible>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

namespace tornivex::platform {

TLabel::TLabel(QWidget* parent) : QWidget(parent) {
    InstallLabelAccessibility();
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    setFocusPolicy(Qt::NoFocus);
}

void TLabel::SetCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    AdjustBounds();
    update();
    // A screen reader hears the new text of a result line. Without one nothing is built (asking
    // for the event's interface would load the accessibility plugins at start-up).
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void TLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustBounds();
}

void TLabel::SetFontColor(TColor color) {
    fontColor_ = color;
    update();
}

void TLabel::SetBackgroundColor(TColor color) {
    background_ = color;
    update();
}

QSize TLabel::sizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(caption_), metrics.height()};
}

void TLabel::AdjustBounds() {
    if (!autoSize_) return;
    CaptionAboutToBeMeasured();
    // Only the width follows the text: the designed height stays, as the window lays out rows.
    resize(QFontMetrics(font()).horizontalAdvance(caption_), height());
}

void TLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) AdjustBounds();
    QWidget::changeEvent(event);
}

void TLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (background_ != clNone) painter.fillRect(rect(), ToQColor(background_));
    painter.setPen(ToQColor(fontColor_));
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption_);
}

}  // namespace tornivex::platform
