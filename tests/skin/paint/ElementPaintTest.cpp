#include "PaintTestSupport.h"
#include "SkinFixture.h"

#include "skin/paint/BitmapPrimitives.h"
#include "skin/paint/ElementPaint.h"
#include "skin/paint/Gradient.h"
#include "skin/paint/Texture.h"
#include "skin/paint/PixelColor.h"

namespace tornivex::paint {
namespace {
using test::Traced;

constexpr TPixel32 Back = 0xFF101010u;
const TColor Grey = MakeColor(200, 200, 200);

class ElementPaintTest : public ::testing::Test {
protected:
    test::SkinFixture fx;
    TBitmap32 target{6, 6, Back};

    void Paint(int section, int state, const BackgroundSource& source = BackgroundSourceFromColor(clBlack),
               TPoint offset = {}, TRect rect = {0, 0, 6, 6}, TColor custom = clFuchsia) {
        TElementPaint options;
        options.Section = section;
        options.State = state;
        options.Rect = rect;
        options.Offset = offset;
        options.Background = source;
        options.CustomColor = custom;
        PaintElementIn(fx.Skin, target, options);
    }
};

TEST_F(ElementPaintTest, OneStateSectionPaintsEveryStateWithTheNormalSetAndFrameZero) {
    const int s = fx.AddSection(1, Grey);
    fx.Section(s).Props[1].Color = clWhite;
    fx.Section(s).BorderIndex = fx.AddTracedRow(3, 6, 6, true, 0, 2, 2, 2, 2);
    for (int state = 0; state < 4; ++state) {
        Paint(s, state);
        EXPECT_PIXEL(target, 0, 0, Traced(0, 0, 0)) << "state " << state;
        EXPECT_PIXEL(target, 3, 3, ColorToPixel(Grey));
    }
}

TEST_F(ElementPaintTest, ThreeStateSectionTakesTheHotSetForStatesAboveZero) {
    const int s = fx.AddSection(3, Grey);
    fx.Section(s).Props[1].Color = clWhite;
    fx.Section(s).BorderIndex = fx.AddTracedRow(3, 6, 6, true, 0, 2, 2, 2, 2);
    const int frames[] = {0, 1, 2, 2};
    for (int state = 0; state < 4; ++state) {
        Paint(s, state);
        EXPECT_PIXEL(target, 5, 0, Traced(frames[state], 5, 0)) << "state " << state;
        EXPECT_PIXEL(target, 3, 3, ColorToPixel(state == 0 ? Grey : clWhite));
    }
}

TEST_F(ElementPaintTest, FullTransparencyOverACacheCopiesItExactlyAtTheControlsPosition) {
    TBitmap32 parent(20, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) parent.Pixel(x, y) = Traced(1, x, y);
    const int s = fx.AddSection(1, Grey, 100);
    Paint(s, 0, BackgroundSourceFromBitmap(&parent, TPoint{3, 4}), TPoint{1, 2}, TRect{1, 1, 5, 5});
    EXPECT_PIXEL(target, 0, 0, Back);
    for (int y = 1; y < 5; ++y)
        for (int x = 1; x < 5; ++x) EXPECT_PIXEL(target, x, y, Traced(1, 3 + 1 + x, 4 + 2 + y));
}

TEST_F(ElementPaintTest, FullTransparencyOverABorderedFillCopiesOnlyTheBorderStrips) {
    TBitmap32 parent(10, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) parent.Pixel(x, y) = Traced(2, x, y);
    BackgroundQuery query;
    query.Kind = bkFill;
    query.Color = 0x0000FF;
    query.Bmp = &parent;
    query.Offset = TPoint{1, 1};  // the child lies at (1, 1) in the parent
    query.FillRect = TRect{2, 2, 2, 2};
    const int s = fx.AddSection(1, Grey, 100);
    Paint(s, 0, BackgroundSourceFromQuery(query));
    EXPECT_PIXEL(target, 0, 0, Traced(2, 1, 1));  // in the parent's left and top border
    EXPECT_PIXEL(target, 3, 0, Traced(2, 4, 1));  // top border
    EXPECT_PIXEL(target, 3, 3, 0xFFFF0000u);      // inside: the fill colour
    EXPECT_PIXEL(target, 5, 5, 0xFFFF0000u);      // parent (6, 6) is still inside
}

TEST_F(ElementPaintTest, HalfTransparencyOverAPlainColourGivesTheHalfWayColour) {
    const int s = fx.AddSection(1, clWhite, 50);
    Paint(s, 0, BackgroundSourceFromColor(clBlack));
    EXPECT_PIXEL(target, 2, 2, 0xFF7F7F7Fu);  // trunc(255 * .5)
}

TEST_F(ElementPaintTest, PartialTransparencyOverABitmapBlendsTheOwnLookOverIt) {
    const TBitmap32 parent(10, 10, 0xFF000000u);
    const int s = fx.AddSection(1, clWhite, 50);
    Paint(s, 0, BackgroundSourceFromBitmap(&parent, TPoint{}));
    // Own white over black with transparency round(50 * 2.55) = 127: (255 * 256 - 255 * 127) / 256.
    EXPECT_PIXEL(target, 1, 1, 0xFF808080u);
}

TEST_F(ElementPaintTest, ImageAndGradientSharesMixTextureOverGradient) {
    const int s = fx.AddSection(1, clBlack);
    TsGenState& p = fx.Section(s).Props[0];
    p.ImagePercent = 50;
    p.GradientPercent = 50;
    p.GradientArray = {TsGradPie{MakeColor(100, 100, 100), MakeColor(100, 100, 100), 100, 0, 0}};
    p.TextureIndex = fx.AddTracedRow(1, 2, 2, false, 0, 0, 0, 0, 0);
    Paint(s, 0);
    // gradient + (texture - gradient) * t / 256 with t = 50 * 255 div 100 = 127, per channel
    const auto mix = [](int texture) { return (100 * 256 + (texture - 100) * 127) / 256; };
    EXPECT_PIXEL(target, 3, 2, MakePixel32(static_cast<std::uint8_t>(mix(0)), static_cast<std::uint8_t>(mix(1)),
                                           static_cast<std::uint8_t>(mix(0)), 255));
}

TEST_F(ElementPaintTest, SharesBelowHundredLetTheColourTakeTheRest) {
    const int s = fx.AddSection(1, clWhite);
    TsGenState& p = fx.Section(s).Props[0];
    p.GradientPercent = 60;
    p.GradientArray = {TsGradPie{clBlack, clBlack, 100, 0, 0}};
    Paint(s, 0);
    EXPECT_PIXEL(target, 0, 5, 0xFF666666u);  // round(0 * .6 + 255 * .4) = 102
}

TEST_F(ElementPaintTest, ImageShareWithoutAValidTextureFillsWithTheColour) {
    const int s = fx.AddSection(1, Grey);
    fx.Section(s).Props[0].ImagePercent = 100;
    fx.Section(s).Props[0].TextureIndex = 42;
    Paint(s, 0);
    EXPECT_PIXEL(target, 4, 4, ColorToPixel(Grey));
}

TEST_F(ElementPaintTest, MaskedTextureShowsTheSectionColourNotTheOldPixels) {
    const int s = fx.AddSection(1, MakeColor(0, 0, 200));
    fx.Section(s).Props[0].ImagePercent = 100;
    fx.Section(s).Props[0].TextureIndex = fx.AddTracedRow(1, 2, 2, true, 0, 0, 0, 0, 0, 0xFFFFFFFFu);
    Paint(s, 0);
    // Mask 255 keeps what lies beneath: (s * 256 + (200 - s) * 255) div 256 with s = 0.
    EXPECT_PIXEL(target, 0, 0, 0xFF0000C7u);
}

TEST_F(ElementPaintTest, CustomColourReplacesTheSectionsLook) {
    const int s = fx.AddSection(1, Grey, 100);
    Paint(s, 0, BackgroundSourceFromColor(clBlack), TPoint{}, TRect{0, 0, 6, 6}, MakeColor(1, 2, 3));
    EXPECT_PIXEL(target, 2, 2, 0xFF010203u);
}

TEST_F(ElementPaintTest, RectanglesOutsideTheTargetAndInvalidSectionsPaintNothing) {
    const int s = fx.AddSection(1, Grey);
    Paint(s, 0, BackgroundSourceFromColor(clBlack), TPoint{}, TRect{-1, 0, 3, 3});
    Paint(s, 0, BackgroundSourceFromColor(clBlack), TPoint{}, TRect{4, 4, 7, 6});
    Paint(7, 0);
    Paint(-1, 0);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) ASSERT_EQ(target.Pixel(x, y), Back);
}

TEST_F(ElementPaintTest, CornerImagesSitInTheirCornersWithTheStatesFrame) {
    const int s = fx.AddSection(2, Grey);
    fx.Section(s).ImgBR = fx.AddTracedRow(2, 2, 2, false, 0, 0, 0, 0, 0);
    Paint(s, 1);
    EXPECT_PIXEL(target, 4, 4, Traced(1, 0, 0));
    EXPECT_PIXEL(target, 5, 5, Traced(1, 1, 1));
    EXPECT_PIXEL(target, 3, 3, ColorToPixel(Grey));
}

}  // namespace
}  // namespace tornivex::paint

