#pragma once
// Small vector glyphs (arrows, check marks, title-button symbols, grips) drawn anti-aliased onto
// transparent cells with QPainter.
#include <QColor>
#include <QImage>
#include <QRectF>

namespace tornivex::forge {

enum class ArrowDirection { Left, Up, Right, Down };

// Draws onto `cell` (ARGB32) with anti-aliasing.
void DrawArrow(QImage& cell, const QRectF& box, ArrowDirection direction, const QColor& colour);
void DrawCross(QImage& cell, const QRectF& box, const QColor& colour, double thickness);
void DrawCheckMark(QImage& cell, const QRectF& box, const QColor& colour, double thickness);
void DrawMaximizeSymbol(QImage& cell, const QRectF& box, const QColor& colour);
void DrawRestoreSymbol(QImage& cell, const QRectF& box, const QColor& colour);
void DrawMinimizeSymbol(QImage& cell, const QRectF& box, const QColor& colour);
void DrawHelpSymbol(QImage& cell, const QRectF& box, const QColor& colour);
void DrawDot(QImage& cell, const QRectF& box, const QColor& colour);
// Three short ridges across a scroll thumb; `vertical` ridges for a horizontal thumb.
void DrawGripRidges(QImage& cell, bool vertical, const QColor& light, const QColor& dark);
// The diagonal dots of a size grip in the bottom-right corner of the cell.
void DrawSizeGrip(QImage& cell, const QColor& light, const QColor& dark);

} // namespace tornivex::forge
