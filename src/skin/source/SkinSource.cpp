#include "SkinSource.h"

#include "InternalSkins.h"
#include "SkinDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace tornivex {
namespace {

// The package reader reports a wrong magic through the dialogs; the tool wants an exception.
class ThrowingDialogs final : public TScopedSkinDialogs {
public:
    void ShowError(const QString& text, const QString&) override { throw SkinSourceError(text); }
    void ShowMessage(const QString& text) override { throw SkinSourceError(text); }
    void ShowWarning(const QString& text) override { throw SkinSourceError(text); }
};

std::vector<TSkinPackageEntry> EntriesOfPackage(const QByteArray& package, const QString& name) {
    ThrowingDialogs dialogs;
    TacSkinConvertor convertor;
    ReadSkinPackage(convertor, package);
    if (!convertor.Options) throw SkinSourceError(QStringLiteral("%1: the package holds no options text").arg(name));
    // The reader separates the options text from the images; put it back in front. Packages
    // of ours always store it first.
    std::vector<TSkinPackageEntry> entries{{QString::fromLatin1(OptionsEntryName), *convertor.Options}};
    for (const TacImageItem& item : convertor.Files) entries.push_back({item.FileName, item.FileStream});
    return entries;
}

bool IsImageFileName(const QString& name) {
    const QString upper = name.toUpper();
    return upper.endsWith(".BMP") || upper.endsWith(".PNG") || upper.endsWith(".JPG") ||
           upper.endsWith(".JPEG");
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw SkinSourceError(QStringLiteral("cannot read \"%1\"").arg(path));
    return file.readAll();
}

OpenedSkin OpenDirectory(const QFileInfo& info) {
    OpenedSkin skin;
    skin.Name = info.fileName();
    skin.Kind = SkinKind::Directory;
    skin.Location = QDir::cleanPath(info.absoluteFilePath());
    const QDir dir(skin.Location);
    QString optionsName;
    QStringList images;
    for (const QString& file : dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase)) {
        if (IsOptionsEntryName(file)) optionsName = file;
        else if (IsImageFileName(file)) images << file;
    }
    skin.Entries.push_back({QString::fromLatin1(OptionsEntryName), ReadFile(dir.filePath(optionsName))});
    for (const QString& image : images) skin.Entries.push_back({image, ReadFile(dir.filePath(image))});
    return skin;
}

bool HoldsOptions(const QFileInfo& info) {
    if (!info.isDir()) return false;
    const QStringList files = QDir(info.absoluteFilePath()).entryList(QDir::Files);
    return std::any_of(files.begin(), files.end(), [](const QString& f) { return IsOptionsEntryName(f); });
}

} // namespace

QString KindName(SkinKind kind) {
    switch (kind) {
    case SkinKind::Internal: return QStringLiteral("internal skin");
    case SkinKind::PackageFile: return QStringLiteral("package file");
    case SkinKind::Directory: return QStringLiteral("skin directory");
    }
    return {};
}

OpenedSkin OpenSkin(const QString& spec) {
    // "dir/" and "a/../b" name what they lead to; messages show the argument as given.
    const QFileInfo info(spec.isEmpty() ? spec : QDir::cleanPath(spec));
    if (info.isDir()) {
        if (!HoldsOptions(info))
            throw SkinSourceError(QStringLiteral("\"%1\" is a directory without Options.dat").arg(spec));
        return OpenDirectory(info);
    }
    if (info.isFile()) {
        OpenedSkin skin;
        skin.Name = info.completeBaseName();
        skin.Kind = SkinKind::PackageFile;
        skin.Location = QDir::cleanPath(info.absoluteFilePath());
        skin.Package = ReadFile(spec);
        skin.Entries = EntriesOfPackage(skin.Package, spec);
        return skin;
    }
    QString name = spec;
    if (name.size() > 4 && name.endsWith(QLatin1String(".asz"), Qt::CaseInsensitive)) name.chop(4);
    for (const InternalSkinPackage& internal : InternalSkinPackages()) {
        if (internal.Name != name) continue;
        OpenedSkin skin;
        skin.Name = internal.Name;
        skin.Package = internal.Data;
        skin.Entries = EntriesOfPackage(skin.Package, internal.Name);
        return skin;
    }
    throw SkinSourceError(QStringLiteral("no skin \"%1\": not an internal skin, a package file or a skin directory "
                                   "(\"tornivex-skin list\" names the internal skins)")
                        .arg(spec));
}

const TSkinPackageEntry& OptionsEntry(const OpenedSkin& skin) {
    if (skin.Entries.empty() || !IsOptionsEntryName(skin.Entries.front().Name))
        throw SkinSourceError(QStringLiteral("%1 has no options text").arg(skin.Name));
    return skin.Entries.front();
}

bool IsSafeEntryFileName(const QString& name) {
    if (name.isEmpty() || name == "." || name == "..") return false;
    return std::none_of(name.begin(), name.end(), [](QChar c) {
        return c == '/' || c == '\\' || c == ':' || c.unicode() < 0x20;
    });
}

} // namespace tornivex
