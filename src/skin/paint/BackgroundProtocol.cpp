#include "BackgroundProtocol.h"

#include "BitmapPrimitives.h"
#include "BorderMask.h"
#include "ElementPaint.h"
#include "ManagerAccess.h"
#include "RectOps.h"
#include "sCommonData.h"

#include "skin/data/LoadedSkin.h"
#include "skin/data/SkinCommand.h"
#include "skin/data/SkinPalette.h"

#include <QObject>

namespace tornivex::paint {
namespace {

TBackgroundFallbacks& Fallbacks() {
    static TBackgroundFallbacks fallbacks;
    return fallbacks;
}


// Sends command 34 and, when nobody answered and drawing was asked for, lets the parent paint.
bool AskParent(BackgroundQuery& query, QObject* parent, bool pleaseDraw) {
    query.Bmp = nullptr;
    query.Kind = bkUnknown;
    query.PleaseDraw = pleaseDraw;
    query.FillRect = TRect{};
    SendSkinCommand(parent, scGetBackground, reinterpret_cast<std::intptr_t>(&query));
    if (query.Kind != bkUnknown) return true;
    if (!pleaseDraw || !query.DrawDC) return false;
    const auto& paint = Fallbacks().PaintParent;
    if (paint && paint(parent, *query.DrawDC, query.Offset, query.R)) {
        query.Kind = bkCache;  // DrawDC now holds the parent's own look
        return true;
    }
    return false;
}

}  // namespace

void SetBackgroundFallbacks(TBackgroundFallbacks fallbacks) { Fallbacks() = std::move(fallbacks); }

TColor OwnColorOf(QObject* parent) {
    const auto& colorOf = Fallbacks().ParentColor;
    return ColorToRGB(parent && colorOf ? colorOf(parent) : SystemColor(COLOR_BTNFACE));
}

void QueryParentBackground(BackgroundQuery& query, QObject* parent, bool pleaseDraw) {
    if (AskParent(query, parent, pleaseDraw)) return;
    // A parent that paints nothing of its own shows its control colour; 0 counts as none.
    const auto answer = static_cast<TColor>(SendSkinCommand(parent, scGetControlColor));
    query.Kind = bkFill;
    query.Color = answer != 0 ? answer : OwnColorOf(parent);
    if (pleaseDraw && query.DrawDC) FillPixels32(*query.DrawDC, query.R, ColorToRGB(query.Color));
}

void QueryParentWindowBackground(BackgroundQuery& query, QObject* window, bool pleaseDraw,
                                 const TsSkinManager* manager) {
    if (AskParent(query, window, pleaseDraw)) return;
    const TLoadedSkin* skin = LoadedSkinOf(ManagerOrDefault(manager));
    query.Kind = bkFill;
    query.Color = skin ? skin->Palette[pcMainColor] : ColorToRGB(SystemColor(COLOR_BTNFACE));
    if (pleaseDraw && query.DrawDC) FillPixels32(*query.DrawDC, query.R, ColorToRGB(query.Color));
}

void RefreshCornerPixels(const TsCommonData& data, int state, int corners) {
    const TsSkinManager* manager = data.SkinManager();
    const TLoadedSkin* skin = LoadedSkinOf(manager);
    if (!skin || !skin->IsValidImgIndex(data.BorderIndex) || !data.FCacheBmp || !data.Owner()) return;
    BackgroundQuery query;
    QueryParentBackground(query, data.Owner()->ParentObject(), false);
    if (query.Kind == bkCache) {
        const TPoint at = data.OwnerPositionNow();
        query.Offset.X += at.X;
        query.Offset.Y += at.Y;
    }
    const BackgroundSource source = BackgroundSourceFromQuery(query);
    if (skin->IsValidSkinIndex(data.SkinIndex))
        state = LimitState(skin->gd[static_cast<std::size_t>(data.SkinIndex)], state);
    RedrawBorderCorners(*data.FCacheBmp, BoundsOf(*data.FCacheBmp), source, state,
                        skin->ma[static_cast<std::size_t>(data.BorderIndex)], corners);
}

}  // namespace tornivex::paint
