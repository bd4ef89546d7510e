#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include "ProgramIdentity.h"
#include "SkinDirectory.h"

namespace tornivex {
namespace {

const QString kUsage = QStringLiteral("Usage: tornivex [OPTION...]\n");

QString HelpText() {
    return kUsage + QStringLiteral(
        "Opens the Tornivex window, which computes the micro-steps per degree of a rotary (4th)\n"
        "axis driven by a stepper motor from the motor's step angle, the drive's micro-step\n"
        "division and the gear ratio between motor and axis.\n"
        "\n"
        "Options:\n"
        "  --skin SKIN    start with SKIN for this run: an internal skin's name, a skin\n"
        "                 package file (.asz) or an unpacked skin folder\n"
        "  --no-skin      start with the platform's look for this run\n"
        "  --watch        with --skin FOLDER: load the skin again whenever a file in the\n"
        "                 folder changes (for skin authors)\n"
        "  -h, --help     show this help and exit\n"
        "  -v, --version  show the version and exit\n"
        "\n"
        "The Skin submenu of the window menu (right click on the title, or Alt+Space) picks\n"
        "a skin and remembers it for the next start; it lists the internal skins and the\n"
        "skins in\n"
        "  %1\n"
        "\n"
        "Qt's standard options are accepted too, among them -platform NAME, -style NAME,\n"
        "-reverse and, on X11, -display DISPLAY. The same calculation from the command line:\n"
        "tornivex-calc STEP_ANGLE DIVISION R1 R2.\n").arg(UserSkinFolder());
}

// The options QGuiApplication, QApplication, the X11 platform and the QML debugger take from
// the command line; the application object removes them before anyone else reads it.
void AddQtOptions(QCommandLineParser& parser) {
    static const char* const withValue[] = {
        "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
        "qwindowicon", "qwindowtitle", "session", "geometry", "icon", "title", "display",
        "name", "visual", "style", "stylesheet", "qmljsdebugger"};
    static const char* const flags[] = {"reverse", "testability", "widgetcount", "nograb", "dograb"};
    for (const char* name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// The argument as the user typed it, for an option the parser names without its dashes.
QString TypedOption(const QStringList& arguments, const QString& name) {
    for (const QString& argument : arguments.mid(1)) {
        if (!argument.startsWith(QLatin1Char('-'))) continue;
        QString bare = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        bare = bare.section(QLatin1Char('='), 0, 0);
        if (bare == name) return argument.section(QLatin1Char('='), 0, 0);
    }
    return name;
}

// An answer that ends the program before its window opens.
CommandLineOutcome Ended(int status, const QString& out, const QString& err) {
    CommandLineOutcome outcome;
    outcome.RunProgram = false;
    outcome.ExitStatus = status;
    outcome.Out = out;
    outcome.Err = err;
    return outcome;
}

CommandLineOutcome Refuse(const QString& line) {
    return Ended(2, QString(),
                 QStringLiteral("tornivex: %1\n").arg(line) + kUsage +
                     QStringLiteral("(tornivex --help shows the options)\n"));
}

}  // namespace

QString UserSkinFolder() {
    // The folder depends on the program's name, which the application object sets later.
    if (!QCoreApplication::instance()) QCoreApplication::setApplicationName(QStringLiteral("Tornivex"));
    return DefaultSkinDirectory();
}

CommandLineOutcome ReadCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's options are single-dash words ("-platform"), which must not split into letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption skin(QStringLiteral("skin"), QString(), QStringLiteral("SKIN"));
    const QCommandLineOption noSkin(QStringLiteral("no-skin"));
    const QCommandLineOption watch(QStringLiteral("watch"));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(skin);
    parser.addOption(noSkin);
    parser.addOption(watch);
    AddQtOptions(parser);

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return Refuse(QStringLiteral("unknown option '%1'").arg(TypedOption(arguments, unknown.front())));
        // Qt's text ("Missing value after '-style'.") as one line like ours.
        QString text = parser.errorText();
        if (text.endsWith(QLatin1Char('.'))) text.chop(1);
        if (!text.isEmpty()) text[0] = text[0].toLower();
        return Refuse(text);
    }
    for (const QString& argument : parser.positionalArguments())
        if (argument.compare(QLatin1String("/acver"), Qt::CaseInsensitive) != 0)
            return Refuse(QStringLiteral("unexpected argument '%1'").arg(argument));
    if (parser.isSet(help)) return Ended(0, HelpText(), QString());
    if (parser.isSet(version))
        return Ended(0, QStringLiteral("tornivex %1\n").arg(QLatin1String(TORNIVEX_VERSION)), QString());
    CommandLineOutcome run;
    if (parser.isSet(skin) && parser.isSet(noSkin)) return Refuse(QStringLiteral("--skin and --no-skin exclude each other"));
    if (parser.isSet(watch) && !parser.isSet(skin)) return Refuse(QStringLiteral("--watch needs --skin FOLDER"));
    if (parser.isSet(skin)) {
        if (parser.values(skin).size() > 1) return Refuse(QStringLiteral("--skin given more than once"));
        if (parser.value(skin).isEmpty()) return Refuse(QStringLiteral("--skin needs a skin name, file or folder"));
        run.Skin = parser.value(skin);
    }
    run.NoSkin = parser.isSet(noSkin);
    run.Watch = parser.isSet(watch);
    return run;
}

std::vector<char*> ApplicationArguments(int argc, char** argv) {
    static QByteArray nameOption = QByteArrayLiteral("-name");
    static QByteArray id = kProgramId.toLatin1();
    std::vector<char*> list;
    list.push_back(argv[0]);
    list.push_back(nameOption.data());
    list.push_back(id.data());
    for (int i = 1; i < argc; ++i) list.push_back(argv[i]);
    list.push_back(nullptr);
    return list;
}

}  // namespace tornivex
