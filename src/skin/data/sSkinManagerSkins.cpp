// Skin lists and extraction of internal skins.
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include "SkinDialogs.h"
#include "SkinDirectory.h"
#include "sSkinManager.h"

namespace tornivex {

QStringList TsSkinManager::GetExternalSkinNames(TacSkinTypes skinType) const {
    QStringList names;
    const QDir dir(FullSkinDir());
    if (!dir.exists()) return names;
    if (skinType == stUnpacked || skinType == stAllSkins)
        for (const QString& sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (QFileInfo(dir.filePath(sub + QStringLiteral("/Options.dat"))).isFile()) names << sub;
    if (skinType == stPacked || skinType == stAllSkins)
        for (const QString& file : dir.entryList(QDir::Files))
            if (file.size() > 4 && file.endsWith(QLatin1String(".asz"), Qt::CaseInsensitive)) names << file.left(file.size() - 4);
    names.sort();
    return names;
}

QStringList TsSkinManager::GetSkinNames(TacSkinTypes skinType) const {
    QStringList names;
    for (int i = 0; i < internalSkins_.Count(); ++i) names << internalSkins_[i].Name;
    names << GetExternalSkinNames(skinType);
    names.sort();
    return names;
}

QString TsSkinManager::GetRandomSkin() const {
    const QStringList names = GetSkinNames(stAllSkins);
    if (names.isEmpty()) return {};
    return names[QRandomGenerator::global()->bounded(int(names.size()))];
}

void TsSkinManager::ExtractByIndex(int index, const QString& destDir) {
    const QString dir = WithTrailingSeparator(destDir);
    if (!QDir(dir).exists() && !QDir().mkpath(dir)) {
        SkinDialogs().ShowError(dir + QStringLiteral(" directory creation error."), QStringLiteral("Error"));
        return;
    }
    if (index < 0 || index >= internalSkins_.Count()) {
        SkinDialogs().ShowError(QStringLiteral("Skin does not exists."), QStringLiteral("Error"));
        return;
    }
    const TsStoredSkin& item = internalSkins_[index];
    QFile file(dir + item.Name + QStringLiteral(" extracted.asz"));
    if (!file.open(QIODevice::WriteOnly) || file.write(item.PackedData) != item.PackedData.size())
        SkinDialogs().ShowError(QStringLiteral("Cannot write \"%1\": %2").arg(file.fileName(), file.errorString()),
                                QStringLiteral("Error"));
}

void TsSkinManager::ExtractInternalSkin(const QString& nameOfSkin, const QString& destDir) {
    if (!QDir(destDir).exists()) {
        SkinDialogs().ShowError(QStringLiteral("Directory does not exists."), QStringLiteral("Error"));
        return;
    }
    const int index = internalSkins_.IndexOf(nameOfSkin);
    if (index < 0) {
        SkinDialogs().ShowError(QStringLiteral("Skin does not exists."), QStringLiteral("Error"));
        return;
    }
    ExtractByIndex(index, destDir);
}

} // namespace tornivex
