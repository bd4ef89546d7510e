// Shapes, textures and whole skins of the forge: cut corners, seamless tiles, repeatable output.
#include "Cells.h"
#include "ForgedSkin.h"
#include "Textures.h"

#include <gtest/gtest.h>

namespace tornivex::forge {
namespace {

TEST(FrameShape, CutsEveryClosedCornerAndMeasuresDepth) {
    const FrameShape shape(8, 7, {3, 1});
    EXPECT_TRUE(shape.Outside(2, 0));
    EXPECT_FALSE(shape.Outside(3, 0));
    EXPECT_TRUE(shape.Outside(0, 1));
    EXPECT_FALSE(shape.Outside(1, 1));
    EXPECT_TRUE(shape.Outside(7 - 2, 0)); // top-right
    EXPECT_TRUE(shape.Outside(0, 6));     // bottom-left
    EXPECT_TRUE(shape.Outside(7, 5));     // bottom-right, second row
    EXPECT_EQ(shape.Depth(3, 0), 1);      // rim along the top edge
    EXPECT_EQ(shape.Depth(1, 1), 1);      // rim next to the cut
    EXPECT_EQ(shape.Depth(3, 3), 4); // four rows and columns from every edge
}

TEST(FrameShape, OpenSidesHaveNoRimAndNoCut) {
    OpenSides open;
    open.Bottom = true;
    const FrameShape tab(6, 6, {2}, open);
    EXPECT_TRUE(tab.Outside(0, 0));
    EXPECT_FALSE(tab.Outside(0, 5));
    EXPECT_EQ(tab.Depth(2, 5), 3); // bottom row continues into the page
}

TEST(FrameShape, PaintMarksOutsidePixelsWithTheKeyColour) {
    const QImage cell = FrameShape(4, 4, {1}).Paint([](int, int, int) { return QColor(1, 2, 3); });
    EXPECT_EQ(cell.pixel(0, 0), KeyArgb);
    EXPECT_EQ(cell.pixel(1, 1), qRgb(1, 2, 3));
}

TEST(Textures, BrushedMetalWrapsAroundTheTileWidth) {
    BrushedMetalRecipe r;
    r.Base = QColor(190, 195, 203);
    const QImage tile = BrushedMetalTile(60, 20, r);
    // The grain is periodic: the step across the seam is no larger than the steps inside.
    for (int y = 0; y < tile.height(); ++y) {
        int largest = 0;
        for (int x = 1; x < tile.width(); ++x)
            largest = std::max(largest, std::abs(qRed(tile.pixel(x, y)) - qRed(tile.pixel(x - 1, y))));
        EXPECT_LE(std::abs(qRed(tile.pixel(0, y)) - qRed(tile.pixel(59, y))), largest + 1) << y;
    }
}

TEST(Textures, RampPaletteMapsTheEndsOfTheRamp) {
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(10, 10, 10));
    image.setPixel(1, 0, qRgb(250, 250, 250));
    const QImage indexed = ToRampIndexed8(image, QColor(10, 10, 10), QColor(250, 250, 250));
    EXPECT_EQ(indexed.colorCount(), 256);
    EXPECT_EQ(indexed.pixelIndex(0, 0), 0);
    EXPECT_EQ(indexed.pixelIndex(1, 0), 255);
}

// Builds must be repeatable: the same sources forge the same bytes.
TEST(ForgedSkins, AreByteIdenticalFromRunToRun) {
    for (auto forge : {&ForgeAluminium, &ForgeTopaz}) {
        const ForgedSkin a = forge(), b = forge();
        ASSERT_EQ(a.Images.size(), b.Images.size());
        for (std::size_t i = 0; i < a.Images.size(); ++i)
            EXPECT_EQ(a.Images[i].Bytes, b.Images[i].Bytes) << qPrintable(a.Images[i].Name);
    }
}

} // namespace
} // namespace tornivex::forge
