#include "sSkinManager.h"

#include <algorithm>

#include "FormLock.h"
#include "SkinCommand.h"
#include "SkinDirectory.h"
#include "SkinEngine.h"
#include "SkinLoader.h"
#include "SkinManagerHost.h"

namespace tornivex {
namespace {

constexpr int SystemScrollBarWidth = 17;

std::intptr_t AsLParam(const void* p) { return reinterpret_cast<std::intptr_t>(p); }

} // namespace

TsSkinManager::TsSkinManager(QObject* owner) : QObject(owner) {
    InitConstantIndexes(skin_, false); // Sections all -1 until a skin is loaded
    if (!DefaultManager()) SetDefaultManager(this);
    ThirdParty.ApplyDefaultsToEmpty();
    skinDirectory_ = DefaultSkinDirectory();
}

TsSkinManager::~TsSkinManager() {
    if (active_ && !skinName_.isEmpty()) {
        active_ = false;
        BroadcastSkinRemoval();
    }
    if (DefaultManager() == this) SetDefaultManager(nullptr);
}

void TsSkinManager::Loaded() {
    componentLoading_ = false;
    if (skinDirectory_.isEmpty()) skinDirectory_ = DefaultSkinDirectory();
    if (MenuSupport.IcoLineSkin.isEmpty()) MenuSupport.IcoLineSkin = QStringLiteral("ICOLINE");
    ThirdParty.ApplyDefaultsToEmpty();
    if (active_ && !skinName_.isEmpty()) BroadcastNewSkin(false);
    emit OnActivate(this);
}

// ----- Properties ---------------------------------------------------------------------------

void TsSkinManager::SetActive(bool value) {
    if (value) {
        active_ = true;
        SetSkinName(skinName_);
        return;
    }
    const bool wasActive = active_;
    active_ = false;
    if (!skinName_.isEmpty() && wasActive) {
        if (!componentLoading_) BroadcastSkinRemoval();
        InitConstantIndexes(skin_, false);
        emit OnDeactivate(this);
    }
}

QString TsSkinManager::SkinInfo() const {
    if (!active_ || skin_.gd.empty()) return QStringLiteral("N/A");
    // "." as separator, no trailing zeros: 8.00 reads "8".
    return QString::number(skin_.CommonSkinData.Version, 'g', 15);
}

QString TsSkinManager::Version() { return QString::fromLatin1(SkinEngineVersion); }

bool TsSkinManager::IsDefault() const { return DefaultManager() == this; }

void TsSkinManager::SetIsDefault(bool value) {
    if (!value || IsDefault()) return;
    SetDefaultManager(this);
    if (active_) SetSkinName(skinName_);
    else BroadcastSkinRemoval();
}

void TsSkinManager::SetSkinDirectory(const QString& value) {
    if (value == skinDirectory_) return;
    skinDirectory_ = value;
    skin_.CommonSkinData.SkinPath = FullSkinDir();
    emit OnSkinListChanged(this);
}

void TsSkinManager::SetExtendedBorders(bool value) {
    if (value == extendedBorders_) return;
    extendedBorders_ = value;
    if (componentLoading_) return;
    if (active_ && !skinName_.isEmpty()) SetSkinName(skinName_);
    InitConstantIndexes(skin_, extendedBorders_);
    RepaintForms(true);
}

void TsSkinManager::ReloadForAdjustment() {
    if (componentLoading_ || !active_ || skinName_.isEmpty()) return;
    SetSkinName(skinName_);
}

void TsSkinManager::SetHueOffset(int value) {
    if (value == hueOffset_) return;
    hueOffset_ = value;
    ReloadForAdjustment();
}

void TsSkinManager::SetSaturation(int value) {
    if (value == saturation_) return;
    saturation_ = value;
    ReloadForAdjustment();
}

void TsSkinManager::SetBrightness(int value) {
    value = std::clamp(value, -100, 100);
    if (value == brightness_) return;
    brightness_ = value;
    ReloadForAdjustment();
}

void TsSkinManager::SetCommonSections(const QString& text) {
    QStringList lines = text.split(u'\n');
    for (QString& line : lines)
        if (!line.startsWith(u';')) line.remove(u' ');
    commonSections_ = lines.join(u'\n');
    if (!componentLoading_ && active_ && !skinName_.isEmpty()) SetSkinName(skinName_);
}

void TsSkinManager::SetEffects(const TacSkinEffects& effects) {
    const TacSkinEffects old = effects_;
    effects_ = effects;
    if (componentLoading_ || noAutoUpdate_) return;
    if (old.AllowOuterEffects != effects.AllowOuterEffects) RepaintForms(false);
    if (old.DiscoloredGlyphs != effects.DiscoloredGlyphs) RepaintForms(true);
}

void TsSkinManager::SetScrollsOptions(const TacScrollBarsSupport& options) {
    const TacScrollBarsSupport old = scrollsOptions_;
    scrollsOptions_ = options;
    if (componentLoading_) return;
    if (old.ButtonsSize != options.ButtonsSize) RepaintForms(false);
    if (old.ScrollSize != options.ScrollSize) BroadcastSkinCommand(scScrollSizeChanged, 0);
}

int TsSkinManager::ScrollBarWidth() const {
    return scrollsOptions_.ScrollSize >= 0 ? scrollsOptions_.ScrollSize : SystemScrollBarWidth;
}

int TsSkinManager::ScrollBarLayoutWidth() const { return std::max(ScrollBarWidth(), SystemScrollBarWidth); }

QStringList TsSkinManager::GetSkinSections() const {
    return active_ ? skin_.GetSkinSections() : QStringList();
}

// ----- Applying and removing ------------------------------------------------------------------

void TsSkinManager::BroadcastSkinCommand(int command, std::intptr_t lparam) {
    if (ISkinManagerHost* host = SkinManagerHost()) host->Broadcast(*this, command, lparam);
}

void TsSkinManager::BroadcastNewSkin(bool repaint) {
    if (componentLoading_) return;
    TFormLock lock(*this, repaint);
    skin_.CommonSkinData.Active = false;
    {
        TSkinApplyingScope applying;
        InitConstantIndexes(skin_, extendedBorders_);
        BroadcastSkinCommand(scSetNewSkin, AsLParam(this));
    }
    skin_.CommonSkinData.Active = true;
    if (!repaint) return;
    lock.HandOver();  // the repaint below unlocks
    RepaintForms(false);
}

void TsSkinManager::BroadcastSkinRemoval() {
    skinRemoving_ = true;
    skin_.CommonSkinData.Active = false;
    BroadcastSkinCommand(scRemoveSkin, AsLParam(this));
    const TsSkinData common = skin_.CommonSkinData;
    skin_ = TLoadedSkin{};
    skin_.CommonSkinData = common;
    InitConstantIndexes(skin_, false);
    skinRemoving_ = false;
}

void TsSkinManager::RepaintForms(bool doLockForms) {
    ISkinManagerHost* host = SkinManagerHost();
    BroadcastSkinCommand(scStopAnimation, AsLParam(this));
    if (componentLoading_) {
        BroadcastSkinCommand(scRefresh, AsLParam(this));
        return;
    }
    // Unlocks the forms locked here or by the caller, even when a receiver throws.
    TFormLock lock(*this, doLockForms, true);
    BroadcastSkinCommand(scRefresh, AsLParam(this));
    if (host) {
        lock.Unlock(AnimEffects.SkinChanging.Active && !noAutoUpdate_);
        host->RedrawDialogs(*this);
    }
}

void TsSkinManager::UpdateSkin(bool repaint) {
    if (active_) BroadcastNewSkin(repaint);
}

void TsSkinManager::UpdateSkinSection(const QString& sectionName) {
    const QString upper = sectionName.toUpper();
    BroadcastSkinCommand(scUpdateSection, AsLParam(&upper));
}

void TsSkinManager::EndUpdate(bool repaint, bool allowAnimation) {
    noAutoUpdate_ = false;
    const bool fade = AnimEffects.SkinChanging.Active;
    if (!allowAnimation) AnimEffects.SkinChanging.Active = false;
    UpdateSkin(repaint);
    AnimEffects.SkinChanging.Active = fade;
}

// ----- Hot tracking and registered windows: kept by the host ---------------------------------

QObject* TsSkinManager::ActiveControl() const {
    const ISkinManagerHost* host = SkinManagerHost();
    return host ? host->ActiveControl(*this) : nullptr;
}

QObject* TsSkinManager::ActiveGraphControl() const {
    const ISkinManagerHost* host = SkinManagerHost();
    return host ? host->ActiveGraphControl(*this) : nullptr;
}

void TsSkinManager::SetActiveControl(QObject* window) {
    if (ISkinManagerHost* host = SkinManagerHost()) host->SetActiveControl(*this, window);
}

void TsSkinManager::SetActiveGraphControl(QObject* control) {
    if (ISkinManagerHost* host = SkinManagerHost()) host->SetActiveGraphControl(*this, control);
}

void TsSkinManager::RegisterWindow(QObject* window) {
    if (ISkinManagerHost* host = SkinManagerHost()) host->RegisterWindow(*this, window);
}

void TsSkinManager::UnregisterWindow(QObject* window) {
    if (ISkinManagerHost* host = SkinManagerHost()) host->UnregisterWindow(*this, window);
}

} // namespace tornivex