namespace tornivex::paint {
namespace {

// The one-pass texture + gradient path must give exactly what the two steps give.
class OnePassTest : public ::testing::TestWithParam<int> {};

TEST_P(OnePassTest, TiledTextureOverGradientEqualsTheTwoStepResult) {
    test::SkinFixture fx;
    const int s = fx.AddSection(1, clBlack);
    TsGenState& p = fx.Section(s).Props[0];
    p.ImagePercent = 40;
    p.GradientPercent = 60;
    p.GradientArray = {TsGradPie{MakeColor(10, 200, 30), MakeColor(250, 0, 90), 60, GetParam(), 0},
                       TsGradPie{MakeColor(0, 0, 0), MakeColor(255, 255, 255), 40, GetParam(), 0}};
    p.TextureIndex = fx.AddTracedRow(1, 3, 2, false, 0, 0, 0, 0, 0);
    const TRect rect{1, 1, 12, 10};
    TBitmap32 painted(13, 11, 0xFF101010u);
    TElementPaint options;
    options.Section = s;
    options.Rect = rect;
    options.Background = BackgroundSourceFromColor(clBlack);
    PaintElementIn(fx.Skin, painted, options);

    TBitmap32 expected(13, 11, 0xFF101010u);
    TRect area = rect;
    PaintTextureFrom(*fx.Row(p.TextureIndex).Bmp, expected, area, fx.Row(p.TextureIndex), 0);
    TBitmap32 gradient(rect.Width(), rect.Height());
    PaintGradient(gradient, TRect{0, 0, rect.Width(), rect.Height()}, p.GradientArray);
    BlendBitmapOver(expected, gradient, 40 * 255 / 100, TPoint{rect.Left, rect.Top});
    EXPECT_TRUE(test::SameBitmap(painted, expected));
}

INSTANTIATE_TEST_SUITE_P(VerticalAndHorizontal, OnePassTest, ::testing::Values(0, 1));

}  // namespace
}  // namespace tornivex::paint
