#include "SkinnedWidget.h"

#include "skin/data/SkinCommand.h"
#include "skin/paint/BackgroundProtocol.h"
#include "skin/paint/BitmapImage.h"
#include "skin/paint/DevicePixels.h"
#include "skin/paint/StateAnimation.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace tornivex {

TColor ColorOfQColor(const QColor& color) { return MakeColor(color.red(), color.green(), color.blue()); }

QColor QColorOfColor(TColor color) {
    const TColor c = ColorToRGB(color);
    return QColor(ColorR(c), ColorG(c), ColorB(c));
}

void InstallWidgetBackgroundFallbacks() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    paint::TBackgroundFallbacks fallbacks;
    fallbacks.ParentColor = [](QObject* parent) -> TColor {
        const auto* widget = qobject_cast<const QWidget*>(parent);
        return widget ? ColorOfQColor(widget->palette().color(widget->backgroundRole()))
                      : SystemColor(COLOR_BTNFACE);
    };
    fallbacks.PaintParent = [](QObject* parent, TBitmap32& target, TPoint offset, const TRect& part) {
        auto* widget = qobject_cast<QWidget*>(parent);
        if (!widget || part.IsEmpty()) return false;
        QImage image = paint::WrapBitmap(target);
        const QRect source(part.Left + offset.X, part.Top + offset.Y, part.Width(), part.Height());
        widget->render(&image, QPoint(part.Left, part.Top), QRegion(source), QWidget::DrawWindowBackground);
        return true;
    };
    paint::SetBackgroundFallbacks(std::move(fallbacks));
}

// ---- TWidgetSkinOwner ------------------------------------------------------------------------

TWidgetSkinOwner::TWidgetSkinOwner(QWidget* widget) : widget_(widget) { InstallWidgetBackgroundFallbacks(); }

QObject* TWidgetSkinOwner::Object() const { return widget_; }

QObject* TWidgetSkinOwner::ParentObject() const { return widget_->isWindow() ? nullptr : widget_->parentWidget(); }

std::vector<QObject*> TWidgetSkinOwner::ChildControls(QObject* of) const {
    std::vector<QObject*> controls;
    if (!of) return controls;
    for (QObject* child : of->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && !w->isWindow()) controls.push_back(w);
    }
    return controls;
}

TRect TWidgetSkinOwner::Bounds() const {
    const QRect g = widget_->geometry();
    return TRect{g.x(), g.y(), g.x() + g.width(), g.y() + g.height()};
}

TRect TWidgetSkinOwner::ParentClientRect() const {
    const QWidget* parent = widget_->parentWidget();
    return parent ? TRect{0, 0, parent->width(), parent->height()} : TRect{};
}

bool TWidgetSkinOwner::IsEnabled() const { return widget_->isEnabled(); }
bool TWidgetSkinOwner::IsVisible() const { return widget_->isVisible(); }
bool TWidgetSkinOwner::HasInputFocus() const { return widget_->hasFocus(); }
bool TWidgetSkinOwner::HasWindow() const { return !destroying_; }

TColor TWidgetSkinOwner::Color() const {
    return ColorOfQColor(widget_->palette().color(widget_->backgroundRole()));
}

TColor TWidgetSkinOwner::FontColor() const {
    return ColorOfQColor(widget_->palette().color(widget_->foregroundRole()));
}

void TWidgetSkinOwner::SetColor(TColor color) {
    QPalette palette = widget_->palette();
    palette.setColor(widget_->backgroundRole(), QColorOfColor(color));
    widget_->setPalette(palette);
}

void TWidgetSkinOwner::SetFontColor(TColor color) {
    QPalette palette = widget_->palette();
    palette.setColor(widget_->foregroundRole(), QColorOfColor(color));
    widget_->setPalette(palette);
}

void TWidgetSkinOwner::Redraw(bool now) {
    if (now) widget_->repaint();
    else widget_->update();
}

void TWidgetSkinOwner::ShowFrame(const TBitmap32&) {
    // The paint handler shows the running fade's frame (PaintSkinPicture).
    widget_->repaint();
}

// ---- Events ----------------------------------------------------------------------------------

std::optional<TacMessage> SkinMessageOf(const QEvent& event) {
    switch (event.type()) {
        case QEvent::Move: return TacMessage{TacWindowMessage::Move};
        case QEvent::Resize: return TacMessage{TacWindowMessage::Size};
        case QEvent::FocusIn: return TacMessage{TacWindowMessage::SetFocus};
        case QEvent::FocusOut: return TacMessage{TacWindowMessage::KillFocus};
        case QEvent::EnabledChange: return TacMessage{TacWindowMessage::EnabledChanged};
        case QEvent::Enter: return TacMessage{TacWindowMessage::MouseEnter};
        case QEvent::Leave: return TacMessage{TacWindowMessage::MouseLeave};
        case QEvent::Show: return TacMessage{TacWindowMessage::ShowingChanged, true};
        case QEvent::Hide: return TacMessage{TacWindowMessage::VisibilityChanged, false};
        default: return std::nullopt;
    }
}

bool DispatchSkinEvent(TsCommonData& data, QEvent* event) {
    if (IsSkinCommand(event)) {
        auto& command = static_cast<TSkinCommandEvent&>(*event);
        const bool handled = data.HandleSkinCommand(command);
        if (handled) command.SetHandled();
        return handled;
    }
    if (const std::optional<TacMessage> message = SkinMessageOf(*event)) return data.WndProc(*message);
    return false;
}

void PaintSkinPicture(QWidget& widget, const TsCommonData& data) {
    const TBitmap32* picture = data.FCacheBmp.get();
    const TacThreadedTimer* timer = data.AnimTimer.get();
    if (timer && timer->Enabled() && timer->BmpOut) picture = timer->BmpOut.get();
    if (!picture || picture->Empty()) return;
    QImage image(reinterpret_cast<const uchar*>(picture->Pixels().data()), picture->Width(), picture->Height(),
                 picture->Width() * 4, QImage::Format_RGB32);
    // A cache made for a scaled screen holds device pixels: drawn 1:1.
    if (picture->Width() != widget.width() && !paint::IsUnitRatio(data.FCacheRatio))
        image.setDevicePixelRatio(data.FCacheRatio);
    QPainter painter(&widget);
    painter.drawImage(0, 0, image);
}

void DrawOnDeviceGrid(QPainter& painter, const TBitmap32& picture, double ratio) {
    if (picture.Empty()) return;
    if (paint::IsUnitRatio(ratio)) {
        painter.drawImage(0, 0, paint::WrapBitmap(const_cast<TBitmap32&>(picture)));
        return;
    }
    TBitmap32 device;
    paint::ScaleToDevice(picture, device, ratio);
    QImage image = paint::WrapBitmap(device, ratio);
    painter.drawImage(QPointF(0, 0), image);
}

}  // namespace tornivex
