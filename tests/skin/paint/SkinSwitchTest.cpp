// Switching one manager between the two internal skins back and forth: every image row keeps
// painting from the image it was built from, and the skin loaded again paints as it did before.
#include "PaintTestSupport.h"

#include "InternalSkins.h"
#include "skin/paint/BorderMask.h"
#include "skin/paint/CornerImage.h"
#include "skin/paint/SectionPreview.h"

#include "skin/data/sSkinManager.h"

#include <memory>
#include <vector>

namespace tornivex::paint {
namespace {

using test::SameBitmap;

const QString Aluminium = QStringLiteral("Aluminium (internal)");
const QString Topaz = QStringLiteral("Topaz (internal)");

// The rows cut from the master image, as a control would keep copies of them.
std::vector<TsMaskData> MasterFrameRows(const TsSkinManager& manager) {
    std::vector<TsMaskData> rows;
    for (const TsMaskData& md : manager.ma())
        if (!md.Bmp && md.ImageCount > 0 && !md.R.IsEmpty()) rows.push_back(md);
    return rows;
}

// Frames as a border (nine-slice in the hot state), anything else as a glyph.
std::vector<TBitmap32> PaintRows(const std::vector<TsMaskData>& rows) {
    std::vector<TBitmap32> painted;
    for (const TsMaskData& md : rows) {
        TBitmap32 target(48, 30, 0xFF102030u);
        if (md.ImgType == itisaBorder)
            DrawBorderMask(target, TRect{0, 0, 48, 30}, BackgroundSource{}, false, 1, md);
        else
            DrawCornerImage(target, TPoint{0, 0}, 0, BackgroundSource{}, md, ciFullStrength);
        painted.push_back(std::move(target));
    }
    return painted;
}

std::vector<TBitmap32> PaintSections(const TsSkinManager& manager) {
    std::vector<TBitmap32> painted;
    for (const QString& name : manager.GetSkinSections())
        for (int state = 0; state < 3; ++state) {
            TSectionPreview preview;
            preview.Section = name;
            preview.State = state;
            if (auto bmp = RenderSectionPreview(manager, preview)) painted.push_back(std::move(*bmp));
        }
    return painted;
}

void ExpectSame(const std::vector<TBitmap32>& actual, const std::vector<TBitmap32>& expected, const char* what) {
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (std::size_t i = 0; i < actual.size(); ++i) EXPECT_TRUE(SameBitmap(actual[i], expected[i])) << what << " #" << i;
}

TEST(SkinSwitch, RowsKeepTheirOwnSkinsPixelsWhileTheManagerSwitches) {
    TsSkinManager manager;
    AddInternalSkins(manager.InternalSkins());
    manager.SetSkinName(Aluminium);
    ASSERT_EQ(manager.SkinName(), Aluminium);
    const std::vector<TsMaskData> aluminiumRows = MasterFrameRows(manager);
    const std::vector<TBitmap32> aluminiumFrames = PaintRows(aluminiumRows);
    const std::vector<TBitmap32> aluminiumSections = PaintSections(manager);

    manager.SetSkinName(Topaz);
    ASSERT_EQ(manager.SkinName(), Topaz);
    const std::vector<TsMaskData> topazRows = MasterFrameRows(manager);
    const std::vector<TBitmap32> topazFrames = PaintRows(topazRows);
    const std::vector<TBitmap32> topazSections = PaintSections(manager);
    ASSERT_GT(aluminiumRows.size(), 10u);
    ASSERT_GT(topazRows.size(), 10u);
    // The skins differ: the first Aluminium row painted from Topaz's master image looks otherwise.
    TsMaskData mixed = aluminiumRows[0];
    mixed.Master = topazRows[0].Master;
    ASSERT_FALSE(SameBitmap(PaintRows({mixed})[0], aluminiumFrames[0]));

    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        // Topaz is loaded: the Aluminium rows still paint Aluminium.
        ExpectSame(PaintRows(aluminiumRows), aluminiumFrames, "Aluminium rows under Topaz");
        manager.SetSkinName(Aluminium);
        ExpectSame(PaintRows(topazRows), topazFrames, "Topaz rows under Aluminium");
        ExpectSame(PaintRows(MasterFrameRows(manager)), aluminiumFrames, "Aluminium reloaded");
        ExpectSame(PaintSections(manager), aluminiumSections, "Aluminium sections");
        manager.SetSkinName(Topaz);
        ExpectSame(PaintRows(MasterFrameRows(manager)), topazFrames, "Topaz reloaded");
        ExpectSame(PaintSections(manager), topazSections, "Topaz sections");
    }
}

TEST(SkinSwitch, ACopiedRowOutlivesItsManager) {
    auto manager = std::make_unique<TsSkinManager>();
    AddInternalSkins(manager->InternalSkins());
    manager->SetSkinName(Topaz);
    const std::vector<TsMaskData> rows = MasterFrameRows(*manager);
    ASSERT_FALSE(rows.empty());
    const std::vector<TBitmap32> before = PaintRows(rows);
    manager->SetActive(false); // the skin is removed: tables and master image let go
    ExpectSame(PaintRows(rows), before, "after the skin was removed");
}

}  // namespace
}  // namespace tornivex::paint
