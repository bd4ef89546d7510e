#include "PaintTestSupport.h"
#include "TestSkinPackage.h"

#include "skin/paint/PixelColor.h"
#include "skin/paint/SectionPreview.h"

namespace tornivex::paint {
namespace {

class SectionPreviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        QImage master(8, 8, QImage::Format_RGB32);
        master.fill(Qt::gray);
        manager = test::LoadTestSkin("[GLOBALINFO]\nVERSION=8.00\nMASTERBITMAP=MASTER.BMP\nCOLOR=255\n"
                                     "[GLASS]\nSTATES=1\nTRANSPARENCY=100\n[BLUE]\nSTATES=1\nCOLOR=16711680\n",
                                     master);
    }
    std::unique_ptr<TsSkinManager> manager;
};

TEST_F(SectionPreviewTest, PaintsOverTheGlobalColourAColourOrAnotherSection) {
    TSectionPreview preview;
    preview.Section = QStringLiteral("GLASS");
    preview.Width = 3;
    preview.Height = 2;
    auto painted = RenderSectionPreview(*manager, preview);
    ASSERT_TRUE(painted);
    EXPECT_PIXEL(*painted, 2, 1, 0xFFFF0000u);  // the skin's global colour 255 = red
    preview.OverColor = MakeColor(0, 255, 0);
    EXPECT_PIXEL(*RenderSectionPreview(*manager, preview), 0, 0, 0xFF00FF00u);
    preview.OverSection = QStringLiteral("BLUE");
    EXPECT_PIXEL(*RenderSectionPreview(*manager, preview), 1, 1, 0xFF0000FFu);
}

TEST_F(SectionPreviewTest, NamesWhatIsWrong) {
    TSectionPreview preview;
    QString error;
    preview.Section = QStringLiteral("NOPE");
    EXPECT_FALSE(RenderSectionPreview(*manager, preview, &error));
    EXPECT_EQ(error, QStringLiteral("the skin has no section \"NOPE\""));
    preview.Section = QStringLiteral("BLUE");
    preview.Width = 0;
    EXPECT_FALSE(RenderSectionPreview(*manager, preview, &error));
    EXPECT_EQ(error, QStringLiteral("size 0 x 32 is not between 1 and 8192"));
    preview.Width = 4;
    preview.Glyph = QStringLiteral("BICONCLOSE");
    EXPECT_FALSE(RenderSectionPreview(*manager, preview, &error));
    EXPECT_EQ(error, QStringLiteral("the skin has no [GLOBALINFO] image \"BICONCLOSE\""));
    TsSkinManager empty;
    EXPECT_FALSE(RenderSectionPreview(empty, TSectionPreview{}, &error));
    EXPECT_EQ(error, QStringLiteral("no skin is loaded"));
}

}  // namespace
}  // namespace tornivex::paint
