#include "RenderCommand.h"

#include "InternalSkins.h"
#include "platform/Fonts.h"
#include "skin/paint/SectionPreview.h"

#include "skin/data/SkinColor.h"
#include "skin/data/sSkinManager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <optional>

namespace tornivex::skintool {
namespace {

constexpr int ExitDone = 0, ExitFailed = 1, ExitUsage = 2;

const char* const Usage =
    "usage: tornivex-skin render SKIN SECTION [--state N] [--size WxH]\n"
    "       [--over COLOR | --over-section NAME] [--text CAPTION] [--glyph NAME] -o OUT.png\n"
    "  SKIN   internal skin name, package file (.asz) or unpacked skin directory\n"
    "  COLOR  decimal or 0x-hex value 0x00BBGGRR as in skin options, or #RRGGBB\n"
    "  NAME   of --glyph: a [GLOBALINFO] image such as BICONCLOSE, drawn centred in the state's frame\n";

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
            const QRegularExpression size(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
            const auto match = size.match(v.value_or(QString()));
            if (!match.hasMatch()) return QStringLiteral("--size wants WIDTHxHEIGHT, for example 137x25");
            parsed.Preview.Width = match.captured(1).toInt();
            parsed.Preview.Height = match.captured(2).toInt();
        } else if (word == QLatin1String("--over")) {
            const auto v = value();
            const auto colour = v ? ParseColour(*v) : std::nullopt;
            if (!colour) return QStringLiteral("--over wants a colour: decimal, 0x00BBGGRR or #RRGGBB");
            parsed.Preview.OverColor = *colour;
        } else if (word == QLatin1String("--over-section")) {
            const auto v = value();
            if (!v || v->isEmpty()) return QStringLiteral("--over-section wants a section name");
            parsed.Preview.OverSection = *v;
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
        } else if (word.startsWith(QLatin1Char('-'))) {
            return QStringLiteral("unknown option \"%1\"").arg(word);
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

// Loads the named skin into `manager`; answers an error message on failure.
QString LoadSkin(TsSkinManager& manager, const QString& skin) {
    for (const InternalSkinPackage& package : InternalSkinPackages())
        manager.InternalSkins().Add(package.Name, package.Data);
    QString name = skin;
    const QFileInfo info(skin);
    if (manager.InternalSkins().IndexOf(skin) < 0) {
        if (info.isFile()) {
            QFile file(skin);
            if (!file.open(QIODevice::ReadOnly)) return QStringLiteral("cannot read \"%1\"").arg(skin);
            name = info.completeBaseName();
            manager.InternalSkins().Add(name, file.readAll());
        } else if (info.isDir() && QFileInfo::exists(info.absoluteFilePath() + QStringLiteral("/Options.dat"))) {
            name = info.fileName();
            manager.SetSkinDirectory(info.absolutePath());
        } else {
            return QStringLiteral("no skin \"%1\": not an internal skin, a package file or a skin directory")
                .arg(skin);
        }
    }
    manager.SetSkinName(name);
    if (manager.SkinName() != name || manager.gd().empty())
        return QStringLiteral("the skin \"%1\" could not be loaded").arg(skin);
    return QString();
}

}  // namespace

int RunRenderCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    RenderArguments parsed;
    if (const QString problem = ParseArguments(arguments, parsed); !problem.isEmpty()) {
        err << "tornivex-skin render: " << problem << "\n" << Usage;
        return ExitUsage;
    }
    TsSkinManager manager;
    if (const QString problem = LoadSkin(manager, parsed.Skin); !problem.isEmpty()) {
        err << "tornivex-skin render: " << problem << "\n";
        return ExitFailed;
    }
    if (!parsed.Preview.Text.isEmpty()) {
        platform::RegisterInterfaceFont();
        parsed.Preview.Font = platform::InterfaceFont(11);
    }
    QString problem;
    const auto painted = paint::RenderSectionPreview(manager, parsed.Preview, &problem);
    if (!painted) {
        err << "tornivex-skin render: " << problem << "\n";
        return ExitFailed;
    }
    if (!paint::BitmapToImage(*painted).save(parsed.Output, "PNG")) {
        err << "tornivex-skin render: cannot write \"" << parsed.Output << "\"\n";
        return ExitFailed;
    }
    out << "rendered " << parsed.Preview.Section << " state " << parsed.Preview.State << " at "
        << parsed.Preview.Width << "x" << parsed.Preview.Height << " to " << parsed.Output << "\n";
    return ExitDone;
}

}  // namespace tornivex::skintool
