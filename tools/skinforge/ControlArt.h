#pragma once
// Glyph strips of the master image: check boxes, radio buttons, check marks, title-button
// symbols, scroll arrows, thumb ridges and the size grip. One function per strip group.
#include "SkinStyle.h"

#include <QImage>

namespace tornivex::forge {

void PaintCheckBoxes(QImage& sheet, const SkinStyle& style);
void PaintRadioButtons(QImage& sheet, const SkinStyle& style);
void PaintMenuCheck(QImage& sheet, const SkinStyle& style);
void PaintSmallTitleGlyphs(QImage& sheet, const SkinStyle& style);
void PaintBigTitleGlyphs(QImage& sheet, const SkinStyle& style);
void PaintTitleButtonPlates(QImage& sheet, const SkinStyle& style);
void PaintScrollArrows(QImage& sheet, const SkinStyle& style);
void PaintThumbRidges(QImage& sheet, const SkinStyle& style);
void PaintSizeGrip(QImage& sheet, const SkinStyle& style, const QColor& under);

} // namespace tornivex::forge
