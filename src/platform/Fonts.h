#pragma once
#include <QFont>
#include <QString>

namespace tornivex::platform {

// Registers the Tahoma face shipped with the system's font package. When it is missing the
// sans face fontconfig offers is used instead, and this is said once on stderr.
// Returns the family name the program's fonts use.
QString RegisterInterfaceFont();

// The interface face at a character height in pixels (the program's sizes are pixel heights).
QFont InterfaceFont(int pixelHeight, bool bold = false);

}  // namespace tornivex::platform
