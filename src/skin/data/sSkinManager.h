#pragma once
// TsSkinManager: owns the active skin. It resolves the skin name, unpacks and parses the skin
// into tables built aside (swapped in only when the load succeeded), answers the look-ups of
// skinned controls and announces skin changes with skin-command broadcasts. Widget-free: the
// broadcasts, hot tracking and registered windows go through ISkinManagerHost, the boxes through
// ISkinDialogs.
#include <QObject>
#include <QString>
#include <QStringList>

#include <vector>

#include "LoadedSkin.h"
#include "SkinManagerOptions.h"
#include "StoredSkins.h"

namespace tornivex {

class TsSkinManager : public QObject {
    Q_OBJECT

public:
    explicit TsSkinManager(QObject* owner = nullptr);
    ~TsSkinManager() override;
    TsSkinManager(const TsSkinManager&) = delete;
    TsSkinManager& operator=(const TsSkinManager&) = delete;

    // --- Component streaming: property values set between BeginLoading and Loaded load the
    // skin at once but apply it only in Loaded.
    void BeginLoading() { componentLoading_ = true; }
    void Loaded();
    bool IsLoading() const { return componentLoading_; }

    // --- Published properties.
    bool Active() const { return active_; }
    void SetActive(bool value);
    const QString& SkinName() const { return skinName_; }
    void SetSkinName(const QString& value);
    const QString& SkinDirectory() const { return skinDirectory_; }
    void SetSkinDirectory(const QString& value);
    TsStoredSkins& InternalSkins() { return internalSkins_; }
    const TsStoredSkins& InternalSkins() const { return internalSkins_; }
    QString SkinInfo() const;
    static QString Version();
    bool IsDefault() const;
    void SetIsDefault(bool value);
    bool ExtendedBorders() const { return extendedBorders_; }
    void SetExtendedBorders(bool value);
    bool SkinnedPopups = true;
    TacSkinningRules SkinningRules = AllSkinningRules;
    int HueOffset() const { return hueOffset_; }
    void SetHueOffset(int value);
    int Saturation() const { return saturation_; }
    void SetSaturation(int value);
    int Brightness() const { return brightness_; }
    void SetBrightness(int value); // clamped to -100..100
    const QString& CommonSections() const { return commonSections_; }
    void SetCommonSections(const QString& text);
    const TacSkinEffects& Effects() const { return effects_; }
    void SetEffects(const TacSkinEffects& effects);
    TacButtonsSupport ButtonsOptions;
    TacLabelsSupport LabelsOptions;
    const TacScrollBarsSupport& ScrollsOptions() const { return scrollsOptions_; }
    void SetScrollsOptions(const TacScrollBarsSupport& options);
    TacOptions Options;
    TacAnimEffects AnimEffects;
    TacMenuSupport MenuSupport;
    TacThirdPartyLists ThirdParty;

    // --- Run-time state.
    const TsSkinData& CommonSkinData() const { return skin_.CommonSkinData; }
    const std::vector<TsGeneralData>& gd() const { return skin_.gd; }
    const std::vector<TsMaskData>& ma() const { return skin_.ma; }
    const std::vector<TacExtFileData>& ExtArray() const { return skin_.ExtArray; }
    const TBitmap32Ptr& MasterBitmap() const { return skin_.MasterBitmap; }
    const std::array<TacOutEffData, 2>& oe() const { return skin_.oe; }
    const TConstantSkinData& ConstData() const { return skin_.ConstData; }
    const TacPalette& Palette() const { return skin_.Palette; }
    const TRect& FormShadowSize() const { return skin_.FormShadowSize; }
    const TBitmap32Ptr& ShdaTemplate() const { return skin_.ShdaTemplate; }
    const TBitmap32Ptr& ShdiTemplate() const { return skin_.ShdiTemplate; }
    const TLoadedSkin& Skin() const { return skin_; }
    bool SkinIsPacked() const { return skinIsPacked_; }
    bool SkinRemoving() const { return skinRemoving_; }
    bool NoAutoUpdate() const { return noAutoUpdate_; }
    // The window and the windowless control under the mouse (null without a host).
    QObject* ActiveControl() const;
    QObject* ActiveGraphControl() const;
    // The effective scroll-bar width and the width used for layout.
    int ScrollBarWidth() const;
    int ScrollBarLayoutWidth() const;

