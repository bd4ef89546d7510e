#pragma once
// The program's command line, read before the application object exists so that --help,
// --version and a mistyped option answer without a display. Qt's own options (-platform, -style,
// -reverse, -display, ...) are accepted and left for the application object to take; "/acver"
// is left for the skin engine.
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tornivex {

struct CommandLineOutcome {
    bool RunProgram = true;  // false: print Out and Err and end with ExitStatus
    int ExitStatus = 0;
    QString Out;
    QString Err;
    // --skin SKIN: the skin for this run only (an internal name, a package file or a skin
    // folder); --no-skin: no skin for this run. Neither: the remembered choice.
    std::optional<QString> Skin;
    bool NoSkin = false;
    // --watch: reload the skin folder given with --skin whenever one of its files changes.
    bool Watch = false;
};

// The folder whose skins the window menu offers, as --help names it.
QString UserSkinFolder();

// `arguments` starts with the program's own name, as argv does.
CommandLineOutcome ReadCommandLine(const QStringList& arguments);

// argv for the application object: the program's arguments behind "-name <program id>", so that
// on X11 the instance part of the window class is the id the desktop entry names in
// StartupWMClass (a "-name" given by the user comes later and wins). Points into argv and into
// static storage; the vector must outlive the application object.
std::vector<char*> ApplicationArguments(int argc, char** argv);

}  // namespace tornivex
