// Loading a skin by name: resolution, unpacking, parsing and swapping the new tables in.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <exception>
#include <new>
#include <optional>

#include "SkinDialogs.h"
#include "SkinDirectory.h"
#include "SkinEngine.h"
#include "SkinError.h"
#include "SkinLimits.h"
#include "SkinLoader.h"
#include "sSkinManager.h"

namespace tornivex {
namespace {

constexpr double OldestSupportedVersion = 7.45;
constexpr double NewestSupportedVersion = 10.99;

// Switches the manager's dialog skinning and system-colour replacement off while a platform box
// is shown, so the box appears unskinned; restores both afterwards.
class UnskinnedDialogScope {
public:
    explicit UnskinnedDialogScope(TsSkinManager& manager)
        : manager_(manager), rules_(manager.SkinningRules), sysColors_(manager.Options.ChangeSysColors) {
        manager_.SkinningRules &= ~TacSkinningRules(srStdDialogs);
        manager_.Options.ChangeSysColors = false;
    }
    ~UnskinnedDialogScope() {
        manager_.SkinningRules = rules_;
        manager_.Options.ChangeSysColors = sysColors_;
    }
    UnskinnedDialogScope(const UnskinnedDialogScope&) = delete;
    UnskinnedDialogScope& operator=(const UnskinnedDialogScope&) = delete;

private:
    TsSkinManager& manager_;
    TacSkinningRules rules_;
    bool sysColors_;
};

// Marks the engine as loading for one load; whatever ends the load, the mark is taken down.
class SkinLoadingScope {
public:
    SkinLoadingScope() { SetSkinLoading(true); }
    ~SkinLoadingScope() { SetSkinLoading(false); }
    SkinLoadingScope(const SkinLoadingScope&) = delete;
    SkinLoadingScope& operator=(const SkinLoadingScope&) = delete;
};

QString PackageFileOf(const QString& fullSkinDir, const QString& name) {
    return fullSkinDir + name + QStringLiteral(".asz");
}

} // namespace

QString TsSkinManager::FullSkinDir() const { return FullSkinDirectory(skinDirectory_); }

void TsSkinManager::SetSkinName(const QString& value) {
    const QString oldName = skinName_;
    skinName_ = value;
    if (!active_) return;
    emit OnBeforeChange(this);
    {
        SkinLoadingScope loading;
        skin_.CommonSkinData.Active = false;
        // The new tables replace the old ones only after a complete load, so any failure, a skin
        // error or another (memory, say), keeps the previous skin and names the cause.
        std::optional<QString> failure;
        try {
            LoadNamedSkin();
        } catch (const ESkinError& error) {
            failure = error.Message();
        } catch (const std::bad_alloc&) {
            failure = QStringLiteral("There is not enough memory to load the skin \"%1\".").arg(value);
        } catch (const std::exception& error) {
            failure = QStringLiteral("The skin \"%1\" cannot be loaded: %2").arg(value, QString::fromLocal8Bit(error.what()));
        }
        if (failure) {
            skinName_ = oldName;
            SkinDialogs().ShowError(*failure, QStringLiteral("Error"));
        }
        if (active_) {
            if (!noAutoUpdate_) BroadcastNewSkin(true);
            if (!componentLoading_) emit OnActivate(this);
        } else {
            BroadcastSkinRemoval();
            emit OnActivate(this);
        }
    }
    emit OnAfterChange(this);
}

void TsSkinManager::LoadNamedSkin() {
    skinName_ = StripAszSuffix(skinName_);
    const QString packageFile = PackageFileOf(FullSkinDir(), skinName_);
    if (!skinName_.isEmpty() && QFileInfo(packageFile).isFile()) ReloadPackedSkin(packageFile);
    else ReloadSkin();
}

void TsSkinManager::ReloadSkin() {
    if (!active_) return;
    const QString directory = FullSkinDir() + skinName_ + u'/';
    const QString optionsFile = directory + QStringLiteral("Options.dat");
    if (!skinName_.isEmpty() && QFileInfo(optionsFile).isFile()) {
        QFile file(optionsFile);
        if (!file.open(QIODevice::ReadOnly))
            throw ESkinError(QStringLiteral("Cannot read \"%1\": %2").arg(optionsFile, file.errorString()));
        const QByteArray text = file.readAll();
        LoadFromOptions(text, TSkinImageSource{nullptr, directory}, false);
        return;
    }

    int index = internalSkins_.IndexOf(skinName_);
    if (index < 0) {
        if (internalSkins_.Count() == 0) {
            active_ = false;
            return;
        }
        index = 0;
        skinName_ = internalSkins_[0].Name;
    }
    const TsStoredSkin& item = internalSkins_[index];
    if (item.PackedData.isEmpty()) {
        skinIsPacked_ = false;
        throw ESkinError(QStringLiteral("The internal skin \"%1\" has an empty package.").arg(item.Name));
    }
    TacSkinConvertor convertor;
    bool unpacked = false;
    {
        UnskinnedDialogScope unskinned(*this);
        unpacked = ReadSkinPackage(convertor, item.PackedData);
    }
    if (!unpacked)
        throw ESkinError(QStringLiteral("The package of the skin \"%1\" is not a skin package.").arg(item.Name));
    if (!convertor.Options)
        throw ESkinError(QStringLiteral("The skin \"%1\" has no options text (Options.dat).").arg(item.Name));
    LoadFromOptions(*convertor.Options, TSkinImageSource{&convertor, QString()}, true);
}

void TsSkinManager::ReloadPackedSkin(const QString& packageFile) {
    TacSkinConvertor convertor;
    bool unpacked = false;
    {
        UnskinnedDialogScope unskinned(*this);
        unpacked = ReadSkinPackageFile(packageFile, convertor);
    }
    if (!unpacked || !convertor.Options) {
        SkinDialogs().ShowMessage(QStringLiteral("Internal format error in the \"%1\" skin. Please, update "
                                                 "this skin to latest version.")
                                      .arg(skinName_));
        return;
    }
    LoadFromOptions(*convertor.Options, TSkinImageSource{&convertor, FullSkinDir()}, true);
}

void TsSkinManager::LoadFromOptions(const QByteArray& optionsText, const TSkinImageSource& source,
                                    bool packed) {
    const TSkinOptions options = ParseSkinOptionsWithinLimits(optionsText);
    VersionCheck(ReadSkinVersion(options));

    TSkinLoadSettings settings;
    settings.Manager = this;
    settings.HueOffset = hueOffset_;
    settings.Saturation = saturation_;
    settings.Brightness = brightness_;
    settings.ExtendedBorders = extendedBorders_;
    settings.CommonSections = commonSections_;
    TLoadedSkin loaded = TSkinLoader(options, source, settings).Load();
    // Only a complete load replaces the tables: no row can point at images of a failed one.
    loaded.CommonSkinData.SkinPath = source.SkinPath;
    loaded.CommonSkinData.Active = false;
    skin_ = std::move(loaded);
    skinIsPacked_ = packed;
    emit OnSkinLoading(this);
}

void TsSkinManager::VersionCheck(double version) {
    if (version < OldestSupportedVersion) {
        SkinDialogs().ShowMessage(QStringLiteral("You are using an old version of the \"%1\" skin. Please, update "
                                                 "skins to latest or contact the Quillmark support for upgrading "
                                                 "of existing skin.\r\n\r\nThis notification occurs in design-time "
                                                 "only for your information and will not occur in real-time.")
                                      .arg(skinName_));
    } else if (version > NewestSupportedVersion) {
        UnskinnedDialogScope unskinned(*this);
        SkinDialogs().ShowWarning(QStringLiteral("This version of the skin has not complete support by used "
                                                 "Quillmark package release.\r\nComponents must be updated to "
                                                 "latest version for using this skin."));
    }
}

} // namespace tornivex
