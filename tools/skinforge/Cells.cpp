#include "Cells.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <deque>

namespace tornivex::forge {

FrameShape::FrameShape(int width, int height, std::vector<int> cuts, OpenSides open)
    : width_(width), height_(height), cuts_(std::move(cuts)), open_(open),
      depth_(std::size_t(width) * height, 0) {
    // Breadth-first distance from the outside; closed cell edges border the outside.
    std::deque<QPoint> queue;
    constexpr int unknown = -1;
    std::fill(depth_.begin(), depth_.end(), unknown);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            int& d = depth_[std::size_t(y) * width_ + x];
            if (Outside(x, y)) {
                d = 0;
                continue;
            }
            const bool onClosedEdge = (x == 0 && !open_.Left) || (y == 0 && !open_.Top) ||
                                      (x == width_ - 1 && !open_.Right) ||
                                      (y == height_ - 1 && !open_.Bottom);
            if (onClosedEdge) {
                d = 1;
                queue.emplace_back(x, y);
            }
        }
    }
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            if (depth_[std::size_t(y) * width_ + x] == 0) {
                const QPoint n[4] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
                for (const QPoint& p : n) {
                    if (p.x() < 0 || p.y() < 0 || p.x() >= width_ || p.y() >= height_) continue;
                    int& d = depth_[std::size_t(p.y()) * width_ + p.x()];
                    if (d == unknown) {
                        d = 1;
                        queue.push_back(p);
                    }
                }
            }
    while (!queue.empty()) {
        const QPoint p = queue.front();
        queue.pop_front();
        const int next = depth_[std::size_t(p.y()) * width_ + p.x()] + 1;
        const QPoint n[4] = {{p.x() - 1, p.y()}, {p.x() + 1, p.y()}, {p.x(), p.y() - 1},
                             {p.x(), p.y() + 1}};
        for (const QPoint& q : n) {
            if (q.x() < 0 || q.y() < 0 || q.x() >= width_ || q.y() >= height_) continue;
            int& d = depth_[std::size_t(q.y()) * width_ + q.x()];
            if (d == unknown) {
                d = next;
                queue.push_back(q);
            }
        }
    }
    // A shape without any closed edge has no rim; count it as deep inside.
    for (int& d : depth_)
        if (d == unknown) d = 99;
}

bool FrameShape::Outside(int x, int y) const {
    auto cutAt = [this](int row) { return row < int(cuts_.size()) ? cuts_[row] : 0; };
    const int fromTop = y, fromBottom = height_ - 1 - y;
    const int fromLeft = x, fromRight = width_ - 1 - x;
    if (!open_.Top && !open_.Left && fromLeft < cutAt(fromTop)) return true;
    if (!open_.Top && !open_.Right && fromRight < cutAt(fromTop)) return true;
    if (!open_.Bottom && !open_.Left && fromLeft < cutAt(fromBottom)) return true;
    if (!open_.Bottom && !open_.Right && fromRight < cutAt(fromBottom)) return true;
    return false;
}

QImage FrameShape::Paint(const std::function<QColor(int, int, int)>& colourAt) const {
    QImage cell = NewCell(width_, height_);
    for (int y = 0; y < height_; ++y) {
        auto* row = reinterpret_cast<QRgb*>(cell.scanLine(y));
        for (int x = 0; x < width_; ++x)
            row[x] = Outside(x, y) ? KeyArgb : colourAt(x, y, Depth(x, y)).rgba();
    }
    return cell;
}

QImage NewCell(int width, int height) {
    QImage cell(width, height, QImage::Format_ARGB32);
    cell.fill(Qt::transparent);
    return cell;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    auto lerp = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

QColor WithAlpha(const QColor& c, int alpha) {
    QColor out = c;
    out.setAlpha(std::clamp(alpha, 0, 255));
    return out;
}

QColor Over(const QColor& top, const QColor& bottom) {
    QColor opaqueTop = top;
    opaqueTop.setAlpha(255);
    QColor out = Mix(bottom, opaqueTop, top.alpha() / 255.0);
    out.setAlpha(255);
    return out;
}

QColor Ramp(const std::vector<QColor>& stops, double t) {
    if (stops.size() == 1) return stops.front();
    const double pos = std::clamp(t, 0.0, 1.0) * double(stops.size() - 1);
    const auto i = std::min(std::size_t(pos), stops.size() - 2);
    return Mix(stops[i], stops[i + 1], pos - double(i));
}

void PutMaskedFrames(QImage& sheet, QPoint origin, const std::vector<QImage>& frames) {
    int x0 = origin.x();
    for (const QImage& frame : frames) {
        for (int y = 0; y < frame.height(); ++y) {
            const auto* src = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            auto* image = reinterpret_cast<QRgb*>(sheet.scanLine(origin.y() + y)) + x0;
            auto* mask =
                reinterpret_cast<QRgb*>(sheet.scanLine(origin.y() + frame.height() + y)) + x0;
            for (int x = 0; x < frame.width(); ++x) {
                if (src[x] == KeyArgb) {
                    image[x] = qRgb(255, 0, 255);
                    mask[x] = qRgb(255, 255, 255);
                    continue;
                }
                const int a = qAlpha(src[x]);
                // A fully transparent pixel still needs a plain (non-key) colour: in corner
                // areas key pixels would punch holes through to the parent.
                image[x] = a == 0 ? qRgb(128, 128, 128) : (src[x] | 0xFF000000u);
                const int m = 255 - a;
                mask[x] = qRgb(m, m, m);
            }
        }
        x0 += frame.width();
    }
}

void PutKeyedFrames(QImage& sheet, QPoint origin, const std::vector<QImage>& frames,
                    const QColor& under) {
    int x0 = origin.x();
    for (const QImage& frame : frames) {
        for (int y = 0; y < frame.height(); ++y) {
            const auto* src = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
            auto* out = reinterpret_cast<QRgb*>(sheet.scanLine(origin.y() + y)) + x0;
            for (int x = 0; x < frame.width(); ++x) {
                const int a = qAlpha(src[x]);
                if (src[x] == KeyArgb || a == 0)
                    out[x] = qRgb(255, 0, 255);
                else
                    out[x] = Over(QColor::fromRgba(src[x]), under).rgb();
            }
        }
        x0 += frame.width();
    }
}

void PutOpaque(QImage& sheet, QPoint origin, const QImage& image) {
    QPainter p(&sheet);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(origin, image);
}

} // namespace tornivex::forge
