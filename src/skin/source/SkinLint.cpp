#include "SkinLint.h"

#include "ImageNotation.h"
#include "OptionRanges.h"
#include "OptionsText.h"
#include "SkinDialogs.h"
#include "SkinError.h"
#include "SkinImages.h"
#include "SkinLimits.h"
#include "SkinLoader.h"

#include <QSet>

#include <algorithm>
#include <map>
#include <optional>

namespace tornivex {
namespace {

const QString GlobalInfo = QStringLiteral("GLOBALINFO");

// Sections the program's windows paint; a skin without them leaves those parts unskinned.
const char* const PaintedSections[] = {"FORM", "FORMTITLE", "BUTTON", "EDIT", "SCROLLBAR1V",
                                       "SCROLLBAR2V", "SCROLLBTNTOP", "SCROLLBTNBOTTOM",
                                       "SCROLLSLIDERV", "WEBBUTTON"};

// Boxes the loader would show become warnings of the check, for as long as the object lives.
class CollectingDialogs final : public TScopedSkinDialogs {
public:
    explicit CollectingDialogs(std::vector<SkinProblem>& problems) : problems_(problems) {}
    void ShowError(const QString& text, const QString&) override { problems_.push_back({true, {}, text}); }
    void ShowMessage(const QString& text) override { problems_.push_back({false, {}, text}); }
    void ShowWarning(const QString& text) override { problems_.push_back({false, {}, text}); }

private:
    std::vector<SkinProblem>& problems_;
};

// A name the program refuses: absolute, with a drive, or climbing out with "..".
bool LeavesSkinFolder(QString name) {
    name.replace(u'\\', u'/');
    return name.startsWith(u'/') || name.contains(u':') || name.split(u'/').contains(QStringLiteral(".."));
}

class SkinChecker {
public:
    explicit SkinChecker(const OpenedSkin& skin) : skin_(skin) {}

    std::vector<SkinProblem> Run() {
        // A skin over the loader's limits gets that one error: checking it further could take
        // as long as the load the limits prevent.
        try {
            options_ = ParseSkinOptionsWithinLimits(OptionsEntry(skin_).Data);
        } catch (const ESkinError& e) {
            Error({}, "the program cannot load this skin: " + e.Message());
            return problems_;
        }
        if (options_.SectionCount() == 0) {
            Error({}, "the options text has no sections");
            return problems_;
        }
        CheckGlobalInfo();
        for (int s = 0; s < options_.SectionCount(); ++s) CheckSection(s);
        CheckUnreferencedEntries();
        LoadLikeTheProgram();
        return problems_;
    }

private:
    void Error(const QString& where, const QString& message) { problems_.push_back({true, where, message}); }
    void Warning(const QString& where, const QString& message) { problems_.push_back({false, where, message}); }

    static QString Where(const QString& section, const QString& key) {
        return key.isEmpty() ? "[" + section + "]" : "[" + section + "] " + key;
    }

    // The decoded image of an entry, by reference name; null when missing or undecodable.
    const TBitmap32* Image(const QString& upperName, const QString& where) {
        if (const auto it = images_.find(upperName); it != images_.end()) return it->second.get();
        TBitmap32Ptr bmp;
        bool found = false;
        for (const TSkinPackageEntry& entry : skin_.Entries)
            if (!IsOptionsEntryName(entry.Name) && entry.Name.toUpper() == upperName) {
                found = true;
                referenced_.insert(entry.Name);
                bmp = DecodeSkinImage(entry.Data, upperName, false);
                if (!bmp) Error(where, QStringLiteral("the image \"%1\" cannot be decoded").arg(entry.Name));
                break;
            }
        if (!found && LeavesSkinFolder(upperName))
            Error(where, QStringLiteral("the file name \"%1\" leaves the skin's folder").arg(upperName));
        else if (!found) Error(where, QStringLiteral("no image \"%1\" in the skin").arg(upperName));
        images_[upperName] = bmp;
        return bmp.get();
    }

