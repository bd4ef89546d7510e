#include "Gradient.h"

#include "PixelColor.h"
#include "RectOps.h"

#include <algorithm>
#include <cmath>

namespace tornivex::paint {
namespace {

// Channel values stepping from c1 to c2 in n steps, accumulated in floating point and truncated.
class ColorRamp {
public:
    ColorRamp(TColor c1, TColor c2, int steps) {
        const int from[3] = {ColorR(c1), ColorG(c1), ColorB(c1)};
        const int to[3] = {ColorR(c2), ColorG(c2), ColorB(c2)};
        for (int i = 0; i < 3; ++i) {
            value_[i] = from[i];
            step_[i] = double(to[i] - from[i]) / steps;
        }
    }
    TPixel32 Current() const {
        const auto ch = [this](int i) {
            return static_cast<std::uint8_t>(std::clamp(static_cast<int>(std::trunc(value_[i])), 0, 255));
        };
        return MakePixel32(ch(0), ch(1), ch(2), 255);
    }
    void Advance() {
        for (int i = 0; i < 3; ++i) value_[i] += step_[i];
    }

private:
    double value_[3] = {};
    double step_[3] = {};
};

void PaintVertical(TBitmap32& bmp, const TRect& r, const TsGradArray& gradient, int extra) {
    const int lastRow = r.Bottom - 1;
    int start = r.Top + extra;
    for (std::size_t i = 0; i < gradient.size(); ++i) {
        const TsGradPie& pie = gradient[i];
        int end = start + (r.Height() + extra) * pie.Percent / 100;
        if (end > lastRow || i + 1 == gradient.size()) end = lastRow;
        if (end > start) {
            ColorRamp ramp(pie.Color1, pie.Color2, end - start);
            for (int y = start; y <= end; ++y, ramp.Advance())
                if (y >= r.Top) std::fill_n(bmp.Scanline(y) + r.Left, r.Width(), ramp.Current());
        }
        start = end;
    }
}

void PaintHorizontal(TBitmap32& bmp, const TRect& r, const TsGradArray& gradient) {
    const int lastColumn = r.Right - 1;
    TPixel32* top = bmp.Scanline(r.Top);
    int start = r.Left;
    for (std::size_t i = 0; i < gradient.size(); ++i) {
        const TsGradPie& pie = gradient[i];
        int end = static_cast<int>(std::trunc(double(pie.Percent) * r.Width() / 100.0 + start));
        if (end > lastColumn || i + 1 == gradient.size()) end = lastColumn;
        if (end > start) {
            ColorRamp ramp(pie.Color1, pie.Color2, end - start);
            for (int x = start; x <= end; ++x, ramp.Advance()) top[x] = ramp.Current();
        }
        start = end;
    }
    for (int y = r.Top + 1; y < r.Bottom; ++y)
        std::copy_n(top + r.Left, r.Width(), bmp.Scanline(y) + r.Left);
}

void PaintTriangles(TBitmap32& bmp, const TRect& r, const TsGradArray& gradient) {
    const double left = r.Left, top = r.Top, right = r.Right, bottom = r.Bottom;
    const double cx = r.Left + r.Width() / 2, cy = r.Top + r.Height() / 2;
    std::array<TGradientVertex, 5> v{TGradientVertex{left, top}, TGradientVertex{cx, cy},
                                     TGradientVertex{right, top}, TGradientVertex{right, bottom},
                                     TGradientVertex{left, bottom}};
    for (std::size_t i = 0; i < v.size(); ++i)
        v[i].Color = i < gradient.size() ? gradient[i].Color1 : v[i - 1].Color;
    FillTriangleGradient(bmp, r, {v[0], v[1], v[2]});
    FillTriangleGradient(bmp, r, {v[1], v[2], v[3]});
    FillTriangleGradient(bmp, r, {v[0], v[1], v[4]});
    FillTriangleGradient(bmp, r, {v[4], v[1], v[3]});
}

}  // namespace

void FillTriangleGradient(TBitmap32& bmp, const TRect& clip,
                          const std::array<TGradientVertex, 3>& t) {
    const TRect area = Intersect(clip, BoundsOf(bmp));
    const double det = (t[1].Y - t[2].Y) * (t[0].X - t[2].X) + (t[2].X - t[1].X) * (t[0].Y - t[2].Y);
    if (area.IsEmpty() || std::abs(det) < 1e-9) return;
    const double minY = std::min({t[0].Y, t[1].Y, t[2].Y}), maxY = std::max({t[0].Y, t[1].Y, t[2].Y});
    const double minX = std::min({t[0].X, t[1].X, t[2].X}), maxX = std::max({t[0].X, t[1].X, t[2].X});
    const int y0 = std::max(area.Top, static_cast<int>(std::floor(minY))),
              y1 = std::min(area.Bottom, static_cast<int>(std::ceil(maxY)) + 1);
    const int x0 = std::max(area.Left, static_cast<int>(std::floor(minX))),
              x1 = std::min(area.Right, static_cast<int>(std::ceil(maxX)) + 1);
    constexpr double eps = 1e-9;
    for (int y = y0; y < y1; ++y) {
        TPixel32* row = bmp.Scanline(y);
        const double py = y + 0.5;
        for (int x = x0; x < x1; ++x) {
            const double px = x + 0.5;
            const double w0 = ((t[1].Y - t[2].Y) * (px - t[2].X) + (t[2].X - t[1].X) * (py - t[2].Y)) / det;
            const double w1 = ((t[2].Y - t[0].Y) * (px - t[2].X) + (t[0].X - t[2].X) * (py - t[2].Y)) / det;
            const double w2 = 1 - w0 - w1;
            if (w0 < -eps || w1 < -eps || w2 < -eps) continue;
            const auto mix = [&](int c0, int c1, int c2) {
                return static_cast<std::uint8_t>(std::clamp(static_cast<int>(w0 * c0 + w1 * c1 + w2 * c2), 0, 255));
            };
            row[x] = MakePixel32(mix(ColorR(t[0].Color), ColorR(t[1].Color), ColorR(t[2].Color)),
                                 mix(ColorG(t[0].Color), ColorG(t[1].Color), ColorG(t[2].Color)),
                                 mix(ColorB(t[0].Color), ColorB(t[1].Color), ColorB(t[2].Color)), 255);
        }
    }
}

void PaintGradient(TBitmap32& bmp, const TRect& rect, const TsGradArray& gradient, int extraLength) {
    const TRect r = Intersect(rect, BoundsOf(bmp));
    if (gradient.empty() || r.IsEmpty()) return;
    switch (gradient.front().Mode1) {
    case 1: PaintHorizontal(bmp, r, gradient); break;
    case 2: PaintTriangles(bmp, r, gradient); break;
    default: PaintVertical(bmp, r, gradient, extraLength); break;
    }
}

}  // namespace tornivex::paint
