// TsCommonData: manager, section resolution, loading, colours, cache and invalidation.
#include "sCommonData.h"

#include "BackgroundProtocol.h"
#include "ControlKinds.h"
#include "ManagerAccess.h"
#include "StateAnimation.h"

#include "skin/data/ColorAdjust.h"
#include "skin/data/LoadedSkin.h"
#include "skin/data/SkinCommand.h"
#include "skin/data/SkinEngine.h"
#include "skin/data/sSkinManager.h"

#include <QMetaObject>
#include <QObject>

#include <algorithm>

namespace tornivex {
namespace {

std::intptr_t AsLParam(const void* pointer) { return reinterpret_cast<std::intptr_t>(pointer); }

// "tornivex::TsButton" -> "TSBUTTON": the owner's class name as a section name.
QString ClassSectionName(const QObject* object) {
    QString name = QString::fromLatin1(object->metaObject()->className());
    const int colons = name.lastIndexOf(QLatin1String("::"));
    if (colons >= 0) name = name.mid(colons + 2);
    return name.toUpper();
}

}  // namespace

TsCommonData::TsCommonData(ISkinOwner* owner, bool createCache) : owner_(owner) {
    if (createCache) FCacheBmp = std::make_unique<TBitmap32>();
}

TsCommonData::~TsCommonData() {
    SkinIndex = BorderIndex = Texture = HotTexture = -1;
    if (AnimTimer) AnimTimer->Destroyed = true;
    AnimTimer.reset();
}

QObject* TsCommonData::OwnerControl() const {
    return owner_ && !owner_->IsProvider() ? owner_->Object() : nullptr;
}

TColor TsCommonData::OwnerColorNow() const { return owner_ ? owner_->Color() : OwnerColor; }

TPoint TsCommonData::OwnerPositionNow() const {
    if (!owner_) return OwnerPosition;
    const TRect bounds = owner_->Bounds();
    return TPoint{bounds.Left, bounds.Top};
}

// ---- Manager and section ---------------------------------------------------------------------

TsSkinManager* TsCommonData::SkinManager() const {
    return FSkinManager ? FSkinManager.data() : DefaultManager();
}

void TsCommonData::SetSkinManager(TsSkinManager* manager) {
    if (FSkinManager == manager) return;
    FSkinManager = manager;
    if (!Loading) Loaded();
}

const TLoadedSkin* TsCommonData::Skin() const { return paint::LoadedSkinOf(SkinManager()); }

const TsGeneralData* TsCommonData::Section() const {
    const TLoadedSkin* skin = Skin();
    return skin && skin->IsValidSkinIndex(SkinIndex) ? &skin->gd[static_cast<std::size_t>(SkinIndex)] : nullptr;
}

bool TsCommonData::Skinned(bool requireActiveSkin) const {
    const TsSkinManager* manager = SkinManager();
    if (!manager || manager->SkinRemoving() || !Section()) return false;
    if (owner_ && owner_->IsDestroying()) return false;
    return !requireActiveSkin || manager->CommonSkinData().Active;
}

void TsCommonData::SetSkinSection(const QString& value) {
    const QString upper = value.toUpper();
    if (upper == FSkinSection) return;
    FSkinSection = upper;
    if (Skin()) UpdateIndexes(true);
    else SkinIndex = -1;
    if (!owner_) return;
    if (owner_->IsProvider()) {
        FBGChanged = true;
        return;
    }
    if (Loading || owner_->IsLoading() || owner_->IsDestroying() || !owner_->ParentObject()) return;
    if (owner_->HasWindow() && FCacheBmp) FCacheBmp->SetSize(0, 0);
    SendToChildren(scSetBGChanged, 0, 1);
    if (FUpdating || Loading) return;
    const bool valid = Section() != nullptr;
    SendSkinCommand(owner_->Object(), valid ? scRefresh : scRemoveSkin, AsLParam(SkinManager()), 1);
}

void TsCommonData::SetCustomColor(bool value) {
    if (FCustomColor == value) return;
    FCustomColor = value;
    if (owner_ && !owner_->IsLoading() && !Loading) ApplySkinColors(true);
}

void TsCommonData::SetCustomFont(bool value) {
    if (FCustomFont == value) return;
    FCustomFont = value;
    if (owner_ && !owner_->IsLoading() && !Loading) ApplySkinColors(true);
}

void TsCommonData::UpdateIndexes(bool resolveIndex) {
    FBGChanged = true;
    if (resolveIndex) {
        const TsSkinManager* manager = SkinManager();
        if (!manager || !Skin()) SkinIndex = -1;
        else if (!FSkinSection.isEmpty()) SkinIndex = manager->GetSkinIndex(FSkinSection);
        else SkinIndex = owner_ ? static_cast<int>(SendSkinCommand(owner_->Object(), scGetSkinIndex)) - 1 : -1;
    }
    TakeIndexesFromSection();
}

void TsCommonData::TakeIndexesFromSection() {
    BGType = 0;
    CtrlSkinState = ACS_NOTCOMPUTED;
    const TsGeneralData* section = Section();
    if (!section) {
        BorderIndex = Texture = HotTexture = -1;
        return;
    }
    const TsGenState& normal = section->Props[0];
    if (normal.ImagePercent > 0) BGType |= 4;
    if (normal.GradientPercent > 0 && !normal.GradientArray.empty()) {
        switch (normal.GradientArray.front().Mode1) {
            case 0: BGType |= 2; break;
            case 1: BGType |= 1; break;
            default: BGType |= 3; break;
        }
    }
    const TsSkinManager* manager = SkinManager();
    BorderIndex = section->BorderIndex;
    Texture = manager->GetTextureIndex(SkinIndex, QStringLiteral("PATTERN"));
    HotTexture = manager->GetTextureIndex(SkinIndex, QStringLiteral("HOTPATTERN"));
    UpdateSkinState(false);
}

void TsCommonData::SetSectionFromNames(const QStringList& names) {
    const TsSkinManager* manager = SkinManager();
    if (!manager || !Skin()) {
        SkinIndex = -1;
        return;
    }
    for (const QString& name : names) {
        if (name.isEmpty()) continue;
        SkinIndex = manager->GetSkinIndex(name);
        if (SkinIndex >= 0) {
            FSkinSection = name;
            UpdateIndexes(false);
            return;
        }
    }
}

void TsCommonData::ChooseDefaultSection() {
    if (!FSkinSection.isEmpty()) {
        UpdateIndexes(true);
        return;
    }
    const paint::TacSectionChoice choice = paint::DefaultSectionOf(COC);
    switch (choice.Kind) {
        case paint::TacDefaultSection::AskControl:
            UpdateIndexes(true);
            break;
        case paint::TacDefaultSection::ByNames:
            if (choice.Names.size() == 1) SetSkinSection(choice.Names.front());
            else SetSectionFromNames(choice.Names);
            break;
        case paint::TacDefaultSection::ClassName:
            if (owner_) SetSkinSection(ClassSectionName(owner_->Object()));
            break;
    }
}

// ---- Life cycle and look ---------------------------------------------------------------------

void TsCommonData::Loaded() {
    Loading = false;
    ChooseDefaultSection();
    if (Skinned() && owner_ && owner_->ParentObject() && !owner_->IsLoading()) ApplySkinColors(false);
}

void TsCommonData::ApplySkinColors(bool invalidate) {
    if (!owner_ || owner_->IsProvider() || !owner_->HasWindow()) return;
    const TsGeneralData* section = Section();
    if (section && paint::IsEditKind(COC) && !BothStatesFullyTransparent()) {
        const TsSkinManager* manager = SkinManager();
        // The manager's hue offset and saturation (0 by default) pass through as on its images.
        const auto adjusted = [manager](TColor color) {
            if (manager->HueOffset() != 0) color = RotateHue(color, manager->HueOffset());
            if (manager->Saturation() != 0) color = SaturateColor(color, manager->Saturation());
            return color;
        };
        const TsGenState& normal = section->Props[0];
        if (!FCustomColor && owner_->Color() != adjusted(normal.Color)) owner_->SetColor(adjusted(normal.Color));
        if (!FCustomFont && owner_->FontColor() != adjusted(normal.FontColor.Color))
            owner_->SetFontColor(adjusted(normal.FontColor.Color));
    }
    if (invalidate) Invalidate(false);
}

bool TsCommonData::BothStatesFullyTransparent() const {
    const TsGeneralData* section = Section();
    return section && section->Props[0].Transparency == 100 && section->Props[1].Transparency == 100;
}

void TsCommonData::PrepareCacheBitmap() {
    if (!FCacheBmp) FCacheBmp = std::make_unique<TBitmap32>();
    const TRect bounds = owner_ ? owner_->Bounds() : TRect{};
    const int w = std::max(0, bounds.Width()), h = std::max(0, bounds.Height());
    if (FCacheBmp->Width() != w || FCacheBmp->Height() != h) FCacheBmp->SetSize(w, h);
}

void TsCommonData::EmptyCache() {
    if (FCacheBmp) FCacheBmp->SetSize(0, 0);
}

bool TsCommonData::IsHotOrFocused() const {
    if (!owner_ || owner_->IsProvider() || owner_->IsDestroying() || !owner_->IsEnabled()) return false;
    if (FFocused) return true;
    if (owner_->HasInputFocus() && !paint::IsContainerKind(COC)) return true;
    const TsSkinManager* manager = SkinManager();
    if (!FMouseAbove || (manager && manager->Options.NoMouseHover)) return false;
    return !paint::IsContainerKind(COC) && !paint::IsEditKind(COC);
}

void TsCommonData::Invalidate(bool now) {
    if (Loading || !owner_) return;
    if (owner_->IsProvider()) {
        FBGChanged = true;
        owner_->Redraw(now);
        return;
    }
    if (owner_->IsDestroying() || owner_->IsLoading()) return;
    FBGChanged = true;
    if (!owner_->ParentObject() || !owner_->HasWindow()) return;
    owner_->Redraw(now);
}

void TsCommonData::StopAnimation() {
    if (!AnimTimer || AnimTimer->Destroyed) return;
    AnimTimer->Stop();
}

void TsCommonData::SendToChildren(int command, std::intptr_t lparam, int low) const {
    if (!owner_) return;
    const auto walk = [&](const auto& self, QObject* of) -> void {
        for (QObject* child : owner_->ChildControls(of)) {
            if (SendSkinCommand(child, scIsSkinned) == 1) SendSkinCommand(child, command, lparam, low);
            else self(self, child);
        }
    };
    walk(walk, owner_->Object());
}

// ---- TsCtrlSkinData --------------------------------------------------------------------------

void TsCtrlSkinData::SetHUEOffset(int value) {
    if (FHUEOffset == value) return;
    FHUEOffset = value;
    Loaded();
    Invalidate(false);
}

void TsCtrlSkinData::SetSaturation(int value) {
    if (FSaturation == value) return;
    FSaturation = value;
    Loaded();
    Invalidate(false);
}

void TsCtrlSkinData::SetColorTone(TColor value) {
    if (FColorTone == value) return;
    FColorTone = value;
    Loaded();
    Invalidate(false);
}

}  // namespace tornivex
