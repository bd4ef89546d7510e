#pragma once
// Procedural textures for skin images. All noise is a fixed hash of the pixel position, so every
// build forges byte-identical images.
#include <QColor>
#include <QImage>

#include <cstdint>
#include <vector>

namespace tornivex::forge {

// Repeatable noise in -1..1 for an integer position and a seed.
double HashNoise(int x, int y, std::uint32_t seed);

struct BrushedMetalRecipe {
    QColor Base;            // the average colour
    double RowShade = 5;    // strength of the row-to-row streaks (colour steps)
    double Grain = 4;       // strength of the fine grain along each row
    int GrainLength = 14;   // how far a grain streak runs along x (pixels)
    double Sheen = 3;       // a slow wave across the tile
    std::uint32_t Seed = 1;
};

// A tile of brushed metal (streaks along x) that repeats seamlessly in both directions.
QImage BrushedMetalTile(int width, int height, const BrushedMetalRecipe& recipe);

// A tile of diagonal satin facets that repeats seamlessly; `shade` sets the contrast.
QImage SatinFacetTile(int width, int height, const QColor& base, double shade,
                      std::uint32_t seed);

// A vertical colour profile (1 pixel wide) through evenly spaced stops.
QImage ProfileColumn(int height, const std::vector<QColor>& stops);

// Converts an image whose colours lie along the ramp dark..light into 8-bit palette form with a
// 256-entry palette of that ramp (each pixel takes the nearest ramp entry by luminance).
QImage ToRampIndexed8(const QImage& image, const QColor& dark, const QColor& light);

} // namespace tornivex::forge
