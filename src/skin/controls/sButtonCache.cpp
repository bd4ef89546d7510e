// TsButton's look: the cache rendered from the skin's button section, its caption and focus
// rectangle, and the copy to the screen.
#include "sButton.h"

#include "platform/text/DrawText.h"
#include "skin/data/LoadedSkin.h"
#include "skin/data/SkinCommand.h"
#include "skin/data/sSkinManager.h"
#include "skin/paint/BackgroundProtocol.h"
#include "skin/paint/BitmapImage.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/Decorations.h"
#include "skin/paint/DevicePixels.h"
#include "skin/paint/ElementPaint.h"
#include "skin/paint/ElementText.h"
#include "skin/paint/PixelColor.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace tornivex {
namespace {

using namespace platform;

std::uint32_t CaptionFlags(bool wordWrap, bool rightToLeft) {
    std::uint32_t flags = tfCenter | tfVCenter | tfExpandTabs;
    flags |= wordWrap ? tfWordBreak : tfSingleLine;
    if (rightToLeft) flags |= tfRtlReading;
    return flags;
}

}  // namespace

TRect TsButton::CaptionRect() const {
    const int w = width() - (FStyle == bsSplitButton ? 16 : 0);
    QFont font = this->font();
    int margin = FContentMargin;
    if (FStyle == bsCommandLink) {  // bold and larger, in a narrower strip
        font.setBold(true);
        font.setPixelSize(std::max(1, font.pixelSize()) + 2);
        margin += (w - 2 * margin) / 6;
    }
    TRect rect = paint::CenteredCaptionRect(font, text(), w, height(), margin, CaptionFlags(wordWrap_, false));
    const TsSkinManager* manager = skinData_.SkinManager();
    if (CurrentState() == 2 && (!Skinned() || !manager || manager->ButtonsOptions.ShiftContentOnClick)) {
        ++rect.Left, ++rect.Right, ++rect.Top, ++rect.Bottom;
    }
    return rect;
}

void TsButton::DrawCaption(TBitmap32& target, double ratio) {
    const TRect rect = CaptionRect();
    const int state = CurrentState();
    paint::TTextCanvas canvas{target, font(), ColorOfQColor(palette().color(QPalette::ButtonText)), ratio};
    paint::WriteElementText(canvas, text(), true, state != 0, skinData_,
                            CaptionFlags(wordWrap_, layoutDirection() == Qt::RightToLeft), rect);
    const TsSkinManager* manager = skinData_.SkinManager();
    const TsGeneralData* section = skinData_.Section();
    if (!hasFocus() || !manager || !manager->ButtonsOptions.ShowFocusRect || !isEnabled() || text().isEmpty() ||
        !FShowFocus || !section)
        return;
    TRect focus{rect.Left - FFocusMargin - 1, rect.Top - FFocusMargin, rect.Right + FFocusMargin + 1,
                rect.Bottom + FFocusMargin};
    focus.Top = std::max(focus.Top, 3);
    focus.Bottom = std::min(focus.Bottom, height() - 3);
    const int set = section->States >= 1 ? 1 : 0;
    // The dotted line is one device pixel wide, on the device grid.
    paint::DrawElementFocusRect(target, ratio == 1.0 ? focus : paint::DeviceRect(focus, ratio),
                                section->Props[static_cast<std::size_t>(set)].FontColor.Color, clNoColor2);
}

