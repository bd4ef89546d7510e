// tornivex-skin: inspect, unpack, repack, check and render skins.
#include "ToolCommands.h"

#include "Console.h"
#include "Fonts.h"
#include "ProgramArguments.h"

#include <QGuiApplication>
#include <QLoggingCategory>

#include <cstdio>
#include <memory>

namespace {

// Qt's note that the runtime folder is unset concerns sessions, not a tool that paints offscreen.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
    std::fputs(qUtf8Printable(qFormatLogMessage(type, context, message) + QLatin1Char('\n')), stderr);
}

}  // namespace

int main(int argc, char** argv) {
    // Every argument is the tool's: Qt gets only the program name, so words such as "-reverse"
    // after --text stay captions instead of becoming Qt's options.
    tornivex::platform::PrepareConsoleOutput();
    QStringList args = tornivex::platform::ProgramArguments(argc, argv);
    args.removeFirst();
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    qInstallMessageHandler(QuietMessages);
    // Only painting needs fonts (a GUI application, offscreen: no screen is needed).
    std::unique_ptr<QCoreApplication> app;
    if (!args.isEmpty() && args.front() == QLatin1String("render")) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        tornivex::platform::PrepareFonts();
        app = std::make_unique<QGuiApplication>(qtArgc, qtArgv);
    } else {
        app = std::make_unique<QCoreApplication>(qtArgc, qtArgv);
    }
    QTextStream out(stdout), err(stderr);
    const int code = tornivex::skintool::RunSkinTool(args, out, err);
    out.flush();
    err.flush();
    return code;
}
