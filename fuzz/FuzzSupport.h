#pragma once
// Shared set-up of the fuzz targets: an application object for Qt's image plugins (and fonts when
// painting) and silent skin dialogs.
#include <QCoreApplication>
#include <QGuiApplication>

#include "SkinDialogs.h"

namespace tornivex::fuzz {

class SilentDialogs final : public ISkinDialogs {
public:
    void ShowError(const QString&, const QString&) override {}
    void ShowMessage(const QString&) override {}
    void ShowWarning(const QString&) override {}
};

// Painting targets ask for a GUI application (glyphs need fonts) on the offscreen platform. The
// application object lives until the process ends: destroying it in exit handlers, after Qt's own
// globals, would crash.
inline void InitOnce(bool gui = false) {
    static bool done = false;
    if (done) return;
    done = true;
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    if (gui) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QGuiApplication* app = new QGuiApplication(argc, argv);
        (void)app;
    } else {
        static QCoreApplication* app = new QCoreApplication(argc, argv);
        (void)app;
    }
    static SilentDialogs dialogs;
    SetSkinDialogs(&dialogs);
}

} // namespace tornivex::fuzz
