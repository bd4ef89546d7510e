#pragma once
#include <QString>

namespace tornivex::platform {

// Puts plain text on the clipboard and, where the desktop has one (X11), on the selection too,
// so both Ctrl+V and the middle button paste it.
void PutTextOnClipboard(const QString& text);

}  // namespace tornivex::platform
