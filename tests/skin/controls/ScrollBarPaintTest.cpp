// Pixels of a skinned scroll bar, part by part and state by state, against sections with plain
// colours so that every pixel can be named by hand.
#include "ScrollBarPaint.h"

#include "PaintTestSupport.h"
#include "SkinFixture.h"

#include "skin/paint/PixelColor.h"

#include <gtest/gtest.h>

namespace tornivex {
namespace {

using paint::ColorToPixel;
using paint::test::SkinFixture;

constexpr TColor kTrack1 = 0x101010, kTrack1Pressed = 0x111111;
constexpr TColor kTrack2 = 0x202020, kTrack2Pressed = 0x222222;
constexpr TColor kArrow1 = 0x303030, kArrow1Hot = 0x333333;
constexpr TColor kArrow2 = 0x404040, kArrow2Hot = 0x444444;
constexpr TColor kThumb = 0x505050, kThumbHot = 0x555555;
constexpr TColor kGlyphColor = 0x0000C0, kGlyphHot = 0x00C000;
constexpr TColor kUnder = 0xC0C0C0;

class ScrollBarPaint : public ::testing::Test {
protected:
    ScrollBarPaint() {
        const auto section = [&](TColor normal, TColor hot, TacConstElementData& slot) {
            const int index = fixture.AddSection(3, normal);
            fixture.Section(index).Props[1].Color = hot;
            fixture.Section(index).Props[0].FontColor.Color = kGlyphColor;
            fixture.Section(index).Props[1].FontColor.Color = kGlyphHot;
            slot.SkinIndex = index;
        };
        TConstantSkinData& c = fixture.Skin.ConstData;
        section(kTrack1, kTrack1Pressed, c.Scrolls[asTop]);
        section(kTrack2, kTrack2Pressed, c.Scrolls[asBottom]);
        section(kArrow1, kArrow1Hot, c.ScrollBtns[asTop]);
        section(kArrow2, kArrow2Hot, c.ScrollBtns[asBottom]);
        section(kThumb, kThumbHot, c.Sliders[1]);
        look.Background = paint::BackgroundSourceFromColor(kUnder);
        look.ParentColor = kUnder;
        // 17 x 63 over 27 lines, 4 visible, at line 11: thumb 23..39, split at 31.
        look.Layout = LayoutScrollBar(sbVert, 17, 63, TScrollInfo{0, 26, 4, 11, 11}, TScrollBarMetrics{17, 17, 16});
    }

    TBitmap32 Paint() {
        TBitmap32 bmp(17, 63, 0xFFABCDEF);
        EXPECT_TRUE(PaintScrollBar(fixture.Skin, bmp, look));
        return bmp;
    }
    static TPixel32 Px(TColor c) { return ColorToPixel(c); }

