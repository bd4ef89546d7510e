#include "TacScrollWnd.h"

#include "ScrollBarWidget.h"

#include "PlatformMetrics.h"
#include "skin/data/LoadedSkin.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/ManagerAccess.h"
#include "skin/paint/PixelColor.h"
#include "skin/paint/sScrollWndData.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QPainter>
#include <QScrollBar>

#include <utility>

namespace tornivex {
namespace {

// The margins around a scroll area's viewport are the area's own business; the layer that
// takes over its non-client part sets them from outside.
struct MarginAccess : QAbstractScrollArea {
    using QAbstractScrollArea::setViewportMargins;
    using QAbstractScrollArea::viewportMargins;
};
void SetViewportMargins(QAbstractScrollArea* area, const QMargins& margins) {
    void (QAbstractScrollArea::*set)(const QMargins&) = &MarginAccess::setViewportMargins;
    (area->*set)(margins);
}
QMargins ViewportMargins(const QAbstractScrollArea* area) {
    QMargins (QAbstractScrollArea::*get)() const = &MarginAccess::viewportMargins;
    return (area->*get)();
}

}  // namespace

TacScrollWnd::TacScrollWnd(QAbstractScrollArea* control, TsScrollWndData* skinData)
    : QObject(control), CtrlHandle(control), SkinData(skinData) {
    designPolicy_[sbHorz] = control->horizontalScrollBarPolicy();
    designPolicy_[sbVert] = control->verticalScrollBarPolicy();
    designFrameShape_ = control->frameStyle();
    margins_ = ViewportMargins(control);
    control->setFrameStyle(QFrame::NoFrame);
    control->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    control->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    sBarHorz = new TacScrollBarWidget(*this, sbHorz, control->horizontalScrollBar(), control);
    sBarVert = new TacScrollBarWidget(*this, sbVert, control->verticalScrollBar(), control);
    for (QScrollBar* bar : {control->horizontalScrollBar(), control->verticalScrollBar()}) {
        connect(bar, &QAbstractSlider::rangeChanged, this, [this] {
            UpdateLayout();
            SyncBars();
        });
        connect(bar, &QAbstractSlider::valueChanged, this, &TacScrollWnd::SyncBars);
    }
    control->installEventFilter(this);
    control->viewport()->installEventFilter(this);
    UpdateLayout();
    ScrollsInitialized = true;
}

TacScrollWnd::~TacScrollWnd() {
    CtrlHandle->removeEventFilter(this);
    if (QWidget* viewport = CtrlHandle->viewport()) viewport->removeEventFilter(this);
    for (QScrollBar* bar : {CtrlHandle->horizontalScrollBar(), CtrlHandle->verticalScrollBar()})
        disconnect(bar, nullptr, this, nullptr);
    delete std::exchange(sBarHorz, nullptr);
    delete std::exchange(sBarVert, nullptr);
    SetViewportMargins(CtrlHandle, QMargins());
    CtrlHandle->setFrameStyle(designFrameShape_);
    CtrlHandle->setHorizontalScrollBarPolicy(designPolicy_[sbHorz]);
    CtrlHandle->setVerticalScrollBarPolicy(designPolicy_[sbVert]);
    CtrlHandle->update();
}

TsSkinManager* TacScrollWnd::SkinManager() const { return SkinData->SkinManager(); }

bool TacScrollWnd::fThumbTracking() const {
    return (sBarHorz && sBarHorz->Bar().ThumbTracking()) || (sBarVert && sBarVert->Bar().ThumbTracking());
}

QScrollBar* TacScrollWnd::PlatformBar(int barType) const {
    return barType == sbVert ? CtrlHandle->verticalScrollBar() : CtrlHandle->horizontalScrollBar();
}

bool TacScrollWnd::BarVisible(int barType) const {
    switch (designPolicy_[barType]) {
    case Qt::ScrollBarAlwaysOn: return true;
    case Qt::ScrollBarAlwaysOff: return false;
    default: {
        const QScrollBar* bar = PlatformBar(barType);
        return bar && bar->maximum() > bar->minimum();
    }
    }
}

TScrollBarMetrics TacScrollWnd::MetricsFor(int barType) const {
    const TsSkinManager* manager = SkinManager();
    const TacScrollBarsSupport options = manager ? manager->ScrollsOptions() : TacScrollBarsSupport{};
    const TacScrollBarData& own = barType == sbVert ? SkinData->FVertScrollData : SkinData->FHorzScrollData;
    const TacScrollBarWidget* widget = barType == sbVert ? sBarVert : sBarHorz;
    return ResolveScrollBarMetrics(options.ScrollSize, options.ButtonsSize, own.ButtonSize,
                                   widget ? widget->Bar().ArrowSize : -1, platform::ScrollBarWidth,
                                   widget ? widget->Bar().nMinThumbSize : TacScrollBar::DefaultMinThumbSize);
}

bool TacScrollWnd::ControlEnabled() const { return CtrlHandle->isEnabled(); }

int TacScrollWnd::NonClientHitTest(QPoint p) const {
    if (!CtrlHandle->rect().contains(p)) return HTNOWHERE;
    if (sBarVert->isVisible() && sBarVert->geometry().contains(p)) return HTVSCROLL;
    if (sBarHorz->isVisible() && sBarHorz->geometry().contains(p)) return HTHSCROLL;
    return ClientRect().contains(p) ? HTCLIENT : HTBORDER;
}

QRect TacScrollWnd::ClientRect() const { return CtrlHandle->rect().marginsRemoved(margins_); }

void TacScrollWnd::UpdateLayout() {
    // New margins re-lay the text out, which may change the range and call back in here.
    if (layingOut_ || !sBarHorz || !sBarVert) return;
    layingOut_ = true;
    const bool vert = BarVisible(sbVert), horz = BarVisible(sbHorz);
    const int vw = vert ? MetricsFor(sbVert).Thickness : 0;
    const int hh = horz ? MetricsFor(sbHorz).Thickness : 0;
    const QMargins margins(cxLeftEdge + (fLeftScrollbar ? vw : 0), cyTopEdge,
                           cxRightEdge + (fLeftScrollbar ? 0 : vw), cyBottomEdge + hh);
    if (margins != margins_ || ViewportMargins(CtrlHandle) != margins) {
        margins_ = margins;
        SetViewportMargins(CtrlHandle, margins);
    }
    const int w = CtrlHandle->width(), h = CtrlHandle->height();
    sBarVert->setVisible(vert);
    if (vert)
        sBarVert->setGeometry(fLeftScrollbar ? cxLeftEdge : w - cxRightEdge - vw, cyTopEdge, vw,
                              std::max(0, h - cyTopEdge - cyBottomEdge - hh));
    sBarHorz->setVisible(horz);
    if (horz)
        sBarHorz->setGeometry(cxLeftEdge + (fLeftScrollbar ? vw : 0), h - cyBottomEdge - hh,
                              std::max(0, w - cxLeftEdge - cxRightEdge - vw), hh);
    layingOut_ = false;
}

void TacScrollWnd::SyncBars() {
    for (TacScrollBarWidget* bar : {sBarHorz, sBarVert})
        if (bar && bar->isVisible()) bar->SyncWithPlatform();
}

void TacScrollWnd::RedrawNonClient() {
    if (DontRepaint) return;
    CtrlHandle->update();
    for (TacScrollBarWidget* bar : {sBarHorz, sBarVert})
        if (bar) bar->update();
}

paint::BackgroundSource TacScrollWnd::BarBackground() { return paint::BackgroundSourceFromColor(BackgroundColor()); }

TColor TacScrollWnd::BackgroundColor() const {
    const QColor c = CtrlHandle->palette().color(QPalette::Base);
    return MakeColor(c.red(), c.green(), c.blue());
}

void TacScrollWnd::PaintNonClient(QPainter& painter) {
    const TColor color = BackgroundColor();
    painter.fillRect(CtrlHandle->rect(), QColor(ColorR(color), ColorG(color), ColorB(color)));
    PaintCornerSquare(painter);
}

void TacScrollWnd::PaintCornerSquare(QPainter& painter) {
    if (!sBarVert->isVisible() || !sBarHorz->isVisible()) return;
    const QRect corner(sBarVert->x(), sBarHorz->y(), sBarVert->width(), sBarHorz->height());
    TColor color = BackgroundColor();
    if (const TLoadedSkin* skin = paint::LoadedSkinOf(SkinManager())) {
        const int section = skin->ConstData.Scrolls[asTop].SkinIndex;
        color = skin->IsValidSkinIndex(section) ? skin->gd[static_cast<std::size_t>(section)].Props[0].Color
                                                : skin->Palette[pcMainColor];
    }
    color = ColorToRGB(color);
    painter.fillRect(corner, QColor(ColorR(color), ColorG(color), ColorB(color)));
}

bool TacScrollWnd::eventFilter(QObject* watched, QEvent* event) {
    if (watched == CtrlHandle->viewport()) {
        // The platform sets some scroll values with its signals blocked; a repaint of the text
        // follows every scroll, so the bars catch up there.
        if (event->type() == QEvent::Paint) SyncBars();
        return false;
    }
    if (watched != CtrlHandle) return false;
    switch (event->type()) {
    case QEvent::Resize: UpdateLayout(); return false;
    case QEvent::Paint: {
        if (DontRepaint) return true;
        QPainter painter(CtrlHandle);
        PaintNonClient(painter);
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        event->accept();  // the frame ring belongs to the control, not to the window behind it
        return true;
    case QEvent::Wheel:
        QCoreApplication::sendEvent(CtrlHandle->verticalScrollBar(), event);
        return true;
    case QEvent::EnabledChange: RedrawNonClient(); return false;
    default: return false;
    }
}

}  // namespace tornivex
