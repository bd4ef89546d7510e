#include "ExtraArt.h"

#include "Cells.h"
#include "FrameArt.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace tornivex::forge {

QImage BigButtonImage(const SkinStyle& style, int cell) {
    QImage image(cell * 3, cell * 2, QImage::Format_RGB32);
    PutMaskedFrames(image, {0, 0}, ButtonFrameCells(style, cell, cell, cell / 2, {5, 3, 2, 1, 1}));
    return image;
}

QImage ShadowBorderImage(int cell, int margin, const QColor& shadow) {
    QImage image(cell * 2, cell, QImage::Format_ARGB32);
    for (int frame = 0; frame < 2; ++frame) {
        const double strength = frame == 0 ? 0.55 : 1.0; // inactive windows cast less shadow
        const double spread = frame == 0 ? 6.0 : 8.0;
        for (int y = 0; y < cell; ++y)
            for (int x = 0; x < cell; ++x) {
                // Distance outside the window rectangle inset by `margin`, offset down a little.
                const double dx = std::max({double(margin - x), double(x - (cell - 1 - margin)), 0.0});
                const double dy = std::max({double(margin + 2 - y), double(y - (cell - 1 - margin)), 0.0});
                const double d = std::hypot(dx, dy);
                const double a = shadow.alphaF() * strength * std::exp(-(d * d) / (2 * spread * spread));
                image.setPixel(frame * cell + x, y,
                               qRgba(shadow.red(), shadow.green(), shadow.blue(),
                                     std::clamp(int(std::lround(a * 255)), 0, 255)));
            }
    }
    return image;
}

QImage GlowImage(int width, int height, const QColor& colour) {
    QImage image = NewCell(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(width / 2.0, height / 2.0), std::max(width, height) / 2.0);
    g.setColorAt(0.0, WithAlpha(colour, colour.alpha()));
    g.setColorAt(0.55, WithAlpha(colour, colour.alpha() / 2));
    g.setColorAt(1.0, WithAlpha(colour, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    // Stretch the round halo to the button's proportions.
    p.scale(1.0, double(height) / width);
    p.drawEllipse(QRectF(0, 0, width, width));
    return image;
}

} // namespace tornivex::forge
