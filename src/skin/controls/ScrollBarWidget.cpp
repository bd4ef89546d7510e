#include "ScrollBarWidget.h"
#include "SkinnedWidget.h"

#include "ScrollBarAccessible.h"
#include "ScrollBarPaint.h"
#include "TacScrollWnd.h"

#include "skin/paint/BitmapImage.h"
#include "skin/paint/ManagerAccess.h"
#include "skin/paint/PixelColor.h"
#include "skin/data/sSkinManager.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QScrollBar>
#include <QTimerEvent>
#include <QWheelEvent>

namespace tornivex {
namespace {

TPoint ToPoint(const QPointF& p) { return TPoint{int(p.x()), int(p.y())}; }

}  // namespace

TacScrollBarWidget::TacScrollBarWidget(TacScrollWnd& owner, int barType, QScrollBar* platformBar,
                                       QWidget* parent)
    : QWidget(parent), owner_(owner), platformBar_(platformBar), bar_(barType, *this) {
    setObjectName(barType == sbVert ? QStringLiteral("VertScrollBar") : QStringLiteral("HorzScrollBar"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);  // not the text cursor of the memo around it
    InstallScrollBarAccessibility();
    bar_.RefreshScrollInfo();
}

TacScrollBarWidget::~TacScrollBarWidget() = default;

TScrollInfo TacScrollBarWidget::PlatformScrollInfo() const {
    TScrollInfo info;
    if (!platformBar_) return info;
    const int page = std::max(platformBar_->pageStep(), 0);
    info.nMin = platformBar_->minimum();
    // The classic form counts the last page into the maximum.
    info.nMax = platformBar_->maximum() + (page > 0 ? page - 1 : 0);
    info.nPage = page;
    info.nPos = platformBar_->value();
    info.nTrackPos = platformBar_->sliderPosition();
    return info;
}

bool TacScrollBarWidget::ArrowsEnabled() const {
    // Nothing to scroll counts as both arrows disabled, as the platform reports it for a bar
    // that stays visible.
    return platformBar_ && platformBar_->isEnabled() && owner_.ControlEnabled() &&
           platformBar_->maximum() > platformBar_->minimum();
}

void TacScrollBarWidget::SendScroll(int code, int position) {
    if (!platformBar_) return;
    switch (code) {
    case SB_LINEUP: platformBar_->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case SB_LINEDOWN: platformBar_->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    case SB_PAGEUP: platformBar_->triggerAction(QAbstractSlider::SliderPageStepSub); break;
    case SB_PAGEDOWN: platformBar_->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    case SB_THUMBTRACK:
        platformBar_->setSliderPosition(position);
        platformBar_->setValue(position);
        break;
    default: break;
    }
}

TPoint TacScrollBarWidget::CursorPos() const { return ToPoint(mapFromGlobal(QCursor::pos())); }

void TacScrollBarWidget::StartTimer(int id, int intervalMs) { TimerFor(id).start(intervalMs, this); }

void TacScrollBarWidget::StopTimer(int id) { TimerFor(id).stop(); }

void TacScrollBarWidget::RepaintBar() { update(); }

void TacScrollBarWidget::SyncWithPlatform() {
    const int before = bar_.ScrollInfo.nPos;
    if (!bar_.RefreshScrollInfo()) return;
    update();
    if (bar_.ScrollInfo.nPos != before && QAccessible::isActive()) {
        QAccessibleValueChangeEvent changed(this, bar_.ScrollInfo.nPos);
        QAccessible::updateAccessibility(&changed);
    }
}

const TBitmap32& TacScrollBarWidget::Render() {
    image_.SetSize(width(), height());
    bar_.SetBounds(width(), height());
    bar_.SetMetrics(owner_.MetricsFor(bar_.nBarType));
    const TLoadedSkin* skin = paint::LoadedSkinOf(owner_.SkinManager());
    skinPainted_ = false;
    if (!skin) return image_;
    TScrollBarLook look;
    look.Layout = bar_.Layout();
    for (const int part : {spLineUp, spLineDown, spPageUp, spPageDown, spThumb})
        look.States[part] = bar_.PartState(part);
    look.Enabled = ArrowsEnabled();
    look.ShiftContentOnClick = owner_.SkinManager()->ButtonsOptions.ShiftContentOnClick;
    look.Background = owner_.BarBackground();
    look.Offset = TPoint{x(), y()};
    look.ParentColor = owner_.BackgroundColor();
    skinPainted_ = PaintScrollBar(*skin, image_, look);
    return image_;
}

void TacScrollBarWidget::paintEvent(QPaintEvent*) {
    bar_.RefreshScrollInfo();
    Render();
    ++paintCount_;
    QPainter painter(this);
    if (skinPainted_) {
        DrawOnDeviceGrid(painter, image_, devicePixelRatioF());
        return;
    }
    // A skin without track sections for this bar: the platform's look, our behaviour.
    QStyleOptionSlider option;
    option.initFrom(this);
    option.orientation = bar_.nBarType == sbVert ? Qt::Vertical : Qt::Horizontal;
    if (platformBar_) {
        option.minimum = platformBar_->minimum();
        option.maximum = platformBar_->maximum();
        option.sliderPosition = option.sliderValue = platformBar_->value();
        option.pageStep = platformBar_->pageStep();
        option.singleStep = platformBar_->singleStep();
    }
    if (!ArrowsEnabled()) option.state &= ~QStyle::State_Enabled;
    option.subControls = QStyle::SC_All;
    static constexpr QStyle::SubControl controls[6] = {
        QStyle::SC_ScrollBarSubLine, QStyle::SC_ScrollBarAddLine, QStyle::SC_ScrollBarSubPage,
        QStyle::SC_ScrollBarAddPage, QStyle::SC_None, QStyle::SC_ScrollBarSlider};
    const int part = bar_.PressedPart() != spNone ? bar_.PressedPart() : bar_.HotPart();
    if (part >= 0) option.activeSubControls = controls[part];
    if (bar_.PressedPart() != spNone) option.state |= QStyle::State_Sunken;
    style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, this);
}

void TacScrollBarWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();  // a press on the bar never reaches the window behind it
    if (event->button() == Qt::LeftButton) bar_.MouseDown(ToPoint(event->position()));
}

void TacScrollBarWidget::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void TacScrollBarWidget::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    bar_.MouseMove(ToPoint(event->position()));
}

void TacScrollBarWidget::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) bar_.MouseUp();
}

void TacScrollBarWidget::leaveEvent(QEvent*) { bar_.MouseLeave(); }

void TacScrollBarWidget::wheelEvent(QWheelEvent* event) {
    // The platform's bar scrolls by the wheel as it does under the text.
    if (platformBar_) QCoreApplication::sendEvent(platformBar_, event);
    event->accept();
}

void TacScrollBarWidget::timerEvent(QTimerEvent* event) {
    if (event->timerId() == hoverTimer_.timerId()) bar_.TimerTick(TacScrollBar::HoverTimer);
    else if (event->timerId() == repeatTimer_.timerId()) bar_.TimerTick(TacScrollBar::RepeatTimer);
    else QWidget::timerEvent(event);
}

void TacScrollBarWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        bar_.Reset();
        update();
    }
    QWidget::changeEvent(event);
}

void TacScrollBarWidget::resizeEvent(QResizeEvent*) { bar_.SetBounds(width(), height()); }

void TacScrollBarWidget::hideEvent(QHideEvent*) {
    // A hidden bar keeps no timers running and shows nothing hot or held when it comes back.
    bar_.Reset();
}

}  // namespace tornivex
