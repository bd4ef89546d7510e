#include "TacEditWnd.h"
#include "SkinnedWidget.h"

#include "ScrollBarWidget.h"

#include "skin/data/LoadedSkin.h"
#include "skin/paint/BackgroundProtocol.h"
#include "skin/paint/BitmapImage.h"
#include "skin/paint/BitmapPrimitives.h"
#include "skin/paint/ElementPaint.h"
#include "skin/paint/ManagerAccess.h"
#include "skin/paint/PixelColor.h"
#include "skin/paint/RectOps.h"
#include "skin/paint/sScrollWndData.h"

#include <QAbstractScrollArea>
#include <QPainter>

namespace tornivex {

TacEditWnd::TacEditWnd(QAbstractScrollArea* control, TsScrollWndData* skinData) : TacScrollWnd(control, skinData) {
    SetSkinParams();
}

int TacEditWnd::FrameState() const { return SkinData->IsHotOrFocused() ? 1 : 0; }

void TacEditWnd::SetSkinParams() {
    const TLoadedSkin* skin = paint::LoadedSkinOf(SkinManager());
    if (!skin || !skin->IsValidSkinIndex(SkinData->SkinIndex)) return;
    const TsGeneralData& section = skin->gd[static_cast<std::size_t>(SkinData->SkinIndex)];
    const TsGenState& p = section.Props[static_cast<std::size_t>(paint::PropertySetOf(section, FrameState()))];
    const TColor color = ColorToRGB(p.Color), frame = ColorToRGB(p.FontColor.Color);
    ParamsChanged = color != Color || frame != FrameColor;
    Color = color;
    FrameColor = frame;
}

void TacEditWnd::PrepareCache() {
    auto& cache = SkinData->FCacheBmp;
    if (!cache) cache = std::make_unique<TBitmap32>();
    const int w = CtrlHandle->width(), h = CtrlHandle->height();
    if (!SkinData->FBGChanged && cache->Width() == w && cache->Height() == h) return;
    cache->SetSize(w, h);
    if (cache->Empty()) return;
    paint::BackgroundQuery query;
    paint::QueryParentBackground(query, CtrlHandle->parentWidget(), false);
    if (query.Kind == paint::bkNotReady) {
        // The parent cannot show its background yet: a plain frame now, the real one later.
        paint::FillPixels32(*cache, paint::BoundsOf(*cache), Color);
        return;
    }
    paint::TElementPaint options = paint::ElementPaintOf(*SkinData);
    options.Background = paint::BackgroundSourceFromQuery(query);
    options.State = FrameState();
    options.Offset = TPoint{CtrlHandle->x(), CtrlHandle->y()};
    options.Rect = paint::BoundsOf(*cache);
    paint::PaintElement(*SkinData, *cache, options);
    if (!CtrlHandle->isEnabled() && DisabledKind != 0)
        paint::ApplyDisabledLook(*cache, DisabledKind, ColorToRGB(query.Color), options.Offset, options.Background);
    SkinData->FBGChanged = false;
}

paint::BackgroundSource TacEditWnd::BarBackground() {
    PrepareCache();
    if (!SkinData->FCacheBmp || SkinData->FCacheBmp->Empty()) return paint::BackgroundSourceFromColor(Color);
    return paint::BackgroundSourceFromBitmap(SkinData->FCacheBmp.get(), TPoint{});
}

void TacEditWnd::PaintNonClient(QPainter& painter) {
    PrepareCache();
    if (!SkinData->FCacheBmp || SkinData->FCacheBmp->Empty()) {
        TacScrollWnd::PaintNonClient(painter);
        return;
    }
    // Only the ring outside the text and the bars: those paint themselves.
    QRegion ring(CtrlHandle->rect());
    ring -= ClientRect();
    for (const TacScrollBarWidget* bar : {sBarHorz, sBarVert})
        if (bar && bar->isVisible()) ring -= bar->geometry();
    painter.setClipRegion(ring);
    DrawOnDeviceGrid(painter, *SkinData->FCacheBmp, CtrlHandle->devicePixelRatioF());
    painter.setClipping(false);
    PaintCornerSquare(painter);
}

}  // namespace tornivex
