#pragma once
// Shared set-up of the fuzz targets: an application object for Qt's image plugins and silent
// skin dialogs.
#include <QCoreApplication>

#include "SkinDialogs.h"

namespace tornivex::fuzz {

class SilentDialogs final : public ISkinDialogs {
public:
    void ShowError(const QString&, const QString&) override {}
    void ShowMessage(const QString&) override {}
    void ShowWarning(const QString&) override {}
};

inline void InitOnce() {
    static bool done = false;
    if (done) return;
    done = true;
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static SilentDialogs dialogs;
    SetSkinDialogs(&dialogs);
}

} // namespace tornivex::fuzz
