#include "ProgramStart.h"

#include "Fonts.h"
#include "ProgramIdentity.h"
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
    // The desktop matches the windows to the desktop entry by this id (the Wayland app id) and
    // shows the icon for both windows.
    app.setDesktopFileName(kProgramId);
    app.setWindowIcon(ProgramIcon());
    return true;
}

}  // namespace

TProgramStart::TProgramStart(platform::TApplication& app)
    : engineStarted_(StartSkinEngine(app)), Locale(&app) {
    Form1 = &MainWindow;
    MainWindow.SetAboutDialog([this] { return &About(); });
    MainWindow.SetAssistant([this] { return &Assistant(); });
}

TProgramStart::~TProgramStart() {
    if (AssistantForm == assistant_.get()) AssistantForm = nullptr;
    if (Form2 == about_.get()) Form2 = nullptr;
    if (Form1 == &MainWindow) Form1 = nullptr;
}

TForm2& TProgramStart::About() {
    if (!about_) {
        // Built under the skin on screen now: the manager's watch attaches it like any new form.
        about_ = std::make_unique<TForm2>(&MainWindow);
        Form2 = about_.get();
    }
    return *about_;
}

}  // namespace tornivex

namespace tornivex {

TTuningAssistant& TProgramStart::Assistant() {
    if (!assistant_) {
        assistant_ = std::make_unique<TTuningAssistant>(&MainWindow);
        AssistantForm = assistant_.get();
        FollowCalculations(*assistant_, MainWindow);
    }
    return *assistant_;
}

}  // namespace tornivex
