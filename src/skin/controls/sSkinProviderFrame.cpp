// The provider's frame on the window: frameless while skinned, the client area moved to
// (OffsetX, OffsetY), the outline cut to the border image, and the window picture painted from
// the cache image. Also the routing of the form's events.
#include "sSkinProvider.h"

#include <QApplication>
#include <QBackingStore>
#include <QPaintEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>
#include <QTimer>
#include <QWindow>

#include "Fonts.h"
#include "PlatformMetrics.h"
#include "DeviceGridPointer.h"
#include "acCtrlAdapter.h"
#include "acSBAnimation.h"
#include "skin/data/LoadedSkin.h"
#include "skin/data/SkinCommand.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/BitmapImage.h"
#include "skin/paint/DevicePixels.h"
#include "skin/paint/ManagerAccess.h"

namespace tornivex {

void TsSkinProvider::SetFrameless(bool frameless) {
    // Qt drops the frameless hint beside title hints: a frameless form keeps only its type.
    const Qt::WindowFlags flags = frameless ? (form_->windowType() | Qt::FramelessWindowHint) : desktopFlags_;
    if (flags == form_->windowFlags()) return;
    QWindow* window = form_->windowHandle();
    if (form_->testAttribute(Qt::WA_WState_Created) && window) {
        // A window that exists keeps its native window: the desktop is only told that the
        // decorations changed, so a window being shown never flashes the desktop frame.
        form_->overrideWindowFlags(flags);
        window->setFlags(flags);
    } else {
        const bool visible = form_->isVisible();
        form_->setWindowFlags(flags);
        if (visible) form_->show();
    }
}

void TsSkinProvider::ApplyFrame(bool skinned) {
    const QPoint clientOnScreen = client_ && form_->isVisible() ? client_->mapToGlobal(QPoint()) : QPoint();
    const bool wasVisible = form_->isVisible();
    if (skinned) {
        SetFrameless(true);
        const int bw = BorderWidth();
        form_->setFixedSize(clientSize_.width() + 2 * bw, clientSize_.height() + bw + CaptionHeight() + bw);
        frameApplied_ = true;
        if (client_) client_->move(OffsetX(), OffsetY());
        form_->setAttribute(Qt::WA_OpaquePaintEvent, true);
        // Where a mask only limits input (Wayland) the cut corners must be transparent pixels.
        form_->setAttribute(Qt::WA_TranslucentBackground, true);
        rgnChanged_ = true;
        CalcItems();
        UpdateRegion();
    } else {
        frameApplied_ = false;
        form_->clearMask();
        arOR_.clear();
        form_->setAttribute(Qt::WA_OpaquePaintEvent, false);
        form_->setAttribute(Qt::WA_TranslucentBackground, false);
        form_->setAttribute(Qt::WA_NoSystemBackground, false);
        SetFrameless(false);
        form_->setFixedSize(clientSize_);
        if (client_) client_->move(0, 0);
    }
    // The controls stay where the user sees them when the frame changes on a shown window.
    if (wasVisible && client_ && !clientOnScreen.isNull())
        form_->move(form_->pos() + clientOnScreen - client_->mapToGlobal(QPoint()));
    skinData_->FBGChanged = true;
}

void TsSkinProvider::KeepFixedSize() {
    // A window moved to a screen of another ratio keeps its size in device pixels on some
    // platforms, which changes its size in logical pixels; the picture and the controls are laid
    // out for the fixed logical size, so that size is asked for again once the move is handled.
    // Only then: a window manager that insists on another size at the same ratio is not fought.
    const double ratio = form_->devicePixelRatioF();
    const bool ratioChanged = sizedAtRatio_ != 0 && ratio != sizedAtRatio_;
    sizedAtRatio_ = ratio;
    if (!ratioChanged) return;
    const QSize fixed = form_->minimumSize();
    if (fixed != form_->maximumSize() || fixed == form_->size() || fixed.isEmpty()) return;
    QTimer::singleShot(0, form_, [form = form_] {
        if (form->minimumSize() == form->maximumSize() && form->size() != form->minimumSize())
            form->resize(form->minimumSize());
    });
}

void TsSkinProvider::UpdateRegion() {
    const TLoadedSkin* skin = paint::LoadedSkinOf(skinData_->SkinManager());
    if (!skin || !frameApplied_) return;
    arOR_ = paint::WindowRegionCutouts(*skin, skinData_->SkinIndex, FTitleSkinIndex, form_->width(),
                                       form_->height());
    QRegion region(0, 0, form_->width(), form_->height());
    for (const TRect& r : arOR_) region -= QRegion(r.Left, r.Top, r.Width(), r.Height());
    if (arOR_.empty()) form_->clearMask();
    else form_->setMask(region);
    rgnChanged_ = false;
    if (!deviceBmp_.Empty()) paint::ClearDeviceBlocks(deviceBmp_, deviceRatio_, arOR_);
}

void TsSkinProvider::PaintAll() {
    if (destroying_ || !frameApplied_) return;
    if (!skinData_->FCacheBmp) skinData_->FCacheBmp = std::make_unique<TBitmap32>();
    paint::TFormPicture picture;
    picture.TitleIndex = FTitleSkinIndex;
    picture.CaptionIndex = FCaptionSkinIndex;
    picture.FormActive = formActive_;
    picture.Caption = form_->windowTitle();
    picture.CaptionFont = platform::InterfaceFont(platform::CaptionFontPixels, true);
    picture.CaptionAlignment = CaptionAlignment;
    const double ratio = form_->devicePixelRatioF();
    picture.WithCaptionText = paint::IsUnitRatio(ratio);
    if (!paint::PaintAll(*skinData_, FrameInput(), picture, layout_, *skinData_->FCacheBmp, tempBmp_)) return;
    deviceRatio_ = ratio;
    if (paint::IsUnitRatio(ratio)) {
        deviceBmp_ = TBitmap32();
    } else {
        // Skin pixels onto the device grid, the caption's glyphs at the device's resolution.
        paint::ScaleToDevice(*skinData_->FCacheBmp, deviceBmp_, ratio);
        paint::DrawCaptionText(*skinData_, FrameInput(), picture, layout_, deviceBmp_, ratio);
    }
    if (closeAnimation_ && closeAnimation_->OverlayState() >= 0) RepaintCloseButton();
    rgnChanged_ = true;
    skinData_->FBGChanged = false;
}

void TsSkinProvider::RepaintCloseButton() {
    const TLoadedSkin* skin = paint::LoadedSkinOf(skinData_->SkinManager());
    TBitmap32* cache = skinData_->FCacheBmp.get();
    if (!skin || !cache || cache->Empty() || !Skinned()) return;
    const paint::TFormFrameInput input = FrameInput();
    const int tempLeft = paint::TempBmpLeft(*skin, input, layout_);
    paint::TsCaptionButton button = layout_.ButtonClose;
    int overlay = -1, opacity = 0;
    if (closeAnimation_ && closeAnimation_->OverlayState() >= 0) {
        // The fade lays the new frame over the normal one.
        overlay = closeAnimation_->OverlayState();
        opacity = closeAnimation_->Opacity();
        button.State = 0;
    }
    paint::DrawTitleButton(*skin, button, formActive_ > 0, tempBmp_, tempLeft, *cache, overlay, opacity);
    const TRect& r = button.Rect;
    if (!deviceBmp_.Empty()) paint::ScaleToDevice(*cache, deviceBmp_, deviceRatio_, r);
    form_->update(r.Left, r.Top, r.Width(), r.Height());
}

void TsSkinProvider::PaintForm(QEvent* event) {
    RenderCacheIfStale();
    if (rgnChanged_) UpdateRegion();
    const TBitmap32* cache = skinData_->FCacheBmp.get();
    if (!cache || cache->Empty()) return;
    QPainter painter(form_);
    if (!deviceBmp_.Empty()) {
        // Device pixels drawn 1:1; the cut corners are transparent in the picture itself.
        QImage device(reinterpret_cast<const uchar*>(deviceBmp_.Pixels().data()), deviceBmp_.Width(),
                      deviceBmp_.Height(), deviceBmp_.Width() * 4, QImage::Format_ARGB32_Premultiplied);
        device.setDevicePixelRatio(deviceRatio_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPointF(0, 0), device);
        return;
    }
    const QImage picture = paint::WrapBitmap(const_cast<TBitmap32&>(*cache));
    const QRect part = static_cast<QPaintEvent*>(event)->rect();
    painter.drawImage(part.topLeft(), picture, part);
    ClearCutCorners(painter, part);
}

void TsSkinProvider::ClearCutCorners(QPainter& painter, const QRect& part) const {
    // Only what goes to the window's own back buffer: a grab or render of the form elsewhere is
    // a picture of its content (tests compare it whole), the window itself gets its outline.
    const QBackingStore* store = form_->backingStore();
    const QPaintDevice* target = painter.paintEngine() ? painter.paintEngine()->paintDevice() : nullptr;
    if (!store || !target || target != const_cast<QBackingStore*>(store)->paintDevice()) return;
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const TRect& r : arOR_) {
        const QRect cut = QRect(r.Left, r.Top, r.Width(), r.Height()).intersected(part);
        if (!cut.isEmpty()) painter.fillRect(cut, Qt::transparent);
    }
}

