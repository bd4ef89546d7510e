#include "ToolCommands.h"

#include "SkinError.h"

#include <exception>

namespace tornivex::skintool {

const std::vector<ToolCommand>& ToolCommands() {
    static const std::vector<ToolCommand> commands{
        {"list", "list the internal skins", "usage: tornivex-skin list\n"
         "Lists the skins built into the program with their package sizes.\n", RunListCommand},
        {"info", "show a skin's entries, images and global values",
         "usage: tornivex-skin info SKIN\n"
         "Shows the kind, package size, VERSION, AUTHOR, DESCRIPTION and every entry with its\n"
         "size and image format.\n", RunInfoCommand},
        {"sections", "list a skin's sections",
         "usage: tornivex-skin sections SKIN\n"
         "Lists every section in order: index, name, parent, states and its image keys.\n",
         RunSectionsCommand},
        {"unpack", "write a skin's entries as files",
         "usage: tornivex-skin unpack SKIN DIR\n"
         "Writes the options text and every image of SKIN into DIR (created when missing).\n",
         RunUnpackCommand},
        {"pack", "pack a skin directory into a package",
         "usage: tornivex-skin pack DIR OUT.asz [IMAGE...]\n"
         "Packs DIR/Options.dat followed by the images of DIR into OUT.asz. Listing IMAGEs packs\n"
         "exactly those, in that order; otherwise every image file, sorted by name.\n",
         RunPackCommand},
        {"check", "load a skin by the skin manager's rules and report every problem",
         "usage: tornivex-skin check SKIN\n"
         "Checks the package, every image notation, gradient and parent of the options text, the\n"
         "images they address, then loads the skin as the program does. Problems are reported as\n"
         "\"error: [SECTION] KEY: message\" or \"warning: ...\". Exit code 0 without errors, 1 with.\n",
         RunCheckCommand},
        {"render", "paint one section of a skin into a PNG",
         "usage: tornivex-skin render SKIN SECTION [--state N] [--size WxH]\n"
         "       [--over COLOR | --over-section NAME] [--over-size WxH --at X,Y]\n"
         "       [--text CAPTION] [--glyph NAME] -o OUT.png\n"
         "  SKIN   internal skin name, package file (.asz) or unpacked skin directory\n"
         "  N      a state the section has: 0 normal, 1 hot, 2 pressed (its STATES value says how many)\n"
         "  WxH    each side 1 to 8192 pixels\n"
         "  COLOR  decimal or 0x-hex value 0x00BBGGRR as in skin options, or #RRGGBB\n"
         "  NAME   of --glyph: a [GLOBALINFO] image such as BICONCLOSE, drawn centred in the state's frame\n"
         "  --over-size, --at  the parent is painted at WxH and the section lies at X,Y in it, as a\n"
         "         button lies in its form; the output is the section's own WxH\n"
         "  CAPTION  centred as a push button centres its caption, in the section's font colours\n",
         RunRenderCommand, true},
    };
    return commands;
}

const ToolCommand* FindToolCommand(const QString& name) {
    for (const ToolCommand& c : ToolCommands())
        if (name == QLatin1String(c.Name)) return &c;
    return nullptr;
}

void ExpectArguments(const QStringList& args, int min, int max, const char* wanted) {
    if (args.size() >= min && (max < 0 || args.size() <= max)) return;
    throw UsageError(QStringLiteral("wants %1, got %2 word%3")
                         .arg(QLatin1String(wanted)).arg(args.size()).arg(args.size() == 1 ? "" : "s"));
}

QString UnknownOptionMessage(const QString& command, const QString& word) {
    return QStringLiteral("unknown option \"%1\" (tornivex-skin %2 --help shows the usage)").arg(word, command);
}

bool IsOptionWord(const QString& word) { return word.size() > 1 && word.startsWith(u'-'); }

QString ToolVersionText() { return QStringLiteral("tornivex-skin " TORNIVEX_VERSION); }

namespace {

void PrintOverview(QTextStream& s) {
    s << "usage: tornivex-skin COMMAND [ARGUMENTS]   (tornivex-skin COMMAND --help for more)\n"
      << "SKIN is the name of an internal skin, a package file (.asz) or a skin directory.\n\n";
    for (const ToolCommand& c : ToolCommands())
        s << "  " << QString::fromLatin1(c.Name).leftJustified(10) << c.Summary << "\n";
}

} // namespace

int RunSkinTool(const QStringList& args, QTextStream& out, QTextStream& err) {
    if (args.isEmpty()) {
        PrintOverview(err);
        return ExitUsage;
    }
    const QString& first = args.front();
    if (first == "--help" || first == "-h" || first == "help") {
        PrintOverview(out);
        return ExitDone;
    }
    if (first == "--version") {
        out << ToolVersionText() << "\n";
        return ExitDone;
    }
    if (IsOptionWord(first)) {
        err << "tornivex-skin: unknown option \"" << first << "\" (tornivex-skin --help lists the commands)\n";
        return ExitUsage;
    }
    const ToolCommand* c = FindToolCommand(first);
    if (!c) {
        err << "tornivex-skin: unknown command \"" << first << "\" (tornivex-skin --help lists the commands)\n";
        return ExitUsage;
    }
    const QString prefix = QStringLiteral("tornivex-skin %1: ").arg(QLatin1String(c->Name));
    const QStringList rest = args.mid(1);
    if (rest.contains("--help") || rest.contains("-h")) {
        out << c->Usage;
        return ExitDone;
    }
    if (!c->TakesOptions)
        for (const QString& word : rest)
            if (IsOptionWord(word)) {
                err << prefix << UnknownOptionMessage(QLatin1String(c->Name), word) << "\n";
                return ExitUsage;
            }
    try {
        return c->Run(rest, out, err);
    } catch (const UsageError& e) {
        err << prefix << e.Message() << "\n";
        if (e.ShowUsage) err << c->Usage;
        return ExitUsage;
    } catch (const ToolError& e) {
        err << prefix << e.Message() << "\n";
    } catch (const ESkinError& e) {
        err << prefix << e.Message() << "\n";
    } catch (const std::exception& e) {
        err << prefix << e.what() << "\n";
    }
    return ExitFailed;
}

} // namespace tornivex::skintool
