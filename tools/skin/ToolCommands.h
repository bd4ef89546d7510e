#pragma once
// The commands of `tornivex-skin`, a tool for skin authors. Every command takes the words after
// its name and answers the process exit code.
#include <QStringList>
#include <QTextStream>

#include <vector>

#include "ToolError.h"

namespace tornivex::skintool {

// The exit codes of every command: done, failed (the message says why), wrong usage.
inline constexpr int ExitDone = 0, ExitFailed = 1, ExitUsage = 2;

// Wrong usage found by a command: the tool prints the message and, when `showUsage`, the
// command's usage after it.
class UsageError : public ToolError {
public:
    explicit UsageError(const QString& message, bool showUsage = true) : ToolError(message), ShowUsage(showUsage) {}
    bool ShowUsage;
};

// The one-line message for an option word a command does not know.
QString UnknownOptionMessage(const QString& command, const QString& word);

// Throws UsageError unless `args` holds `min` to `max` words (`max` -1: no limit); `wanted` says
// what the command takes, for example "one SKIN".
void ExpectArguments(const QStringList& args, int min, int max, const char* wanted);

// Words of the tool's command lines that are options: "-" followed by anything. A lone "-" is none.
bool IsOptionWord(const QString& word);

// "tornivex-skin 1.0.0"
QString ToolVersionText();

using CommandFunction = int (*)(const QStringList& args, QTextStream& out, QTextStream& err);

struct ToolCommand {
    const char* Name;
    const char* Summary;
    const char* Usage; // shown by --help and on wrong usage
    CommandFunction Run;
    bool TakesOptions = false; // else any option word is refused before the command runs
};

// The command of that name, null when none.
const ToolCommand* FindToolCommand(const QString& name);

const std::vector<ToolCommand>& ToolCommands();

// Runs the tool; `args` are the words after the program name.
int RunSkinTool(const QStringList& args, QTextStream& out, QTextStream& err);

int RunListCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int RunInfoCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int RunSectionsCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int RunUnpackCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int RunPackCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int RunCheckCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int RunRenderCommand(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace tornivex::skintool
