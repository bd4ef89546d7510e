// TsCommonData: what a control tells its children (background, colour, readiness), the updating
// protocol and the decision whether it shows its parent's background.
#include "sCommonData.h"

#include "BackgroundProtocol.h"
#include "BitmapPrimitives.h"
#include "ControlKinds.h"
#include "ManagerAccess.h"

#include "skin/data/LoadedSkin.h"
#include "skin/data/SkinCommand.h"
#include "skin/data/SkinPalette.h"
#include "skin/data/sSkinManager.h"

#include <QObject>

#include <algorithm>

namespace tornivex {

using paint::BackgroundQuery;
using paint::bkCache;
using paint::bkFill;
using paint::bkNotReady;

// ---- Updating protocol -----------------------------------------------------------------------

bool TsCommonData::ComputeUpdating() const {
    if (!SkinManager()) return false;
    if (FUpdating) return true;
    if (!owner_ || owner_->IsDestroying()) return false;
    QObject* parent = owner_->ParentObject();
    return parent && SendSkinCommand(parent, scIsNotReady) == 1;
}

bool TsCommonData::ReevaluateUpdating(bool clearFirst) {
    if (clearFirst) FUpdating = false;
    FUpdating = ComputeUpdating();
    return FUpdating;
}

void TsCommonData::BeginUpdate() {
    ++FUpdateCount;
    FUpdating = true;
    CtrlSkinState |= ACS_LOCKED;
    if (owner_) SendSkinCommand(owner_->Object(), scBeginUpdate);
}

void TsCommonData::EndUpdate(bool repaint) {
    --FUpdateCount;
    FUpdating = false;
    CtrlSkinState &= static_cast<std::uint16_t>(~ACS_LOCKED);
    if (FUpdateCount > 0) return;
    if (owner_) SendSkinCommand(owner_->Object(), scEndUpdate);
    if (repaint) Invalidate(true);
}

// ---- Moves, skin state -----------------------------------------------------------------------

bool TsCommonData::RepaintIfMoved() const {
    const TsGeneralData* section = Section();
    if (!section || !Skinned()) return true;
    if (!owner_ || !owner_->IsEnabled() || COC == 95) return true;
    if (section->Props[0].Transparency < 1) return false;
    QObject* parent = owner_->ParentObject();
    if (!parent) return false;
    return SendSkinCommand(parent, scCanRepaintIfMoved) != 0;
}

void TsCommonData::UpdateSkinState(bool recurse) {
    const TsGeneralData* section = Section();
    const bool container = paint::IsContainerKind(COC);
    if (!container || !section) {
        // Push buttons, memos and other non-containers never show their parent through.
        CtrlSkinState &= static_cast<std::uint16_t>(~(ACS_SHOWSPARENT | ACS_NOTCOMPUTED));
    } else {
        if (owner_ && owner_->ParentObject() && SendSkinCommand(owner_->ParentObject(), scIsNotReady) == 1) return;
        const TLoadedSkin& skin = *Skin();
        const TsGenState& normal = section->Props[0];
        const TsSkinManager* manager = SkinManager();
        bool showsParent = manager->Effects().AllowOuterEffects;
        if (skin.IsValidImgIndex(section->BorderIndex) &&
            (skin.ma[static_cast<std::size_t>(section->BorderIndex)].DrawMode & 4))
            showsParent = true;
        if (normal.Transparency == 100) {
            const bool tiled = skin.IsValidImgIndex(Texture) &&
                               skin.ma[static_cast<std::size_t>(Texture)].DrawMode == 10;
            if (!tiled) showsParent = true;
        }
        if (normal.Transparency == 0 && normal.ImagePercent <= 0 && normal.GradientPercent <= 0 &&
            section->ImgTL < 0 && section->ImgTR < 0 && section->ImgBL < 0 && section->ImgBR < 0 &&
            !skin.IsValidImgIndex(section->BorderIndex))
            showsParent = true;
        if (owner_ && owner_->IsProvider() && !showsParent) CtrlSkinState = 0;
        else if (showsParent) CtrlSkinState |= ACS_SHOWSPARENT;
        else CtrlSkinState &= static_cast<std::uint16_t>(~ACS_SHOWSPARENT);
        CtrlSkinState &= static_cast<std::uint16_t>(~ACS_NOTCOMPUTED);
    }
    if (recurse) SendToChildren(scUpdateSkinState, 1);
}

// ---- Colours ---------------------------------------------------------------------------------

TColor TsCommonData::ParentColor() const {
    QObject* parent = owner_ ? owner_->ParentObject() : nullptr;
    if (!parent) return ColorToRGB(SystemColor(COLOR_BTNFACE));
    if (SendSkinCommand(parent, scIsSkinned) == 1) {
        const auto answer = static_cast<TColor>(SendSkinCommand(parent, scGetControlColor));
        if (answer != 0) return ColorToRGB(answer);
    }
    return paint::OwnColorOf(parent);
}

TColor TsCommonData::ElementFillColor(int state) const {
    const TsGeneralData* section = Skinned() ? Section() : nullptr;
    if (!section || FCustomColor) return ColorToRGB(OwnerColorNow());
    const int s = state > 0 && section->States > 1 ? 1 : 0;
    const TsGenState& set = section->Props[static_cast<std::size_t>(s)];
    if (set.Transparency <= 0) return ColorToRGB(set.Color);
    const TColor parent = ParentColor();
    if (set.Transparency >= 100) return parent;
    // Partly transparent: the parent shows through by the transparency's share.
    return paint::BlendColors(parent, ColorToRGB(set.Color), set.Transparency / 100.0);
}

// ---- Background queries ----------------------------------------------------------------------

bool TsCommonData::ChildrenMayUseCache() const {
    if (!(CtrlSkinState & ACS_SHOWSPARENT)) return true;
    const TsSkinManager* manager = SkinManager();
    if (manager && manager->Effects().AllowOuterEffects) return true;
    return IsHotOrFocused() && !paint::IsContainerKind(COC);
}

bool TsCommonData::RenderCacheIfStale() {
    if (FBGChanged && owner_) SendSkinCommand(owner_->Object(), scRenderCache);
    return !FBGChanged && FCacheBmp && !FCacheBmp->Empty();
}

void TsCommonData::AnswerBackgroundQuery(BackgroundQuery& query, bool hot) {
    if (query.PleaseDraw) AnswerByDrawing(query, hot);
    else AnswerWithoutDrawing(query, hot);
}

void TsCommonData::AnswerWithoutDrawing(BackgroundQuery& query, bool hot) {
    query.Bmp = nullptr;
    const TsGeneralData* section = Skinned() ? Section() : nullptr;
    const auto handOutCache = [&] {
        query.Kind = bkCache;
        query.Bmp = FCacheBmp.get();
        query.Offset = TPoint{};
    };
    if (!section || FCustomColor) {
        query.Kind = bkFill;
        query.Color = ColorToRGB(OwnerColorNow());
        return;
    }
    const int s = std::min({hot ? 1 : 0, section->States - 1, 1});
    const TsGenState& set = section->Props[static_cast<std::size_t>(std::max(0, s))];
    const TLoadedSkin& skin = *Skin();
    if (set.Transparency == 100 && ((CtrlSkinState & ACS_SHOWSPARENT) || !FCacheBmp)) {
        QObject* parent = owner_ ? owner_->ParentObject() : nullptr;
        if (!parent) {
            query.Kind = bkFill;
            query.Color = skin.Palette[pcMainColor];
            return;
        }
        paint::QueryParentBackground(query, parent, false);
        if (query.Bmp) {
            const TPoint at = OwnerPositionNow();
            query.Offset.X += at.X;
            query.Offset.Y += at.Y;
            query.FillRect.Left -= at.X;
            query.FillRect.Top -= at.Y;
        }
        return;
    }
    if (set.Transparency == 100) {
        if (!RenderCacheIfStale()) {
            query.Kind = bkFill;
            query.Color = ElementFillColor(0);
            query.Offset = TPoint{};
        } else {
            handOutCache();
        }
        return;
    }
    if (set.Transparency > 0) {
        if (!FCacheBmp) {
            query.Kind = bkFill;
            query.Color = clFuchsia;
        } else if (FCacheBmp->Empty()) {
            FUpdating = true;
            query.Kind = bkNotReady;
        } else {
            handOutCache();
        }
        return;
    }
    const bool noCorners = section->ImgTL < 0 && section->ImgTR < 0 && section->ImgBL < 0 && section->ImgBR < 0;
    const bool outerEffects = SkinManager()->Effects().AllowOuterEffects;
    if (set.ImagePercent <= 0 && set.GradientPercent <= 0 && noCorners && !outerEffects) {
        query.Kind = bkFill;
        query.Color = ElementFillColor(hot ? 1 : 0);
        if (skin.IsValidImgIndex(section->BorderIndex)) {
            const TsMaskData& mask = skin.ma[static_cast<std::size_t>(section->BorderIndex)];
            if (!(mask.DrawMode & 2)) {
                query.FillRect = TRect{mask.WL, mask.WT, mask.WR, mask.WB};
                query.Bmp = FCacheBmp.get();
                query.Offset = TPoint{};
            }
        }
        return;
    }
    const TRect bounds = owner_ ? owner_->Bounds() : TRect{};
    if (!FCacheBmp || FCacheBmp->Empty() || FCacheBmp->Width() != bounds.Width() ||
        FCacheBmp->Height() != bounds.Height()) {
        FBGChanged = true;
        EmptyCache();
        if (owner_) SendSkinCommand(owner_->Object(), scRenderCache);
    }
    if (!FCacheBmp || FCacheBmp->Empty()) query.Kind = bkNotReady;
    else handOutCache();
}

void TsCommonData::AnswerByDrawing(BackgroundQuery& query, bool hot) {
    UpdateSkinState(false);
    if (!query.DrawDC) return;
    if (Skinned() && ChildrenMayUseCache() && RenderCacheIfStale()) {
        const TRect from{query.R.Left + query.Offset.X, query.R.Top + query.Offset.Y,
                         query.R.Right + query.Offset.X, query.R.Bottom + query.Offset.Y};
        paint::CopyRect(*query.DrawDC, TPoint{query.R.Left, query.R.Top}, *FCacheBmp, from);
        query.Kind = bkCache;
        return;
    }
    paint::FillPixels32(*query.DrawDC, query.R, ElementFillColor(hot ? 1 : 0));
    query.Kind = bkFill;
}

}  // namespace tornivex
