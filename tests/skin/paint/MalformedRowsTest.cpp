// Image rows from a broken skin (rectangles outside their image, zero or huge frame counts,
// margins wider than the frame) must paint nothing wrong and never read or write out of bounds.
// Run under the sanitizer build to catch the reads and writes themselves.
#include "PaintTestSupport.h"
#include "SkinFixture.h"

#include "skin/paint/BorderMask.h"
#include "skin/paint/CornerImage.h"
#include "skin/paint/ElementPaint.h"
#include "skin/paint/Texture.h"

#include <random>

namespace tornivex::paint {
namespace {

TEST(MalformedRows, RandomRowsAndRectanglesStayInsideEveryBitmap) {
    test::SkinFixture fx;
    std::mt19937 random(20261209);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    const int section = fx.AddSection(3, clWhite);
    for (int round = 0; round < 400; ++round) {
        const int row = fx.AddTracedRow(pick(1, 3), pick(1, 9), pick(1, 9), pick(0, 1) == 1, pick(0, 15),
                                        pick(0, 12), pick(0, 12), pick(0, 12), pick(0, 12));
        TsMaskData& md = fx.Row(row);
        md.R = TRect{pick(-20, 30), pick(-20, 30), pick(-20, 40), pick(-20, 40)};
        md.ImageCount = static_cast<std::int16_t>(pick(-2, 9));
        md.MaskType = static_cast<std::int16_t>(pick(-1, 3));
        md.CornerType = pick(0, 2);
        const TBitmap32 parent(pick(0, 12), pick(0, 12), 0xFF202020u);
        const BackgroundSource source = BackgroundSourceFromBitmap(&parent, TPoint{pick(-9, 9), pick(-9, 9)});
        TBitmap32 target(pick(1, 24), pick(1, 24), 0xFF000000u);
        const TRect rect{pick(-8, 20), pick(-8, 20), pick(-8, 30), pick(-8, 30)};
        const int state = pick(-1, 5);

        DrawBorderMask(target, rect, source, true, state, md);
        TRect area = rect;
        PaintTexture(target, area, md, pick(-1, 13), source);
        DrawCornerImage(target, TPoint{pick(-9, 20), pick(-9, 20)}, state, source, md, pick(0, 1));
        RedrawBorderCorners(target, rect, source, state, md, crAllCorners);

        TsGeneralData& s = fx.Section(section);
        s.BorderIndex = row;
        s.ImgBR = pick(-1, 1) == 1 ? row : -1;
        s.Props[0].ImagePercent = pick(0, 100);
        s.Props[0].GradientPercent = pick(0, 100);
        s.Props[0].Transparency = pick(0, 100);
        s.Props[0].TextureIndex = row;
        s.Props[0].GradientArray = {TsGradPie{clWhite, clBlack, pick(-5, 120), pick(0, 3), 0}};
        const TRect inside{0, 0, target.Width(), target.Height()};
        TElementPaint options;
        options.Section = section;
        options.State = state;
        options.Rect = inside;
        options.Offset = TPoint{pick(-5, 5), 0};
        options.Texture = options.HotTexture = row;
        options.Background = source;
        PaintElementIn(fx.Skin, target, options);
        ASSERT_EQ(target.Width() * target.Height(), static_cast<int>(target.Pixels().size()));
    }
}

}  // namespace
}  // namespace tornivex::paint
