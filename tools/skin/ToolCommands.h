#pragma once
// The commands of `tornivex-skin`, a tool for skin authors. Every command takes the words after
// its name and answers the process exit code.
#include <QStringList>
#include <QTextStream>

#include <vector>

namespace tornivex::skintool {

inline constexpr int ExitDone = 0, ExitFailed = 1, ExitUsage = 2;

using CommandFunction = int (*)(const QStringList& args, QTextStream& out, QTextStream& err);

struct ToolCommand {
    const char* Name;
    const char* Summary;
    const char* Usage; // shown by --help and on wrong usage
    CommandFunction Run;
};

const std::vector<ToolCommand>& ToolCommands();

// Runs the tool; `args` are the words after the program name.
int RunSkinTool(const QStringList& args, QTextStream& out, QTextStream& err);

int RunListCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int RunInfoCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int RunSectionsCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int RunUnpackCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int RunPackCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int RunCheckCommand(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace tornivex::skintool
