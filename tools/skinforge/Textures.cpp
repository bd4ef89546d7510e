#include "Textures.h"

#include "Cells.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tornivex::forge {
namespace {

int Channel(double v) { return std::clamp(int(std::lround(v)), 0, 255); }

QRgb Shaded(const QColor& base, double delta) {
    return qRgb(Channel(base.red() + delta), Channel(base.green() + delta),
                Channel(base.blue() + delta * 1.06));
}

double Luminance(QRgb c) { return 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c); }

} // namespace

double HashNoise(int x, int y, std::uint32_t seed) {
    std::uint32_t h = std::uint32_t(x) * 0x8DA6B343u ^ std::uint32_t(y) * 0xD8163841u ^
                      seed * 0xCB1AB31Fu;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    h ^= h >> 15;
    return double(h & 0xFFFFFF) / double(0x7FFFFF) - 1.0;
}

QImage BrushedMetalTile(int width, int height, const BrushedMetalRecipe& r) {
    QImage tile(width, height, QImage::Format_RGB32);
    std::vector<double> grain(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        // Row streak: mostly its own value, a little of the neighbours (wrapping), so the
        // streaks read as brushed lines rather than as noise.
        const double row = 0.6 * HashNoise(0, y, r.Seed) +
                           0.2 * HashNoise(0, (y + 1) % height, r.Seed) +
                           0.2 * HashNoise(0, (y + height - 1) % height, r.Seed);
        // Grain: a box-filtered noise along x that wraps around the tile width.
        for (int x = 0; x < width; ++x) {
            double sum = 0;
            for (int k = 0; k < r.GrainLength; ++k)
                sum += HashNoise((x + k) % width, y, r.Seed + 7);
            grain[std::size_t(x)] = sum / std::sqrt(double(r.GrainLength));
        }
        auto* out = reinterpret_cast<QRgb*>(tile.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double wave =
                std::sin(2 * std::numbers::pi * (x / double(width) + y / double(height)));
            const double delta = r.RowShade * row + r.Grain * 0.5 * grain[std::size_t(x)] +
                                 r.Sheen * wave;
            out[x] = Shaded(r.Base, delta);
        }
    }
    return tile;
}

QImage SatinFacetTile(int width, int height, const QColor& base, double shade,
                      std::uint32_t seed) {
    QImage tile(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* out = reinterpret_cast<QRgb*>(tile.scanLine(y));
        for (int x = 0; x < width; ++x) {
            // Two diagonal waves that complete whole periods across the tile, plus fine grain.
            const double u = 2 * std::numbers::pi * (x / double(width) + y / double(height));
            const double v = 2 * std::numbers::pi * (2 * x / double(width) - y / double(height));
            const double facet = 0.55 * std::sin(u) + 0.3 * std::sin(v);
            const double grain = 0.25 * HashNoise(x, y, seed);
            out[x] = Shaded(base, shade * (facet + grain));
        }
    }
    return tile;
}

QImage ProfileColumn(int height, const std::vector<QColor>& stops) {
    QImage column(1, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        column.setPixel(0, y, Ramp(stops, height > 1 ? y / double(height - 1) : 0).rgb());
    return column;
}

QImage ToRampIndexed8(const QImage& image, const QColor& dark, const QColor& light) {
    QImage indexed(image.size(), QImage::Format_Indexed8);
    QList<QRgb> palette;
    for (int i = 0; i < 256; ++i) palette.append(Mix(dark, light, i / 255.0).rgb());
    indexed.setColorTable(palette);
    const double lo = Luminance(dark.rgb()), hi = Luminance(light.rgb());
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const double t = (Luminance(in[x]) - lo) / (hi - lo);
            out[x] = uchar(std::clamp(int(std::lround(t * 255)), 0, 255));
        }
    }
    return indexed;
}

} // namespace tornivex::forge
