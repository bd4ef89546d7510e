#include "Fonts.h"

#include <QByteArray>
#include <QDir>
#include <QtGlobal>

#include <windows.h>

namespace tornivex::platform {

// Every Windows has Tahoma among its fonts.
QStringList InterfaceFontFiles() { return {}; }

void PrepareFonts() {
    // The platform as asked for by the user (QT_QPA_PLATFORM, -platform) wins.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
    // A static Qt's offscreen platform looks for fonts in a folder named when Qt was built, which
    // is not on the user's machine: point it at the system's fonts folder.
    if (qEnvironmentVariableIsSet("QT_QPA_FONTDIR")) return;
    wchar_t windows[MAX_PATH];
    const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    const QString fonts = QDir::fromNativeSeparators(QString::fromWCharArray(windows, int(length))) +
                          QStringLiteral("/Fonts");
    qputenv("QT_QPA_FONTDIR", fonts.toLocal8Bit());
}

}  // namespace tornivex::platform
