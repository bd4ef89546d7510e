#include "ProgramStart.h"

#include "Fonts.h"
#include "SkinEngine.h"
#include "sSkinManagerWidgets.h"

namespace tornivex {
namespace {

// The skin engine starts before the windows (its widget side, shadows, the "/acver" box); the
// windows' font and the application title must be there before they are built too.
bool StartSkinEngine(platform::TApplication& app) {
    InstallSkinManagerWidgets();
    SkinEngineStartup(app.arguments());
    platform::RegisterInterfaceFont();
    app.SetTitle(QStringLiteral("Tornivex"));
    return true;
}

}  // namespace

TProgramStart::TProgramStart(platform::TApplication& app)
    : engineStarted_(StartSkinEngine(app)), Locale(&app), About(&MainWindow) {
    MainWindow.SetAboutDialog(&About);
}

}  // namespace tornivex
