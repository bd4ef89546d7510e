#include "Fonts.h"

namespace tornivex::platform {

// Debian's fonts-wine puts them outside fontconfig's folders.
QStringList InterfaceFontFiles() {
    return {QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"), QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf")};
}

// Qt's defaults serve: fontconfig finds the system's fonts, for the offscreen platform too.
void PrepareFonts() {}

}  // namespace tornivex::platform