bool TsSkinProvider::eventFilter(QObject* watched, QEvent* event) {
    if (destroying_) return false;
    const bool fromClient = watched == client_ && watched != form_;
    if (IsSkinCommand(event)) {
        auto& command = static_cast<TSkinCommandEvent&>(*event);
        if (HandleSkinCommand(command, fromClient)) {
            command.SetHandled();
            return true;
        }
        return false;
    }
    if (fromClient) {
        // The mouse went from the title strip straight into the client area: nothing is hot.
        if (event->type() == QEvent::Enter && !closePressed_ && Skinned()) {
            CurrentHT = 0;
            SetCloseState(0);
        }
        return false;
    }
    if (watched != form_) return false;
    if (menuMove_ && MenuMoveEvent(event)) return true;
    switch (event->type()) {
    case QEvent::Show:
        // Children adapted and the finished picture ready before the first paint.
        if (adapter_) adapter_->AddAllItems();
        TDeviceGridPointer::Attach(form_);
        if (Skinned()) {
            RenderCacheIfStale();
            if (rgnChanged_) UpdateRegion();
        }
        return false;
    case QEvent::ActivationChange:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        SetFormActive(form_->isActiveWindow());
        return false;
    case QEvent::WindowUnblocked: {
        // A modal window over the form closed. A desktop hands activation back to its owner;
        // a bare X server does not, and the form would stay inactive and get no keys.
        const QWidget* active = QApplication::activeWindow();
        if (form_->isVisible() && (!active || !active->isVisible())) form_->activateWindow();
        return false;
    }
    case QEvent::WindowTitleChange:
        // The caption is part of the picture; the new one is drawn with the next frame.
        skinData_->FBGChanged = true;
        if (Skinned()) form_->update(0, 0, form_->width(), layout_.FHeaderHeight);
        return false;
    case QEvent::Resize:
        KeepFixedSize();
        skinData_->FBGChanged = true;
        rgnChanged_ = true;
        if (Skinned()) UpdateRegion();
        return false;
    case QEvent::WinIdChange:
        // A recreated native window has lost its shape.
        if (Skinned()) rgnChanged_ = true;
        return false;
    case QEvent::Paint:
        if (!Skinned()) return false;
        PaintForm(event);
        return true;
    default:
        break;
    }
    if (!Skinned()) return false;
    return FormMouseEvent(event);
}

}  // namespace tornivex
