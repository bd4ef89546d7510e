#include "Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace tornivex::platform {
namespace {

bool DesktopOpen(const QString& address) {
    QUrl url = QUrl::fromUserInput(address);
    return url.isValid() && QDesktopServices::openUrl(url);
}

ShellOpener& Opener() {
    static ShellOpener opener = &DesktopOpen;
    return opener;
}

}  // namespace

bool ShellOpen(const QString& address) { return Opener()(address); }

void SetShellOpener(ShellOpener opener) {
    Opener() = opener ? std::move(opener) : ShellOpener(&DesktopOpen);
}

}  // namespace tornivex::platform
