#pragma once
// Images that live in their own package entries rather than in the master image.
#include "SkinStyle.h"

#include <QColor>
#include <QImage>

namespace tornivex::forge {

// Three masked frames (normal, hot, pressed) of the big button (BUTTON_HUGE), each cell x cell,
// mask half below: an RGB image of 3*cell x 2*cell.
QImage BigButtonImage(const SkinStyle& style, int cell);

// Two soft shadow frames (inactive, active) for extended borders: `cell` square each, the window
// edge `margin` pixels in from the cell edge. ARGB.
QImage ShadowBorderImage(int cell, int margin, const QColor& shadow);

// A soft halo of `colour` for a title button's hover, width x height. ARGB.
QImage GlowImage(int width, int height, const QColor& colour);

} // namespace tornivex::forge