    void CheckGlobalInfo() {
        globalInfo_ = options_.IndexOfSection(GlobalInfo);
        if (globalInfo_ < 0) {
            Error({}, "no [GLOBALINFO] section");
            return;
        }
        const double version = ReadSkinVersion(options_);
        if (version < 7.45)
            Warning(Where(GlobalInfo, "VERSION"), QStringLiteral("version %1 is older than 7.45: the "
                                                                 "program shows an update notice").arg(version));
        else if (version > 10.99)
            Warning(Where(GlobalInfo, "VERSION"), QStringLiteral("version %1 is newer than 10.99: the "
                                                                 "program shows a warning").arg(version));
        for (const char* name : PaintedSections)
            if (options_.IndexOfSection(name) < 0)
                Warning(Where(name, {}), "missing: the program paints this part from it");
        const auto master = options_.Value(globalInfo_, "MASTERBITMAP");
        if (!master || master->isEmpty()) {
            Warning(Where(GlobalInfo, "MASTERBITMAP"), "no master image: notations without a file have "
                                                       "nothing to cut from");
            return;
        }
        if (*master != master->toUpper())
            Error(Where(GlobalInfo, "MASTERBITMAP"), "write the name in capitals; it is compared as written");
        master_ = Image(master->toUpper(), Where(GlobalInfo, "MASTERBITMAP"));
    }

    void CheckSection(int s) {
        const TSkinOptions::Section& section = options_.SectionAt(s);
        CheckParentChain(s);
        for (const QString& key : section.Keys) {
            if (s == globalInfo_ && key == "MASTERBITMAP") continue;
            const QString value = section.Value(key);
            const QString where = Where(section.Name, key);
            if (key == "GRADIENTDATA" || key == "HOTGRADIENTDATA") {
                CheckGradient(value, where);
                continue;
            }
            if (const std::optional<TOptionRange> range = OptionRangeOf(key)) {
                CheckRange(*range, value, s != globalInfo_, where);
                continue;
            }
            try {
                const TImageNotation n = ParseImageNotation(value.toUpper(), where);
                if (n.Kind != TNotationKind::None) CheckNotation(n, where);
            } catch (const ESkinError& e) {
                Error(where, e.Message());
            }
        }
    }

    // The loader limits a value outside its key's range; -1 in a section means "the parent's".
    void CheckRange(const TOptionRange& range, const QString& value, bool inherits, const QString& where) {
        const std::optional<int> number = ParseSkinInteger(value);
        if (!number || (inherits && *number == -1)) return;
        if (*number < range.Min || *number > range.Max)
            Warning(where, QStringLiteral("the value %1 is outside %2..%3; the program uses %4")
                               .arg(*number).arg(range.Min).arg(range.Max)
                               .arg(std::clamp(*number, range.Min, range.Max)));
    }

    void CheckGradient(const QString& value, const QString& where) {
        try {
            ParseGradient(value, where);
        } catch (const ESkinError& e) {
            Error(where, e.Message());
        }
    }

    void CheckParentChain(int s) {
        const QString& name = options_.SectionAt(s).Name;
        const QString parent = options_.SectionAt(s).Value("PARENTCLASS");
        if (parent.isEmpty() || parent == "N/A" || parent == name) return;
        if (options_.IndexOfSection(parent) < 0) {
            Warning(Where(name, "PARENTCLASS"), QStringLiteral("no section [%1] to inherit from").arg(parent));
            return;
        }
        // The structure limits have passed: a chain that ends has at most MaxParentChainDepth
        // sections, so the walk is short, and one that loops comes back to a section it saw.
        std::vector<int>& seen = chain_;
        seen.assign(1, s);
        for (int at = options_.ParentOf(s); at >= 0; at = options_.ParentOf(at)) {
            if (std::find(seen.begin(), seen.end(), at) != seen.end()) {
                Error(Where(name, "PARENTCLASS"), "the chain of parents loops");
                return;
            }
            seen.push_back(at);
        }
    }