    // --- Look-ups (answer -1 when nothing is found; names compare case-sensitively).
    int GetSkinIndex(const QString& skinSection) const { return skin_.GetSkinIndex(skinSection); }
    int GetMaskIndex(int skinIndex, const QString& skinSection, const QString& mask) const {
        return skin_.GetMaskIndex(skinIndex, skinSection, mask);
    }
    int GetMaskIndex(const QString& skinSection, const QString& mask) const {
        return skin_.GetMaskIndex(skinSection, mask);
    }
    int GetMaskIndex(int skinIndex, const QString& mask) const { return skin_.GetMaskIndex(skinIndex, mask); }
    int GetTextureIndex(int skinIndex, const QString& skinSection, const QString& propName) const {
        return skin_.GetTextureIndex(skinIndex, skinSection, propName);
    }
    int GetTextureIndex(int skinIndex, const QString& propName) const {
        return skin_.GetTextureIndex(skinIndex, propName);
    }
    int MaskWidthLeft(int maskIndex) const { return skin_.MaskWidthLeft(maskIndex); }
    int MaskWidthTop(int maskIndex) const { return skin_.MaskWidthTop(maskIndex); }
    int MaskWidthRight(int maskIndex) const { return skin_.MaskWidthRight(maskIndex); }
    int MaskWidthBottom(int maskIndex) const { return skin_.MaskWidthBottom(maskIndex); }
    bool IsValidSkinIndex(int skinIndex) const { return skin_.IsValidSkinIndex(skinIndex); }
    bool IsValidImgIndex(int imageIndex) const { return skin_.IsValidImgIndex(imageIndex); }

    TColor GetGlobalColor() const { return skin_.Palette[pcMainColor]; }
    TColor GetGlobalFontColor() const { return skin_.Palette[pcLabelText]; }
    TColor GetActiveEditColor() const { return skin_.Palette[pcEditBG]; }
    TColor GetActiveEditFontColor() const { return skin_.Palette[pcEditText]; }
    TColor GetHighLightColor(bool focused) const {
        return skin_.Palette[focused ? pcSelectionBG_Focused : pcSelectionBG];
    }
    TColor GetHighLightFontColor(bool focused) const {
        return skin_.Palette[focused ? pcSelectionText_Focused : pcSelectionText];
    }

    QStringList GetSkinSections() const;
    QStringList GetSkinNames(TacSkinTypes skinType = stAllSkins) const;
    QStringList GetExternalSkinNames(TacSkinTypes skinType = stAllSkins) const;
    QString GetRandomSkin() const;

    // Writes an internal skin's package to "<DestDir>/<Name> extracted.asz".
    void ExtractInternalSkin(const QString& nameOfSkin, const QString& destDir);
    void ExtractByIndex(int index, const QString& destDir);

    // --- Updates.
    void UpdateSkin(bool repaint = true);
    void RepaintForms(bool doLockForms = true);
    void UpdateSkinSection(const QString& sectionName);
    void BeginUpdate() { noAutoUpdate_ = true; }
    void EndUpdate(bool repaint = false, bool allowAnimation = true);

    // --- Hot tracking of the control under the mouse. The host keeps the state and the 100 ms
    // timer: a new window gets command 29 and the previous one 30 (LParam = this manager); a
    // windowless hot control that still has the mouse (command 37) keeps the window from changing.
    void SetActiveControl(QObject* window);
    void SetActiveGraphControl(QObject* control);

    // --- Windows besides the forms that receive every broadcast (extra forms, dialogs); the host
    // keeps the list.
    void RegisterWindow(QObject* window);
    void UnregisterWindow(QObject* window);

    // Sends one command to every form and control and to the registered windows.
    void BroadcastSkinCommand(int command, std::intptr_t lparam);

signals:
    void OnBeforeChange(tornivex::TsSkinManager* sender);
    void OnAfterChange(tornivex::TsSkinManager* sender);
    void OnActivate(tornivex::TsSkinManager* sender);
    void OnDeactivate(tornivex::TsSkinManager* sender);
    void OnSkinLoading(tornivex::TsSkinManager* sender);
    void OnSkinListChanged(tornivex::TsSkinManager* sender);

private:
    void LoadNamedSkin();
    void ReloadSkin();
    void ReloadPackedSkin(const QString& packageFile);
    void LoadFromOptions(const QByteArray& optionsText, const struct TSkinImageSource& source, bool packed);
    void VersionCheck(double version);
    void BroadcastNewSkin(bool repaint);
    void BroadcastSkinRemoval();
    void ReloadForAdjustment();
    QString FullSkinDir() const;

    bool active_ = true;
    bool componentLoading_ = false;
    QString skinName_;
    QString skinDirectory_;
    TsStoredSkins internalSkins_;
    bool extendedBorders_ = false;
    int hueOffset_ = 0;
    int saturation_ = 0;
    int brightness_ = 0;
    QString commonSections_;
    TacSkinEffects effects_;
    TacScrollBarsSupport scrollsOptions_;

    TLoadedSkin skin_;
    bool skinIsPacked_ = false;
    bool skinRemoving_ = false;
    bool noAutoUpdate_ = false;
};

} // namespace tornivex
