// Tornivex: micro-steps per degree for a rotary axis driven by a stepper motor.
#include <cstdio>

#include "CommandLine.h"
#include "Console.h"
#include "Fonts.h"
#include "ProgramArguments.h"
#include "ProgramStart.h"
#include "RememberedSkin.h"
#include "SkinControl.h"
#include "TApplication.h"
#include "WindowPlacement.h"

int main(int argc, char** argv) {
    using namespace tornivex;
    platform::PrepareConsoleOutput();
    // Answered before the application object, which needs a display.
    const CommandLineOutcome command = ReadCommandLine(platform::ProgramArguments(argc, argv));
    if (!command.RunProgram) {
        std::fputs(command.Out.toUtf8().constData(), stdout);
        std::fputs(command.Err.toUtf8().constData(), stderr);
        return command.ExitStatus;
    }
    platform::PrepareFonts();
    std::vector<char*> qtArguments = ApplicationArguments(argc, argv);
    int qtArgc = static_cast<int>(qtArguments.size()) - 1;
    platform::TApplication app(qtArgc, qtArguments.data());
    int status = 0;
    {
        const std::unique_ptr<QSettings> settings = ProgramSettings();
        TProgramStart program(app);
        // The window owns it. A skin that cannot be used leaves the default one on screen.
        auto* skins = new TSkinControl(program.MainWindow, *settings, UserSkinFolder());
        const QString skinFailure = skins->Start(command.Skin, command.NoSkin, command.Watch);
        if (!skinFailure.isEmpty()) std::fprintf(stderr, "%s\n", qUtf8Printable(skinFailure));

        CenterOnDesktop(&program.MainWindow);
        program.MainWindow.show();
        program.MainWindow.activateWindow();
        status = app.exec();
    }  // the windows gone and the settings written
    platform::BoundPlatformTeardown(status);
    return status;
}