bool TsButton::PrepareButtonCache() {
    const TLoadedSkin* skin = skinData_.Skin();
    const TsGeneralData* section = skinData_.Section();
    if (!skin || !section) return false;
    paint::BackgroundQuery query;
    paint::QueryParentBackground(query, parentWidget(), false);
    if (query.Kind == paint::bkNotReady) {
        skinData_.FUpdating = true;
        return false;
    }
    const paint::BackgroundSource source = paint::BackgroundSourceFromQuery(query);
    skinData_.PrepareCacheBitmap();
    TBitmap32& cache = *skinData_.FCacheBmp;
    if (cache.Empty()) return false;

    const int current = CurrentState();
    const int state = current == 3 && section->States < 4 ? 1 : paint::LimitState(*section, current);
    const TPoint at{x(), y()};
    paint::TElementPaint element = paint::ElementPaintOf(skinData_);
    element.State = state;
    element.Rect = TRect{0, 0, cache.Width(), cache.Height()};
    element.Offset = at;
    element.Background = source;
    paint::PaintElementBackgroundIn(*skin, cache, element);
    if (skin->IsValidImgIndex(section->BorderIndex)) {
        const TsMaskData& border = skin->ma[static_cast<std::size_t>(section->BorderIndex)];
        if (!(state == 0 && (border.DrawMode & paint::bmNotInNormal)))
            paint::DrawBorderMask(cache, element.Rect, paint::ShiftedSource(source, at), true, state, border);
    }
    if (skinData_.FSaturation != 0) paint::ApplySaturation(cache, skinData_.FSaturation);
    // The corners were just composed against the parent's current background; composing them
    // again would blend their half-transparent edge pixels twice.
    const double ratio = devicePixelRatioF();
    const bool deviceCache = !paint::IsUnitRatio(ratio);
    if (!deviceCache) DrawCaption(cache, 1.0);
    if (FStyle == bsSplitButton) {
        const TColor color = section->Props[static_cast<std::size_t>(paint::PropertySetOf(*section, state))].FontColor.Color;
        const TPixel32 pixel = paint::ColorToPixel(ColorToRGB(color));
        for (int y = 4; y < cache.Height() - 4; ++y)
            if (cache.Contains(cache.Width() - 15, y)) cache.Pixel(cache.Width() - 15, y) = pixel;
        const int cx = cache.Width() - 8, cy = cache.Height() / 2 - 1;
        for (int row = 0; row < 3; ++row)
            for (int dx = -2 + row; dx <= 2 - row; ++dx)
                if (cache.Contains(cx + dx, cy + row)) cache.Pixel(cx + dx, cy + row) = pixel;
    }
    if (!isEnabled())
        paint::ApplyDisabledLook(cache, FDisabledKind, paint::OwnColorOf(parentWidget()), at, source);
    skinData_.FCacheRatio = 1.0;
    if (deviceCache) {
        // For a scaled screen: the skin pixels onto the device grid, the caption at its resolution.
        auto device = std::make_unique<TBitmap32>();
        paint::ScaleToDevice(cache, *device, ratio);
        DrawCaption(*device, ratio);
        skinData_.FCacheBmp = std::move(device);
        skinData_.FCacheRatio = ratio;
    }
    skinData_.FBGChanged = false;
    cacheState_ = current;
    cacheText_ = text();
    return true;
}

void TsButton::paintEvent(QPaintEvent* event) {
    // The cache covers every pixel (its corners already show the parent): Qt need not paint the
    // parent beneath first. The platform's button is not opaque.
    const bool skinned = Skinned();
    if (testAttribute(Qt::WA_OpaquePaintEvent) != skinned) setAttribute(Qt::WA_OpaquePaintEvent, skinned);
    if (!skinned) {
        QPushButton::paintEvent(event);
        return;
    }
    QWidget* parent = parentWidget();
    if (!parent || skinData_.FUpdating) return;
    const TacThreadedTimer* timer = skinData_.AnimTimer.get();
    const bool animating = timer && timer->Enabled();
    if (!animating) {
        if (skinData_.HalfVisible || SendSkinCommand(parent, scIsHalfVisible) == 1) skinData_.FBGChanged = true;
        skinData_.HalfVisible = !parent->rect().contains(geometry());
    }
    // Changes the platform makes by itself (pushed by a key, text set) show at once.
    const TBitmap32* cache = skinData_.FCacheBmp.get();
    const double ratio = paint::IsUnitRatio(devicePixelRatioF()) ? 1.0 : devicePixelRatioF();
    if (CurrentState() != cacheState_ || text() != cacheText_ || !cache || skinData_.FCacheRatio != ratio ||
        cache->Width() != paint::DeviceEdge(width(), ratio) || cache->Height() != paint::DeviceEdge(height(), ratio)) {
        if (animating) skinData_.StopAnimation();
        skinData_.FBGChanged = true;
    }
    if (skinData_.FBGChanged && !PrepareButtonCache()) return;
    PaintSkinPicture(*this, skinData_);
}

}  // namespace tornivex
