#pragma once
#include <QFont>
#include <QString>
#include <QStringList>

namespace tornivex::platform {

// Makes the Tahoma face available: on Linux the files of the system's font package are
// registered, on Windows it is the system's own. When it is missing the system's general face
// is used instead, and this is said once on stderr. Returns the family name the program's fonts use.
QString RegisterInterfaceFont();

// The interface face at a character height in pixels (the program's sizes are pixel heights).
QFont InterfaceFont(int pixelHeight, bool bold = false);

// The Tahoma files to register, where the system does not offer the face by itself.
QStringList InterfaceFontFiles();

// Call before the application object is made. On Windows the window's text is drawn by FreeType
// with light hinting, as on Linux (the system's own engines draw Tahoma a few pixels wider a
// label, which the fixed layout has no room for), and programs that draw without a window (the
// offscreen platform) look for fonts where the system keeps them.
void PrepareFonts();

}  // namespace tornivex::platform
