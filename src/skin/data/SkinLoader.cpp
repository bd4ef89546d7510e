#include "SkinLoader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <limits>

#include "ImageNotation.h"
#include "SkinDirectory.h"
#include "SkinError.h"
#include "SkinImages.h"
#include "SkinLimits.h"

namespace tornivex {
namespace {

const QString GlobalInfo = QStringLiteral("GLOBALINFO");

std::int16_t Clamp16(int value) {
    return std::int16_t(std::clamp<int>(value, std::numeric_limits<std::int16_t>::min(),
                                        std::numeric_limits<std::int16_t>::max()));
}

QString Where(const QString& section, const QString& key) {
    return QStringLiteral("[%1] %2").arg(section, key);
}

// Text with every blank removed from lines that are not comments.
QByteArray WithoutBlanks(const QString& text) {
    QStringList lines = text.split(u'\n');
    for (QString& line : lines)
        if (!line.trimmed().startsWith(u';')) line.remove(u' ');
    return lines.join(u'\n').toLatin1();
}

// The file a skin names, inside the skin's own folder only: names are relative ("\\" counts as
// "/"), no part of them is "..", and a link may not lead out of the folder either, so a skin can
// read no other file on disk. Names are written in capitals; on case-sensitive file systems the
// folder is searched for the same name in any letter case. Empty when there is no such file;
// ESkinError naming `where` for a name that leaves the folder.
QString ResolveSkinFile(const QString& skinPath, const QString& name, const QString& where) {
    QString relative = name;
    relative.replace(u'\\', u'/');
    const bool leaves = relative.isEmpty() || relative.startsWith(u'/') || relative.contains(u':') ||
                        relative.split(u'/').contains(QStringLiteral(".."));
    const auto refuse = [&] {
        return ESkinError(QStringLiteral("The file name \"%1\" of %2 leaves the skin's folder; a skin "
                                         "reads only files inside its own folder.")
                              .arg(name, where));
    };
    if (leaves) throw refuse();
    QString path = skinPath + relative;
    if (!QFileInfo::exists(path)) {
        path.clear();
        const QFileInfo info(skinPath + relative);
        const QStringList matches = info.dir().entryList(QDir::Files);
        for (const QString& entry : matches)
            if (entry.compare(info.fileName(), Qt::CaseInsensitive) == 0) path = info.dir().filePath(entry);
        if (path.isEmpty()) return {};
    }
    const QString folder = QFileInfo(skinPath).canonicalFilePath();
    const QString file = QFileInfo(path).canonicalFilePath();
    if (folder.isEmpty() || !file.startsWith(WithTrailingSeparator(folder))) throw refuse();
    return path;
}

} // namespace

double ReadSkinVersion(const TSkinOptions& options) {
    const auto text = options.Value(GlobalInfo, QStringLiteral("VERSION"));
    if (!text) return 0;
    bool ok = false;
    const double value = text->toDouble(&ok); // always "." as separator
    return ok ? value : 0;
}

TSkinLoader::TSkinLoader(const TSkinOptions& options, TSkinImageSource source,
                         TSkinLoadSettings settings)
    : options_(options), reader_(options_), source_(std::move(source)),
      settings_(std::move(settings)) {
    if (!settings_.CommonSections.isEmpty()) {
        common_ = TSkinOptions::Parse(WithoutBlanks(settings_.CommonSections));
        options_.OverrideWith(common_);
    }
    globalInfo_ = options_.IndexOfSection(GlobalInfo);
}

TLoadedSkin TSkinLoader::Load() {
    CheckSkinStructureLimits(options_);
    LoadAllMasks();
    LoadAllGeneralData();
    for (TsMaskData& md : skin_.ma)
        if (!md.Bmp) md.Master = skin_.MasterBitmap;
    InitConstantIndexes(skin_, settings_.ExtendedBorders);
    return std::move(skin_);
}

std::optional<QByteArray> TSkinLoader::ReadImageBytes(const QString& upperName, const QString& where) const {
    if (source_.Convertor) {
        const auto& files = source_.Convertor->Files;
        const std::size_t count = std::min<std::size_t>(files.size(), std::size_t(source_.Convertor->ImageCount));
        for (std::size_t i = 0; i < count; ++i)
            if (files[i].FileName.toUpper() == upperName) return files[i].FileStream;
    }
    // Files beside the skin exist only for external skins; an internal skin never reads the
    // working directory.
    if (source_.SkinPath.isEmpty()) return std::nullopt;
    const QString path = ResolveSkinFile(source_.SkinPath, upperName, where);
    if (path.isEmpty()) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ESkinError(QStringLiteral("Cannot read the skin image \"%1\": %2").arg(path, file.errorString()));
    return file.readAll();
}

TBitmap32Ptr TSkinLoader::FindImage(const QString& referenceName, int maskType, const QString& where) {
    for (const TacExtFileData& loaded : skin_.ExtArray)
        if (loaded.FileName == referenceName) return loaded.Bmp;
    const std::optional<QByteArray> bytes = ReadImageBytes(referenceName.toUpper(), where);
    if (!bytes) return nullptr;
    const bool premultiply = settings_.Brightness <= 0 && skin_.CommonSkinData.Version > 7.45;
    TBitmap32Ptr bmp = DecodeSkinImage(*bytes, referenceName, premultiply);
    if (!bmp)
        throw ESkinError(QStringLiteral("The image \"%1\" named by %2 cannot be decoded.")
                             .arg(referenceName, where));
    CountDecodedPixels(decodedPixels_, std::int64_t(bmp->Width()) * bmp->Height(), referenceName);
    skin_.ExtArray.push_back(TacExtFileData{bmp, referenceName, maskType});
    return bmp;
}

void TSkinLoader::LoadMasterBitmap() {
    const QString name = reader_.ReadDirectText(globalInfo_, QStringLiteral("MASTERBITMAP"), QString());
    if (name.isEmpty()) return;
    std::optional<QByteArray> bytes;
    if (source_.Convertor) {
        // The value is compared as written: it must be in capitals to match.
        for (const TacImageItem& item : source_.Convertor->Files)
            if (item.FileName.toUpper() == name) {
                bytes = item.FileStream;
                break;
            }
    } else if (!source_.SkinPath.isEmpty()) {
        const QString path = ResolveSkinFile(source_.SkinPath, name, Where(GlobalInfo, QStringLiteral("MASTERBITMAP")));
        QFile file(path);
        if (!path.isEmpty() && file.open(QIODevice::ReadOnly)) bytes = file.readAll();
    }
    if (!bytes) return;
    skin_.MasterBitmap = DecodeMasterBitmap(*bytes);
    if (!skin_.MasterBitmap)
        throw ESkinError(QStringLiteral("The master image \"%1\" named by %2 cannot be decoded.")
                             .arg(name, Where(GlobalInfo, QStringLiteral("MASTERBITMAP"))));
    CountDecodedPixels(decodedPixels_,
                       std::int64_t(skin_.MasterBitmap->Width()) * skin_.MasterBitmap->Height(), name);
}

void TSkinLoader::LoadAllMasks() {
    skin_.ma.clear();
    skin_.ExtArray.clear();
    skin_.MasterBitmap.reset();
    skin_.CommonSkinData.Version = ReadSkinVersion(options_);
    LoadMasterBitmap();
    for (int section = 0; section < options_.SectionCount(); ++section) {
        const TSkinOptions::Section& s = options_.SectionAt(section);
        for (const QString& key : s.Keys) {
            if (section == globalInfo_ && key == QLatin1String("MASTERBITMAP")) continue;
            AddImageRow(section, key, s.Value(key).toUpper());
        }
    }
    AddCommonSectionBitmaps();
}

void TSkinLoader::AddImageRow(int section, const QString& key, const QString& value) {
    const QString& className = options_.SectionAt(section).Name;
    const QString where = Where(className, key);
    const TImageNotation n = ParseImageNotation(value, where);
    if (n.Kind == TNotationKind::None) return;

    TsMaskData md;
    md.ClassName = className;
    md.PropertyName = key;
    md.SkinIndex = section;
    md.Manager = settings_.Manager;
    md.R = n.R;
    md.ImageCount = Clamp16(n.ImageCount);
    md.MaskType = Clamp16(n.MaskType);
    md.DrawMode = Clamp16(n.DrawMode);
    md.BorderWidth = Clamp16(n.BorderWidth);
    md.ImgType = n.ImgType;
    md.WL = Clamp16(n.WL);
    md.WT = Clamp16(n.WT);
    md.WR = Clamp16(n.WR);
    md.WB = Clamp16(n.WB);

    switch (n.Kind) {
    case TNotationKind::Glyph:
        md.WL = md.WT = md.WR = md.WB = 0;
        md.BorderWidth = 0;
        break;
    case TNotationKind::Borders:
        if (md.WL + md.WT + md.WR + md.WB == 0) {
            if (md.BorderWidth != 0) md.WL = md.WT = md.WR = md.WB = md.BorderWidth;
            else ComputeDefaultBorderWidths(md);
        }
        md.CornerType = className == QLatin1String("BUTTON_HUGE") && key == QLatin1String("BORDERSMASK")
                            ? 2
                            : ComputeCornerType(md, skin_.MasterBitmap.get());
        break;
    case TNotationKind::Texture:
        if (!n.FileName.isEmpty()) {
            md.Bmp = FindImage(n.FileName, md.MaskType, where);
            if (!md.Bmp) md.Bmp = std::make_shared<TBitmap32>(); // missing file: an empty image
        }
        break;
    case TNotationKind::External: {
        if (n.FileName.isEmpty()) return;
        md.Bmp = FindImage(n.FileName, md.MaskType, where);
        if (!md.Bmp || md.Bmp->Width() == 0) return;
        md.R = TRect{0, 0, md.Bmp->Width(), md.Bmp->Height()};
        if (!n.WidthsGiven) ComputeDefaultBorderWidths(md);
        if (md.ImgType == itisaBorder)
            md.CornerType = className == QLatin1String("BUTTON_HUGE") && key == QLatin1String("BORDERSMASK")
                                ? 2
                                : ComputeCornerType(md, md.Bmp.get());
        break;
    }
    case TNotationKind::PlainFile:
        md.Bmp = FindImage(n.FileName, 0, where);
        if (!md.Bmp || md.Bmp->Width() == 0) return;
        md.R = TRect{0, 0, md.Bmp->Width(), md.Bmp->Height()};
        md.MaskType = 0;
        md.DrawMode = 0;
        md.WL = md.WR = Clamp16(md.Bmp->Width() / 3);
        md.WT = md.WB = Clamp16(md.Bmp->Height() / 3);
        break;
    case TNotationKind::None:
        return;
    }
    if (int(skin_.ma.size()) >= MaxSkinImageRows)
        throw ESkinError(QStringLiteral("%1 is image row %2; a skin may have at most %3.")
                             .arg(where).arg(skin_.ma.size() + 1).arg(MaxSkinImageRows));
    skin_.ma.push_back(std::move(md));
}

void TSkinLoader::AddCommonSectionBitmaps() {
    const int section = common_.IndexOfSection(GlobalInfo);
    if (section < 0 || source_.SkinPath.isEmpty()) return;
    const TSkinOptions::Section& s = common_.SectionAt(section);
    for (const QString& key : s.Keys) {
        const QString value = s.Value(key, QStringLiteral("-")).toUpper();
        if (!value.contains(QLatin1String(".BMP"))) continue;
        const QString path = ResolveSkinFile(source_.SkinPath, value, Where(GlobalInfo, key));
        QFile file(path);
        if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) continue;
        TBitmap32Ptr bmp = DecodeMasterBitmap(file.readAll());
        if (!bmp || bmp->Width() == 0) continue;
        CountDecodedPixels(decodedPixels_, std::int64_t(bmp->Width()) * bmp->Height(), value);
        TsMaskData md;
        md.ClassName = GlobalInfo;
        md.PropertyName = key.toUpper();
        md.SkinIndex = globalInfo_;
        md.Manager = settings_.Manager;
        md.Bmp = bmp;
        md.R = TRect{0, 0, bmp->Width(), bmp->Height()};
        md.ImageCount = 1;
        skin_.ma.push_back(std::move(md));
    }
}

} // namespace tornivex
