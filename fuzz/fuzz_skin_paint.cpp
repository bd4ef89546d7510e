// A mutated options text loaded as a skin with the images of the internal skins, then every
// section painted in states 0 to 2 at a few sizes, with a caption and over another section, the
// way the skin tool and the windows paint them. Anything after a line "[[IMAGE]]" becomes the
// image entry "FUZZ.BMP", so the mutator reaches image headers too. Loads that fail must leave
// no skin; a loaded skin must paint without a sanitizer report and give bitmaps of the asked size.
#include <QFile>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "FuzzSupport.h"
#include "SkinPackage.h"
#include "sSkinManager.h"
#include "skin/paint/SectionPreview.h"

namespace {

using namespace tornivex;

// The image entries of the seed packages (their options texts are the seed corpus), packed once.
const QByteArray& PackedBaseImages(quint32* count) {
    static quint32 imageCount = 0;
    static const QByteArray packed = [] {
        std::vector<TSkinPackageEntry> images;
        for (const char* path : {TORNIVEX_FUZZ_BASE_DIR "/aluminium.asz", TORNIVEX_FUZZ_BASE_DIR "/topaz.asz"}) {
            QFile file(QString::fromLatin1(path));
            if (!file.open(QIODevice::ReadOnly)) std::abort();  // the seeds belong to the target
            TacSkinConvertor convertor;
            if (!ReadSkinPackage(convertor, file.readAll())) std::abort();
            for (const TacImageItem& item : convertor.Files) {
                bool known = false;
                for (const TSkinPackageEntry& e : images) known = known || e.Name.toUpper() == item.FileName.toUpper();
                if (!known) images.push_back({item.FileName, item.FileStream});
            }
        }
        imageCount = quint32(images.size());
        return WriteSkinPackage(images).mid(8);  // the entries without magic and count
    }();
    *count = imageCount;
    return packed;
}

QByteArray PackageOf(const QByteArray& input) {
    static const QByteArray marker("\n[[IMAGE]]\n");
    const qsizetype at = input.indexOf(marker);
    std::vector<TSkinPackageEntry> own{{QStringLiteral("Options.dat"), at < 0 ? input : input.left(at)}};
    if (at >= 0 && input.size() > at + marker.size())
        own.push_back({QStringLiteral("FUZZ.BMP"), input.mid(at + marker.size())});
    if (own[0].Data.isEmpty()) own[0].Data = " ";
    quint32 baseCount = 0;
    const QByteArray& base = PackedBaseImages(&baseCount);
    QByteArray package = WriteSkinPackage(own);
    const quint32 count = quint32(own.size()) + baseCount;
    for (int i = 0; i < 4; ++i) package[4 + i] = char((count >> (8 * i)) & 0xFF);
    return package + base;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tornivex::fuzz::InitOnce(true);
    TsSkinManager manager;
    manager.InternalSkins().Add(QStringLiteral("Fuzzed"),
                                PackageOf(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))));
    manager.BeginLoading();
    manager.SetSkinName(QStringLiteral("Fuzzed"));
    manager.Loaded();
    if (manager.gd().empty()) return 0;  // refused: nothing to paint

    struct Size { int w, h; };
    const Size sizes[] = {{1, 1}, {9, 7}, {137, 25}};
    const QString over = manager.gd().front().ClassName;
    for (const TsGeneralData& row : manager.gd()) {
        for (int state = 0; state <= 2; ++state) {
            for (const Size& s : sizes) {
                paint::TSectionPreview preview;
                preview.Section = row.ClassName;
                preview.State = state;
                preview.Width = s.w;
                preview.Height = s.h;
                if (s.w > 100) {
                    preview.Text = QStringLiteral("Ab");
                    preview.OverSection = over;
                }
                QString error;
                const std::optional<TBitmap32> bmp = paint::RenderSectionPreview(manager, preview, &error);
                if (bmp && (bmp->Width() != s.w || bmp->Height() != s.h)) std::abort();
            }
        }
    }
    return 0;
}
