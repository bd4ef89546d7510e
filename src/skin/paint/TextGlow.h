#pragma once
// The halo behind caption text: the text's shape, widened and blurred, tints the target.

#include "skin/data/Bitmap32.h"
#include "skin/data/Geometry.h"
#include "common/color/Color.h"

#include <QFont>
#include <QString>

#include <cstdint>

namespace tornivex::paint {

// Half-width of the box blur for a glow size (the Gaussian weights rounded to 0 or 1, trimmed).
int GlowBlurHalfWidth(int glowSize);

// Blurs an 8-bit grey image in place: rows first, then columns, with 2w + 1 equal taps, edge
// pixels repeated beyond the border, results truncated.
void BoxBlurGrey(std::uint8_t* grey, int width, int height, int halfWidth);

// Every grey value v below 255 of the packed grey image covering `area` of `target` tints the pixel
// under it: channel = ((255 - v) * glow + channel * v) div 256, alpha = (255 - a) * (255 - v) div 256 + a.
void TintByGrey(TBitmap32& target, const std::uint8_t* grey, const TRect& area, TColor glowColor);

// Draws the glow of `text` (laid out in `rect` with the platform text `flags`) into `target`.
// With a `ratio` other than 1, `target` holds device pixels and the glow is shaped at that
// resolution (its rectangle and size stay logical).
void DrawTextGlow(TBitmap32& target, const QString& text, const TRect& rect, TColor glowColor,
                  int glowSize, std::uint32_t flags, const QFont& font, double ratio = 1.0);

}  // namespace tornivex::paint