    void CheckNotation(const TImageNotation& n, const QString& where) {
        const bool ownFile = !n.FileName.isEmpty();
        const TBitmap32* source = ownFile ? Image(n.FileName, where) : master_;
        if (!source) {
            if (!ownFile) Error(where, "addresses the master image, but there is none");
            return;
        }
        if (n.Kind == TNotationKind::External || n.Kind == TNotationKind::PlainFile) return; // whole image
        const TRect& r = n.R;
        if (r.IsEmpty()) {
            Error(where, "the rectangle is empty");
            return;
        }
        if (r.Left < 0 || r.Top < 0 || r.Right > source->Width() || r.Bottom > source->Height())
            Error(where, QStringLiteral("the rectangle %1,%2-%3,%4 reaches outside the %5x%6 image")
                             .arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Bottom)
                             .arg(source->Width()).arg(source->Height()));
        if (n.Kind == TNotationKind::Texture) {
            const int mode = n.DrawMode;
            if (!(mode >= 0 && mode <= 7) && !(mode >= 10 && mode <= 12))
                Warning(where, QStringLiteral("draw mode %1 paints nothing").arg(mode));
            return;
        }
        if (n.ImageCount < 1) Error(where, "the image count is 0");
        else if (r.Width() % n.ImageCount != 0)
            Warning(where, QStringLiteral("the width %1 does not split into %2 equal frames")
                               .arg(r.Width()).arg(n.ImageCount));
        if (n.MaskType == 1 && r.Height() % 2 != 0)
            Warning(where, "the height is odd, so image and mask halves differ");
        if (n.MaskType == 1) CheckKeyPixelsAreMasked(*source, r, where);
        if (n.Kind == TNotationKind::Borders && n.ImageCount > 0) {
            const int cellW = r.Width() / n.ImageCount;
            const int cellH = n.MaskType == 1 ? r.Height() / 2 : r.Height() / (n.MaskType + 1);
            if (n.WL + n.WR >= cellW || n.WT + n.WB >= cellH)
                Warning(where, "the border widths leave no middle in the frame");
        }
    }

    // A key pixel is meant to show what lies beneath; where the mask calls it opaque, the key
    // colour itself is blended in outside corners.
    void CheckKeyPixelsAreMasked(const TBitmap32& source, const TRect& r, const QString& where) {
        const int half = r.Height() / 2;
        for (int y = std::max(r.Top, 0); y < std::min(r.Top + half, source.Height() - half); ++y)
            for (int x = std::max(r.Left, 0); x < std::min(r.Right, source.Width()); ++x)
                if (source.Pixel(x, y) == KeyPixel32 && (source.Pixel(x, y + half) & 0xFFFFFF) != 0xFFFFFF) {
                    Warning(where, QStringLiteral("the key pixel at %1,%2 is not white in the mask").arg(x).arg(y));
                    return;
                }
    }

    void CheckUnreferencedEntries() {
        for (const TSkinPackageEntry& entry : skin_.Entries)
            if (!IsOptionsEntryName(entry.Name) && !referenced_.contains(entry.Name))
                Warning(entry.Name, "no key of the options text uses this image");
    }

    // The real load: what the program would do with this skin.
    void LoadLikeTheProgram() {
        CollectingDialogs dialogs(problems_);
        TacSkinConvertor convertor;
        for (const TSkinPackageEntry& entry : skin_.Entries) {
            if (IsOptionsEntryName(entry.Name)) convertor.Options = entry.Data;
            else convertor.Files.push_back({entry.Name, entry.Name.toUpper().endsWith(".BMP"), entry.Data});
        }
        convertor.ImageCount = int(convertor.Files.size());
        try {
            TSkinLoader loader(options_, TSkinImageSource{&convertor, {}}, TSkinLoadSettings{});
            const TLoadedSkin loaded = loader.Load();
            loadedSections_ = int(loaded.gd.size());
        } catch (const ESkinError& e) {
            Error({}, "the program cannot load this skin: " + e.Message());
        }
    }

    const OpenedSkin& skin_;
    TSkinOptions options_;
    int globalInfo_ = -1;
    const TBitmap32* master_ = nullptr;
    std::map<QString, TBitmap32Ptr> images_;
    QSet<QString> referenced_;
    std::vector<SkinProblem> problems_;
    std::vector<int> chain_; // CheckParentChain's sections, kept to spare an allocation a section
    int loadedSections_ = 0;
};

} // namespace

std::vector<SkinProblem> CheckSkin(const OpenedSkin& skin) { return SkinChecker(skin).Run(); }

QString ProblemLine(const SkinProblem& problem) {
    return (problem.IsError ? QStringLiteral("error: ") : QStringLiteral("warning: ")) +
           (problem.Where.isEmpty() ? QString() : problem.Where + QStringLiteral(": ")) + problem.Message;
}

} // namespace tornivex
