#include "Glyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace tornivex::forge {

void DrawArrow(QImage& cell, const QRectF& box, ArrowDirection direction, const QColor& colour) {
    QPainter p(&cell);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const QPointF c = box.center();
    const double half = box.width() / 2.0, depth = box.height() / 4.0 + 0.5;
    QPolygonF tri;
    switch (direction) {
    case ArrowDirection::Up:
        tri << QPointF(c.x() - half, c.y() + depth) << QPointF(c.x() + half, c.y() + depth)
            << QPointF(c.x(), c.y() - depth);
        break;
    case ArrowDirection::Down:
        tri << QPointF(c.x() - half, c.y() - depth) << QPointF(c.x() + half, c.y() - depth)
            << QPointF(c.x(), c.y() + depth);
        break;
    case ArrowDirection::Left:
        tri << QPointF(c.x() + depth, c.y() - half) << QPointF(c.x() + depth, c.y() + half)
            << QPointF(c.x() - depth, c.y());
        break;
    case ArrowDirection::Right:
        tri << QPointF(c.x() - depth, c.y() - half) << QPointF(c.x() - depth, c.y() + half)
            << QPointF(c.x() + depth, c.y());
        break;
    }
    p.drawPolygon(tri);
}

void DrawCross(QImage& cell, const QRectF& box, const QColor& colour, double thickness) {
    QPainter p(&cell);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, thickness, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(box.topLeft(), box.bottomRight());
    p.drawLine(box.topRight(), box.bottomLeft());
}

void DrawCheckMark(QImage& cell, const QRectF& box, const QColor& colour, double thickness) {
    QPainter p(&cell);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, thickness, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path;
    path.moveTo(box.left(), box.top() + box.height() * 0.55);
    path.lineTo(box.left() + box.width() * 0.38, box.bottom());
    path.lineTo(box.right(), box.top());
    p.drawPath(path);
}

void DrawMaximizeSymbol(QImage& cell, const QRectF& box, const QColor& colour) {
    QPainter p(&cell);
    p.setPen(QPen(colour, 1));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.fillRect(QRectF(box.left(), box.top(), box.width(), 2), colour);
}

void DrawRestoreSymbol(QImage& cell, const QRectF& box, const QColor& colour) {
    QPainter p(&cell);
    p.setPen(QPen(colour, 1));
    const double w = box.width() * 0.7, h = box.height() * 0.7;
    const QRectF back(box.right() - w, box.top(), w, h);
    const QRectF front(box.left(), box.bottom() - h, w, h);
    p.drawRect(back.adjusted(0, 0, -1, -1));
    p.fillRect(QRectF(back.left(), back.top(), back.width(), 2), colour);
    // The front window hides the back one where they overlap.
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(front, Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawRect(front.adjusted(0, 0, -1, -1));
    p.fillRect(QRectF(front.left(), front.top(), front.width(), 2), colour);
}

void DrawMinimizeSymbol(QImage& cell, const QRectF& box, const QColor& colour) {
    QPainter p(&cell);
    p.fillRect(QRectF(box.left(), box.bottom() - 2, box.width(), 2), colour);
}

void DrawHelpSymbol(QImage& cell, const QRectF& box, const QColor& colour) {
    QPainter p(&cell);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path;
    const double cx = box.center().x(), r = box.width() * 0.3;
    path.moveTo(cx - r, box.top() + r);
    path.arcTo(QRectF(cx - r, box.top(), 2 * r, 2 * r), 180, -235);
    path.lineTo(cx, box.top() + box.height() * 0.68);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(cx, box.bottom() - 0.8), 1.0, 1.0);
}

void DrawDot(QImage& cell, const QRectF& box, const QColor& colour) {
    QPainter p(&cell);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(box);
}

void DrawGripRidges(QImage& cell, bool vertical, const QColor& light, const QColor& dark) {
    QPainter p(&cell);
    const int w = cell.width(), h = cell.height();
    for (int i = 0; i < 3; ++i) {
        const int at = 1 + i * 2 + (vertical ? (w - 6) / 2 : (h - 6) / 2) - 1;
        if (vertical) {
            p.fillRect(at, 1, 1, h - 2, dark);
            p.fillRect(at + 1, 1, 1, h - 2, light);
        } else {
            p.fillRect(1, at, w - 2, 1, dark);
            p.fillRect(1, at + 1, w - 2, 1, light);
        }
    }
}

void DrawSizeGrip(QImage& cell, const QColor& light, const QColor& dark) {
    QPainter p(&cell);
    const int n = cell.width();
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col <= row; ++col) {
            const int x = n - 3 - (row - col) * 4 - 1, y = n - 3 - col * 4 - 1;
            p.fillRect(x + 1, y + 1, 2, 2, light);
            p.fillRect(x, y, 2, 2, dark);
        }
}

} // namespace tornivex::forge
