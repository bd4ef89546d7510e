// `tornivex-skin render`: paints one section of a skin into a PNG so that skin authors can look at
// every element. The skin is opened like every other command's SKIN argument (SkinSource.h) and
// loaded by a skin manager as the program loads it.
#include "SkinDialogs.h"
#include "SkinSource.h"
#include "ToolCommands.h"
#include "ToolFiles.h"
#include "platform/Fonts.h"
#include "skin/paint/SectionPreview.h"

#include "common/color/Color.h"
#include "skin/data/sSkinManager.h"

#include <QBuffer>
#include <QRegularExpression>

#include <optional>

namespace tornivex::skintool {
namespace {

constexpr int MaxSide = paint::MaxPreviewSide;

struct RenderArguments {
    QString Skin;
    paint::TSectionPreview Preview;
    QString Output;
};

std::optional<TColor> ParseColour(const QString& text) {
    bool ok = false;
    if (text.startsWith(QLatin1Char('#')) && text.size() == 7) {
        const uint rgb = text.mid(1).toUInt(&ok, 16);
        if (ok) return MakeColor(int(rgb >> 16) & 0xFF, int(rgb >> 8) & 0xFF, int(rgb) & 0xFF);
        return std::nullopt;
    }
    const qlonglong value = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                                ? text.mid(2).toLongLong(&ok, 16)
                                : text.toLongLong(&ok, 10);
    if (!ok || value < 0 || value > 0xFFFFFF) return std::nullopt;
    return static_cast<TColor>(value);
}

// Reads the words after "render"; answers an error message when they do not make sense.
QString ParseArguments(const QStringList& args, RenderArguments& parsed) {
    QStringList positional;
    for (int i = 0; i < args.size(); ++i) {
        const QString& word = args[i];
        const auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= args.size()) return std::nullopt;
            return args[++i];
        };
        if (word == QLatin1String("--state")) {
            bool ok = false;
            const auto v = value();
            parsed.Preview.State = v ? v->toInt(&ok) : 0;
            if (!ok || parsed.Preview.State < 0) return QStringLiteral("--state wants a number of 0 or more");
        } else if (word == QLatin1String("--size")) {
            const auto v = value();
            const QRegularExpression size(QStringLiteral("^(\\d+)[xX](\\d+)$"));
            const auto match = size.match(v.value_or(QString()));
            const auto side = [&](int n) { return match.captured(n).size() > 5 ? MaxSide + 1 : match.captured(n).toInt(); };
            if (!match.hasMatch() || side(1) < 1 || side(1) > MaxSide || side(2) < 1 || side(2) > MaxSide)
                return QStringLiteral("--size wants WIDTHxHEIGHT with each side 1 to %1, for example 137x25; got \"%2\"")
                    .arg(MaxSide).arg(v.value_or(QString()));
            parsed.Preview.Width = side(1);
            parsed.Preview.Height = side(2);
        } else if (word == QLatin1String("--over")) {
            const auto v = value();
            const auto colour = v ? ParseColour(*v) : std::nullopt;
            if (!colour) return QStringLiteral("--over wants a colour: decimal, 0x00BBGGRR or #RRGGBB");
            parsed.Preview.OverColor = *colour;
        } else if (word == QLatin1String("--over-section")) {
            const auto v = value();
            if (!v || v->isEmpty()) return QStringLiteral("--over-section wants a section name");
            parsed.Preview.OverSection = *v;
        } else if (word == QLatin1String("--over-size") || word == QLatin1String("--at")) {
            const bool size = word == QLatin1String("--over-size");
            const auto v = value();
            const QRegularExpression pair(size ? QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$")
                                               : QStringLiteral("^(\\d{1,5}),(\\d{1,5})$"));
            const auto match = pair.match(v.value_or(QString()));
            if (!match.hasMatch())
                return size ? QStringLiteral("--over-size wants WIDTHxHEIGHT, for example 541x206")
                            : QStringLiteral("--at wants X,Y, for example 11,171");
            (size ? parsed.Preview.OverWidth : parsed.Preview.AtX) = match.captured(1).toInt();
            (size ? parsed.Preview.OverHeight : parsed.Preview.AtY) = match.captured(2).toInt();
        } else if (word == QLatin1String("--text")) {
            const auto v = value();
            if (!v) return QStringLiteral("--text wants a caption");
            parsed.Preview.Text = *v;
        } else if (word == QLatin1String("--glyph")) {
            const auto v = value();
            if (!v || v->isEmpty()) return QStringLiteral("--glyph wants a [GLOBALINFO] image name");
            parsed.Preview.Glyph = *v;
        } else if (word == QLatin1String("-o")) {
            const auto v = value();
            if (!v || v->isEmpty()) return QStringLiteral("-o wants an output file name");
            parsed.Output = *v;
        } else if (IsOptionWord(word)) {
            throw UsageError(UnknownOptionMessage(QStringLiteral("render"), word), false);
        } else {
            positional << word;
        }
    }
    if (positional.size() != 2) return QStringLiteral("render wants a skin and a section");
    if (parsed.Output.isEmpty()) return QStringLiteral("render wants an output file (-o OUT.png)");
    parsed.Skin = positional[0];
    parsed.Preview.Section = positional[1];
    return QString();
}

