#include <gtest/gtest.h>

#include "ImageNotation.h"
#include "SkinError.h"

namespace tornivex {
namespace {

TEST(ImageNotation, GlyphExample) {
    const TImageNotation n = ParseImageNotation("@0217@0000@0262@0030@3@1", "[GLOBALINFO] BOXCHECKED");
    EXPECT_EQ(n.Kind, TNotationKind::Glyph);
    EXPECT_EQ(n.R, (TRect{217, 0, 262, 30}));
    EXPECT_EQ(n.ImageCount, 3);
    EXPECT_EQ(n.MaskType, 1);
    EXPECT_EQ(n.ImgType, itisaGlyph);
}

TEST(ImageNotation, BordersExample) {
    const TImageNotation n =
        ParseImageNotation("^0152^0030^0206^0056^0008^0008^0009^0004^3^1^1^1", "[BUTTON] BORDERSMASK");
    EXPECT_EQ(n.Kind, TNotationKind::Borders);
    EXPECT_EQ(n.R, (TRect{152, 30, 206, 56}));
    EXPECT_EQ((std::array{n.WL, n.WT, n.WR, n.WB}), (std::array{8, 8, 9, 4}));
    EXPECT_EQ(n.ImageCount, 3);
    EXPECT_EQ(n.MaskType, 1);
    EXPECT_EQ(n.DrawMode, 1);
    EXPECT_EQ(n.BorderWidth, 1);
}

TEST(ImageNotation, TextureExamplesWithAndWithoutFile) {
    TImageNotation n = ParseImageNotation("~0147~0010~0148~0056~01~0", "[BUTTON] PATTERN");
    EXPECT_EQ(n.Kind, TNotationKind::Texture);
    EXPECT_EQ(n.R, (TRect{147, 10, 148, 56}));
    EXPECT_EQ(n.DrawMode, 1);
    EXPECT_EQ(n.MaskType, 0);
    EXPECT_EQ(n.ImgType, itisaTexture);
    EXPECT_TRUE(n.FileName.isEmpty());
    n = ParseImageNotation("~0000~0110~0222~0190~00", "[FORM] PATTERN"); // shorter than 25
    EXPECT_EQ(n.MaskType, 0);
    n = ParseImageNotation("~0000~0000~0010~0010~02~0~BG.BMP", "[FORM] PATTERN");
    EXPECT_EQ(n.FileName, "BG.BMP");
    EXPECT_EQ(n.DrawMode, 2);
}

TEST(ImageNotation, ExternalImageFieldsAreLenient) {
    TImageNotation n = ParseImageNotation("!XB.PNG!2!0!3!0026!0026!0026!0026!1", "[GLOBALINFO] EXBORDER");
    EXPECT_EQ(n.Kind, TNotationKind::External);
    EXPECT_EQ(n.FileName, "XB.PNG");
    EXPECT_EQ(n.ImageCount, 2);
    EXPECT_EQ(n.ImgType, itisaGlow);
    EXPECT_EQ((std::array{n.WL, n.WT, n.WR, n.WB}), (std::array{26, 26, 26, 26}));
    EXPECT_EQ(n.DrawMode, 1);
    EXPECT_TRUE(n.WidthsGiven);
    n = ParseImageNotation("!!A.PNG!!X!1!9", "[S] K"); // empty fields skipped; bad count = 0
    EXPECT_EQ(n.FileName, "A.PNG");
    EXPECT_EQ(n.ImageCount, 0);
    EXPECT_EQ(n.MaskType, 1);
    EXPECT_EQ(n.ImgType, itisaPngGlyph); // above 4 counts as 4
    EXPECT_FALSE(n.WidthsGiven);
}

TEST(ImageNotation, PlainFilesAndValuesThatAreNoImage) {
    EXPECT_EQ(ParseImageNotation("BACK.JPG", "[S] K").Kind, TNotationKind::PlainFile);
    EXPECT_EQ(ParseImageNotation("BACK.BMP", "[S] K").FileName, "BACK.BMP");
    EXPECT_EQ(ParseImageNotation("BACK.PNG", "[S] K").Kind, TNotationKind::None);
    EXPECT_EQ(ParseImageNotation("N/A", "[S] K").Kind, TNotationKind::None);
    EXPECT_EQ(ParseImageNotation("16773594", "[S] K").Kind, TNotationKind::None);
    EXPECT_EQ(ParseImageNotation("", "[S] K").Kind, TNotationKind::None);
}

TEST(ImageNotation, BadFixedWidthNumberNamesSectionAndKey) {
    try {
        ParseImageNotation("^0152^0030^02X6^0056^0008^0008^0009^0004^3^1^1^1", "[BUTTON] BORDERSMASK");
        FAIL();
    } catch (const ESkinError& e) {
        EXPECT_EQ(e.Message(), "Invalid number \"02X6\" at position 12 of [BUTTON] "
                               "BORDERSMASK=^0152^0030^02X6^0056^0008^0008^0009^0004^3^1^1^1");
    }
    EXPECT_THROW(ParseImageNotation("@0217@0000@0262", "[S] K"), ESkinError); // too short
    EXPECT_THROW(ParseImageNotation("~0000~0110~0222~0190~0X", "[S] K"), ESkinError);
}

TEST(ImageNotation, DefaultBorderWidthsAreAThirdOfACell) {
    TsMaskData md;
    md.R = TRect{0, 0, 60, 20};
    md.ImageCount = 3;
    md.MaskType = 1;
    ComputeDefaultBorderWidths(md);
    EXPECT_EQ((std::array{md.WL, md.WT, md.WR, md.WB}), (std::array<std::int16_t, 4>{6, 3, 6, 3}));
    md.ImageCount = 0; // would divide by zero
    ComputeDefaultBorderWidths(md);
    EXPECT_EQ(md.WL, 20);
}

TEST(Gradient, SegmentsPercentClampAndErrors) {
    const TsGradArray g = ParseGradient(
        "5124104;13143628;51;1;0;13143628;5124104;46;1;0;5124104;5124104;0;1;0", "[BUTTON] GRADIENTDATA");
    ASSERT_EQ(g.size(), 3u);
    EXPECT_EQ(g[0], (TsGradPie{5124104, 13143628, 51, 1, 0}));
    EXPECT_EQ(g[1].Percent, 46);
    EXPECT_EQ(ParseGradient("1;2;150;0;0;3;4;-5;0;0", "[S] K")[0].Percent, 100);
    EXPECT_EQ(ParseGradient("1;2;150;0;0;3;4;-5;0;0", "[S] K")[1].Percent, 0);
    EXPECT_EQ(ParseGradient("-16777201;1;50;0;0", "[S] K")[0].Color1, ColorToRGB(SystemColor(COLOR_BTNFACE)));
    EXPECT_TRUE(ParseGradient(" ", "[S] K").empty());
    EXPECT_TRUE(ParseGradient("N/A", "[S] K").empty());
    EXPECT_EQ(ParseGradient("1;2;3;4;5;6;7", "[S] K").size(), 1u); // the remainder is ignored
    try {
        ParseGradient("1;2;x;4;5", "[BUTTON] HOTGRADIENTDATA");
        FAIL();
    } catch (const ESkinError& e) {
        EXPECT_TRUE(e.Message().contains("[BUTTON] HOTGRADIENTDATA")) << e.what();
    }
}

} // namespace
} // namespace tornivex
