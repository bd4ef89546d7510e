#pragma once
// The platform's side of the colour model (common/color/Color.h): system colours read from the
// application palette, and conversion to and from Qt's colours.
#include <QColor>

#include "common/color/Color.h"

namespace tornivex::platform {

// System colour `index` as the application palette shows it (0x00BBGGRR).
TColor PaletteSystemColor(int index);

// Makes ColorToRGB resolve system colours from the application palette; the application object
// does this when it starts.
void InstallPaletteSystemColors();

// System colours are resolved first.
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);

}  // namespace tornivex::platform