// Load failures reach the manager's dialogs; the tool wants their text.
class CollectingDialogs final : public TScopedSkinDialogs {
public:
    void ShowError(const QString& text, const QString&) override { errors << text; }
    void ShowMessage(const QString&) override {}
    void ShowWarning(const QString&) override {}
    QStringList errors;
};

// Loads the opened skin into `manager` under its own name, as the only skin the manager knows,
// so a file or directory never turns into an internal skin of the same name.
void LoadSkin(TsSkinManager& manager, const OpenedSkin& skin) {
    const CollectingDialogs dialogs;
    manager.InternalSkins().Add(skin.Name, skin.Kind == SkinKind::Directory ? WriteSkinPackage(skin.Entries)
                                                                            : skin.Package);
    manager.SetSkinName(skin.Name);
    if (manager.SkinName() != skin.Name || manager.gd().empty())
        throw ToolError(QStringLiteral("the skin \"%1\" cannot be loaded%2")
                            .arg(skin.Name, dialogs.errors.isEmpty() ? QString() : ": " + dialogs.errors.join("; ")));
}

}  // namespace

int RunRenderCommand(const QStringList& arguments, QTextStream& out, QTextStream&) {
    RenderArguments parsed;
    if (const QString problem = ParseArguments(arguments, parsed); !problem.isEmpty()) throw UsageError(problem);
    const OpenedSkin skin = OpenSkin(parsed.Skin);
    TsSkinManager manager;
    LoadSkin(manager, skin);
    const int index = manager.GetSkinIndex(parsed.Preview.Section);
    if (index >= 0) {
        const int states = std::max(manager.gd()[std::size_t(index)].States, 1);
        if (parsed.Preview.State >= states)
            throw UsageError(QStringLiteral("the section %1 has %2 state%3 (0 to %4); --state %5 is not one of them")
                                 .arg(parsed.Preview.Section).arg(states).arg(states == 1 ? "" : "s")
                                 .arg(states - 1).arg(parsed.Preview.State), false);
    }
    if (!parsed.Preview.Text.isEmpty()) {
        platform::RegisterInterfaceFont();
        parsed.Preview.Font = platform::InterfaceFont(11);
    }
    QString problem;
    const auto painted = paint::RenderSectionPreview(manager, parsed.Preview, &problem);
    if (!painted) throw ToolError(problem);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!paint::BitmapToImage(*painted).save(&buffer, "PNG")) throw ToolError(QStringLiteral("cannot encode the PNG"));
    WriteWholeFile(parsed.Output, png);
    out << "rendered " << parsed.Preview.Section << " state " << parsed.Preview.State << " at "
        << parsed.Preview.Width << "x" << parsed.Preview.Height << " to " << parsed.Output << "\n";
    return ExitDone;
}

}  // namespace tornivex::skintool
