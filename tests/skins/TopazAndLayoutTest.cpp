// Both skins: Topaz loads and paints the same sections, and every image reference of either
// skin addresses real, consistent pixels.
#include "LoadedInternalSkins.h"

#include <gtest/gtest.h>

namespace tornivex {
namespace {

using testing::ManagerWithSkin;

const QString Skins[] = {"Topaz (internal)", "Aluminium (internal)"};

TEST(TopazSkin, LoadsWithTheSameSectionsAsAluminium) {
    const TsSkinManager& topaz = ManagerWithSkin("Topaz (internal)");
    EXPECT_EQ(topaz.SkinName(), "Topaz (internal)");
    EXPECT_EQ(topaz.GetSkinSections(), ManagerWithSkin("Aluminium (internal)").GetSkinSections());
    EXPECT_EQ(topaz.SkinInfo(), "8");
}

TEST(TopazSkin, BodyTextureComesFromTheEightBitCornerImage) {
    const TsSkinManager& topaz = ManagerWithSkin("Topaz (internal)");
    const TsGeneralData& form = topaz.gd().at(std::size_t(topaz.GetSkinIndex("FORM")));
    ASSERT_TRUE(topaz.IsValidImgIndex(form.Props[0].TextureIndex));
    const TsMaskData& texture = topaz.ma()[std::size_t(form.Props[0].TextureIndex)];
    ASSERT_TRUE(texture.Bmp);
    EXPECT_EQ(texture.R, (TRect{0, 0, 124, 124}));
    EXPECT_EQ(texture.Bmp->Width(), 124);
}

TEST(TopazSkin, EveryPackedImageIsReferenced) {
    const TsSkinManager& topaz = ManagerWithSkin("Topaz (internal)");
    QStringList referenced;
    for (const TacExtFileData& file : topaz.ExtArray()) referenced << file.FileName.toUpper();
    for (const char* name : {"BUTTONHUGE.BMP", "CORNER.BMP", "GLOW.PNG", "GLOWCALONE.PNG",
                             "GLOWCLOSE.PNG", "GLOWH.PNG", "GLOWMAX.PNG", "GLOWMIN.PNG",
                             "GLOWNORM.PNG"})
        EXPECT_TRUE(referenced.contains(name)) << name;
}

TEST(BothSkins, EveryImageRowLiesInsideItsImage) {
    for (const QString& name : Skins) {
        const TsSkinManager& m = ManagerWithSkin(name);
        for (const TsMaskData& row : m.ma()) {
            SCOPED_TRACE(qPrintable(name + " " + row.ClassName + "." + row.PropertyName));
            const TBitmap32* source = MaskSourceImage(row);
            ASSERT_NE(source, nullptr);
            EXPECT_FALSE(row.R.IsEmpty());
            EXPECT_GE(row.R.Left, 0);
            EXPECT_GE(row.R.Top, 0);
            EXPECT_LE(row.R.Right, source->Width());
            EXPECT_LE(row.R.Bottom, source->Height());
            if (row.MaskType == 1) {
                EXPECT_EQ(row.R.Height() % 2, 0);
            }
            if (row.ImageCount > 1) {
                EXPECT_EQ(row.R.Width() % row.ImageCount, 0);
            }
        }
    }
}

TEST(BothSkins, MasterRectanglesDoNotOverlapUnlessShared) {
    for (const QString& name : Skins) {
        const TsSkinManager& m = ManagerWithSkin(name);
        const auto& ma = m.ma();
        for (std::size_t i = 0; i < ma.size(); ++i)
            for (std::size_t j = i + 1; j < ma.size(); ++j) {
                const TsMaskData &a = ma[i], &b = ma[j];
                if (a.Bmp || b.Bmp || a.R == b.R) continue;
                const bool overlap = a.R.Left < b.R.Right && b.R.Left < a.R.Right &&
                                     a.R.Top < b.R.Bottom && b.R.Top < a.R.Bottom;
                EXPECT_FALSE(overlap) << qPrintable(name) << ": " << qPrintable(a.ClassName) << "."
                                      << qPrintable(a.PropertyName) << " and "
                                      << qPrintable(b.ClassName) << "." << qPrintable(b.PropertyName);
            }
    }
}

TEST(BothSkins, BorderMarginsLeaveAMiddleInEveryFrame) {
    for (const QString& name : Skins) {
        const TsSkinManager& m = ManagerWithSkin(name);
        for (const TsMaskData& row : m.ma()) {
            if (row.WL + row.WT + row.WR + row.WB == 0) continue;
            SCOPED_TRACE(qPrintable(name + " " + row.ClassName + "." + row.PropertyName));
            EXPECT_LT(row.WL + row.WR, MaskCellWidth(row));
            EXPECT_LT(row.WT + row.WB, MaskCellHeight(row));
        }
    }
}

// In a masked image, a key pixel must also be transparent in the mask: the painter shows the
// parent there only in corner mode and otherwise blends by the mask.
TEST(BothSkins, KeyPixelsOfMaskedImagesAreTransparentInTheMask) {
    for (const QString& name : Skins) {
        const TsSkinManager& m = ManagerWithSkin(name);
        for (const TsMaskData& row : m.ma()) {
            if (row.MaskType != 1) continue;
            const TBitmap32& source = *MaskSourceImage(row);
            const int half = row.R.Height() / 2;
            for (int y = row.R.Top; y < row.R.Top + half; ++y)
                for (int x = row.R.Left; x < row.R.Right; ++x)
                    if (source.Pixel(x, y) == KeyPixel32) {
                        ASSERT_EQ(source.Pixel(x, y + half) & 0xFFFFFF, 0xFFFFFFu)
                            << qPrintable(name + " " + row.ClassName + "." + row.PropertyName)
                            << " at " << x << "," << y;
                    }
        }
    }
}

} // namespace
} // namespace tornivex