    SkinFixture fixture;
    TScrollBarLook look;
};

TEST_F(ScrollBarPaint, NormalStateShowsEachPartInItsSection) {
    const TBitmap32 bmp = Paint();
    EXPECT_PIXEL(bmp, 0, 0, Px(kArrow1));
    EXPECT_PIXEL(bmp, 16, 16, Px(kArrow1));
    EXPECT_PIXEL(bmp, 0, 17, Px(kTrack1));
    EXPECT_PIXEL(bmp, 16, 22, Px(kTrack1));
    EXPECT_PIXEL(bmp, 0, 23, Px(kThumb));
    EXPECT_PIXEL(bmp, 16, 38, Px(kThumb));
    EXPECT_PIXEL(bmp, 0, 39, Px(kTrack2));
    EXPECT_PIXEL(bmp, 16, 45, Px(kTrack2));
    EXPECT_PIXEL(bmp, 0, 46, Px(kArrow2));
    EXPECT_PIXEL(bmp, 16, 62, Px(kArrow2));
    // Without glyph images the arrows get small triangles in the font colour: the up arrow's
    // point at the top, one pixel higher than the centre; the down arrow's point at the bottom.
    EXPECT_PIXEL(bmp, 8, 5, Px(kGlyphColor));
    EXPECT_PIXEL(bmp, 7, 5, Px(kArrow1));
    EXPECT_PIXEL(bmp, 5, 8, Px(kGlyphColor));
    EXPECT_PIXEL(bmp, 11, 8, Px(kGlyphColor));
    EXPECT_PIXEL(bmp, 4, 8, Px(kArrow1));
    EXPECT_PIXEL(bmp, 5, 52, Px(kGlyphColor));
    EXPECT_PIXEL(bmp, 11, 52, Px(kGlyphColor));
    EXPECT_PIXEL(bmp, 8, 55, Px(kGlyphColor));
    EXPECT_PIXEL(bmp, 8, 56, Px(kArrow2));
}

TEST_F(ScrollBarPaint, HotAndPressedPartsUseTheirStates) {
    look.States[spThumb] = 1;
    look.States[spLineUp] = 1;
    look.States[spLineDown] = 2;
    look.States[spPageUp] = 2;
    const TBitmap32 bmp = Paint();
    EXPECT_PIXEL(bmp, 0, 30, Px(kThumbHot));
    EXPECT_PIXEL(bmp, 0, 0, Px(kArrow1Hot));
    EXPECT_PIXEL(bmp, 8, 5, Px(kGlyphHot));
    EXPECT_PIXEL(bmp, 0, 20, Px(kTrack1Pressed));
    EXPECT_PIXEL(bmp, 0, 40, Px(kTrack2));  // the other track half is not held
    // The held down arrow: its triangle moved one pixel right and down.
    EXPECT_PIXEL(bmp, 0, 60, Px(kArrow2Hot));
    EXPECT_PIXEL(bmp, 5, 53, Px(kArrow2Hot));
    EXPECT_PIXEL(bmp, 6, 53, Px(kGlyphHot));
    EXPECT_PIXEL(bmp, 12, 53, Px(kGlyphHot));
    EXPECT_PIXEL(bmp, 9, 56, Px(kGlyphHot));

    look.ShiftContentOnClick = false;
    const TBitmap32 still = Paint();
    EXPECT_PIXEL(still, 5, 52, Px(kGlyphHot));
    EXPECT_PIXEL(still, 12, 53, Px(kArrow2Hot));
}

TEST_F(ScrollBarPaint, GlyphImagesAreCentredAndFollowTheState) {
    // Three 5 x 5 frames with an opaque mask half: frame k shows pixels traced with k.
    const int glyph = fixture.AddTracedRow(3, 5, 5, true, 0, 0, 0, 0, 0, 0xFF000000u);
    fixture.Skin.ConstData.ScrollBtns[asTop].GlyphIndex = glyph;
    look.States[spLineUp] = 1;
    const TBitmap32 bmp = Paint();
    EXPECT_PIXEL(bmp, 6, 6, paint::test::Traced(1, 0, 0) | 0xFF000000u);
    EXPECT_PIXEL(bmp, 10, 10, paint::test::Traced(1, 4, 4) | 0xFF000000u);
    EXPECT_PIXEL(bmp, 5, 6, Px(kArrow1Hot));
    EXPECT_PIXEL(bmp, 8, 5, Px(kArrow1Hot));  // no triangle besides the glyph
}

TEST_F(ScrollBarPaint, ADisabledBarHasNoThumbAndIsBlendedWithTheBackground) {
    look.Enabled = false;
    const TBitmap32 bmp = Paint();
    // 40 percent of the part's colour, 60 of the colour beneath: 0x10 * 0.4 + 0xC0 * 0.6 = 0x7A.
    EXPECT_PIXEL(bmp, 0, 20, 0xFF7A7A7A);
    EXPECT_PIXEL(bmp, 0, 30, 0xFF7A7A7A);  // where the thumb would be: the first track
    EXPECT_PIXEL(bmp, 0, 40, 0xFF808080);  // 0x20 * 0.4 + 0xC0 * 0.6
}

TEST_F(ScrollBarPaint, HalfArrowsWithoutTrackOrThumb) {
    look.Layout = LayoutScrollBar(sbVert, 17, 20, TScrollInfo{0, 26, 4, 11, 11}, TScrollBarMetrics{17, 17, 16});
    TBitmap32 bmp(17, 20);
    ASSERT_TRUE(PaintScrollBar(fixture.Skin, bmp, look));
    for (int y = 0; y < 10; ++y) EXPECT_NE(bmp.Pixel(0, y), Px(kTrack1)) << y;
    EXPECT_PIXEL(bmp, 0, 0, Px(kArrow1));
    EXPECT_PIXEL(bmp, 0, 9, Px(kArrow1));
    EXPECT_PIXEL(bmp, 0, 10, Px(kArrow2));
    EXPECT_PIXEL(bmp, 0, 19, Px(kArrow2));
}

TEST_F(ScrollBarPaint, HorizontalBarsUseTheirOwnSectionsAndABarWithoutTrackSectionIsSkipped) {
    look.Layout = LayoutScrollBar(sbHorz, 63, 17, TScrollInfo{0, 26, 4, 11, 11}, TScrollBarMetrics{17, 17, 16});
    TBitmap32 bmp(63, 17, 0xFFABCDEF);
    EXPECT_FALSE(PaintScrollBar(fixture.Skin, bmp, look));  // no "SCROLLBAR1H" in this skin
    EXPECT_PIXEL(bmp, 30, 8, 0xFFABCDEF);

    TConstantSkinData& c = fixture.Skin.ConstData;
    c.Scrolls[asLeft] = c.Scrolls[asTop];
    c.ScrollBtns[asLeft] = c.ScrollBtns[asTop];
    c.ScrollBtns[asRight] = c.ScrollBtns[asBottom];
    c.Sliders[0] = c.Sliders[1];
    ASSERT_TRUE(PaintScrollBar(fixture.Skin, bmp, look));
    EXPECT_PIXEL(bmp, 0, 0, Px(kArrow1));
    EXPECT_PIXEL(bmp, 20, 0, Px(kTrack1));
    EXPECT_PIXEL(bmp, 30, 0, Px(kThumb));
    EXPECT_PIXEL(bmp, 40, 0, Px(kTrack1));  // no second track section: the first one again
    EXPECT_PIXEL(bmp, 62, 16, Px(kArrow2));
    // The left arrow's triangle points left (and sits one pixel high, as the up arrow's does).
    EXPECT_PIXEL(bmp, 6, 7, Px(kGlyphColor));
    EXPECT_PIXEL(bmp, 5, 7, Px(kArrow1));
    EXPECT_PIXEL(bmp, 9, 4, Px(kGlyphColor));
    EXPECT_PIXEL(bmp, 9, 10, Px(kGlyphColor));
    EXPECT_PIXEL(bmp, 6, 6, Px(kArrow1));
}

}  // namespace
}  // namespace tornivex
