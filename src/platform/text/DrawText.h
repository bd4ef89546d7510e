#pragma once
// Text drawing with the platform's format flags into an image. The image may wrap the pixels of
// one of our own 32-bit bitmaps (QImage over foreign memory), so glyphs land in our bitmaps.

#include "TextFormat.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include <cstdint>

namespace tornivex::platform {

// Draws `text` in `font` and `color` into `rect` of `target` following `flags` (TextFormat bits).
// With tfCalcRect nothing is drawn: `rect` keeps its top-left and gets the size the text needs
// (its width stays for word-broken text). Returns the height of the text, as the platform does.
// A null or empty target only measures.
int DrawFormattedText(QImage& target, const QFont& font, const QColor& color, const QString& text,
                      QRect& rect, std::uint32_t flags);

// Measures without drawing; the same as tfCalcRect on a null image.
QRect MeasureFormattedText(const QFont& font, const QString& text, const QRect& rect,
                           std::uint32_t flags);

}  // namespace tornivex::platform
