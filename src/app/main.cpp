// Tornivex: micro-steps per degree for a rotary axis driven by a stepper motor.
#include "Fonts.h"
#include "PlatformLocale.h"
#include "SkinEngine.h"
#include "TApplication.h"
#include "Unit1.h"
#include "Unit2.h"
#include "WindowPlacement.h"
#include "sSkinManagerWidgets.h"

int main(int argc, char** argv) {
    using namespace tornivex;
    platform::TApplication app(argc, argv);
    // The skin engine starts before the windows: its widget side, shadows, the "/acver" box.
    InstallSkinManagerWidgets();
    SkinEngineStartup(app.arguments());
    platform::LocaleWatcher locale(&app);
    platform::RegisterInterfaceFont();
    app.SetTitle(QStringLiteral("Tornivex"));

    TForm1 mainWindow;
    Form1 = &mainWindow;
    TForm2 about(&mainWindow);
    Form2 = &about;
    mainWindow.SetAboutDialog(&about);

    CenterOnDesktop(&mainWindow);
    mainWindow.show();
    mainWindow.activateWindow();
    const int status = app.exec();
    Form2 = nullptr;
    Form1 = nullptr;
    return status;
}
