#include <gtest/gtest.h>

#include "SkinError.h"
#include "SkinLoader.h"
#include "TestSkin.h"

namespace tornivex {
namespace {

class SkinLoaderTest : public ::testing::Test {
protected:
    TLoadedSkin Load(const QByteArray& options = testing::TestOptionsText(), TSkinLoadSettings settings = {}) {
        package = testing::TestSkinPackage(options);
        EXPECT_TRUE(ReadSkinPackage(convertor, package));
        return TSkinLoader(TSkinOptions::Parse(*convertor.Options), TSkinImageSource{&convertor, QString()},
                           settings)
            .Load();
    }
    const TsGeneralData& Row(const TLoadedSkin& skin, const char* name) {
        return skin.gd.at(std::size_t(skin.GetSkinIndex(name)));
    }
    QByteArray package;
    TacSkinConvertor convertor;
};

TEST_F(SkinLoaderTest, CommonValuesAndDefaults) {
    const TLoadedSkin skin = Load();
    const TsSkinData& d = skin.CommonSkinData;
    EXPECT_DOUBLE_EQ(d.Version, 8.0);
    EXPECT_EQ(d.Author, "Tester");
    EXPECT_EQ(d.ExTitleHeight, 26);
    EXPECT_EQ(d.ExMaxHeight, 26); // absent: the title height
    EXPECT_EQ(d.ExContentOffs, 9);
    EXPECT_EQ(d.ExShadowOffs, 4);
    EXPECT_EQ(d.ExShadowOffsR, 4);
    EXPECT_EQ(d.ExShadowOffsT, 7);
    EXPECT_EQ(d.BrightMin, -50);
    EXPECT_EQ(d.Shadow1Blur, -1);
    EXPECT_EQ(d.ComboBoxMargin, 2);
    const TLoadedSkin zeroTitle = Load(testing::TestOptionsText().replace("TITLEHEIGHT=26", "TITLEHEIGHT=0"));
    EXPECT_EQ(zeroTitle.CommonSkinData.ExTitleHeight, 30);
}

TEST_F(SkinLoaderTest, ButtonStatesAsWritten) {
    const TLoadedSkin skin = Load();
    const TsGeneralData& b = Row(skin, "BUTTON");
    EXPECT_EQ(b.States, 3);
    EXPECT_EQ(b.Props[0].Color, 16773594);
    EXPECT_EQ(b.Props[1].Color, clWhite); // HOTCOLOR absent: the default, not the normal colour
    EXPECT_EQ(b.Props[0].FontColor.Color, 16777215);
    EXPECT_EQ(b.Props[0].FontColor.Left, clNone);
    EXPECT_EQ(b.Props[0].GradientPercent, 50);
    EXPECT_EQ(b.Props[1].GradientPercent, 75);
    EXPECT_EQ(b.Props[0].GradientArray.size(), 3u);
    EXPECT_EQ(b.Props[1].GradientArray, (TsGradArray{{255, 65280, 100, 1, 0}}));
    EXPECT_EQ(b.Props[0].ImagePercent, 50);
    EXPECT_EQ(b.Props[1].ImagePercent, 25);
    EXPECT_EQ(b.Props[1].GlowSize, 2);
    EXPECT_EQ(b.Props[1].GlowColor, 10453299);
    EXPECT_EQ(b.OuterMode, 2);
    EXPECT_EQ(b.OuterOpacity, 200);
}

TEST_F(SkinLoaderTest, OneStateSectionCopiesItsNormalState) {
    const TLoadedSkin skin = Load();
    const TsGeneralData& e = Row(skin, "EDIT");
    EXPECT_EQ(e.States, 1);
    EXPECT_EQ(e.Props[0].Color, 15921906);
    EXPECT_EQ(e.Props[0].FontColor.Color, 0);
    EXPECT_EQ(e.Props[1], e.Props[0]); // HOTCOLOR=255 is not read
    EXPECT_EQ(e.Props[1].TextureIndex, -1);
    EXPECT_EQ(e.ScrollBorderOffset, -1); // EDIT border with all widths 1
}

TEST_F(SkinLoaderTest, InheritanceLimitsAndGradientRules) {
    const TLoadedSkin skin = Load();
    const TsGeneralData& child = Row(skin, "MYBUTTON");
    EXPECT_EQ(child.Props[0].Color, 16773594); // COLOR=N/A falls back to [BUTTON]
    EXPECT_EQ(child.States, 3);
    EXPECT_EQ(child.GlowCount, 255);
    EXPECT_EQ(child.OuterMode, 255);  // limited to its range like GLOW
    EXPECT_EQ(child.BorderIndex, Row(skin, "BUTTON").BorderIndex); // image rows via the parent
    EXPECT_EQ(Row(skin, "SYSCHILD").Props[0].Color, ColorToRGB(SystemColor(COLOR_BTNFACE)));
    EXPECT_EQ(Row(skin, "SYSBTN").Props[0].Color, SystemColor(COLOR_BTNFACE));
    EXPECT_EQ(Row(skin, "NOGRAD").Props[0].GradientPercent, 0);
    EXPECT_EQ(Row(skin, "NOGRAD").ScrollBorderOffset, -2);
}

TEST_F(SkinLoaderTest, ImageRowsFromEveryNotation) {
    const TLoadedSkin skin = Load();
    const int border = skin.GetMaskIndex("BUTTON", "BORDERSMASK");
    ASSERT_GE(border, 0);
    const TsMaskData& b = skin.ma[std::size_t(border)];
    EXPECT_EQ(b.R, (TRect{152, 30, 206, 56}));
    EXPECT_EQ(b.CornerType, 1); // magenta at (152, 30) in the master image
    EXPECT_FALSE(b.Bmp);
    EXPECT_EQ(b.SkinIndex, skin.GetSkinIndex("BUTTON"));

    const int pattern = skin.GetTextureIndex(skin.GetSkinIndex("BUTTON"), "BUTTON", "PATTERN");
    ASSERT_GE(pattern, 0);
    EXPECT_EQ(skin.ma[std::size_t(pattern)].R, (TRect{147, 10, 148, 56}));
    EXPECT_EQ(skin.ma[std::size_t(pattern)].DrawMode, 1);
    EXPECT_EQ(skin.GetMaskIndex("BUTTON", "HOTPATTERN"), -1); // N/A makes no row
    EXPECT_EQ(Row(skin, "BUTTON").Props[1].TextureIndex, -1);
    EXPECT_EQ(Row(skin, "BUTTON").TextureNormal, pattern);

    const int ex = skin.ConstData.ExBorder;
    ASSERT_GE(ex, 0);
    const TsMaskData& x = skin.ma[std::size_t(ex)];
    EXPECT_EQ(x.ImgType, itisaGlow);
    EXPECT_EQ(x.R, (TRect{0, 0, 78, 40}));
    ASSERT_TRUE(x.Bmp);
    EXPECT_EQ(x.Bmp->Pixel(0, 0), MakePixel32(100, 50, 25, 128)); // premultiplied, version 8
    EXPECT_EQ(skin.ExtArray.size(), 1u);

    const int glyphs = skin.GetMaskIndex("GLYPHS", "BORDERSMASK");
    EXPECT_EQ(skin.ma[std::size_t(glyphs)].WL, 6); // 60 / 9
    EXPECT_EQ(skin.ma[std::size_t(glyphs)].WT, 3); // 20 / 6
    EXPECT_EQ(skin.ConstData.MaskCloseAloneBtn, -1);
    EXPECT_EQ(skin.ConstData.MaskHelpSmall, -1);
    EXPECT_GE(skin.ConstData.MaskCloseSmall, 0);
    EXPECT_EQ(Row(skin, "FORM").ImgTL, skin.GetMaskIndex("FORM", "IMGTOPLEFT"));
}

TEST_F(SkinLoaderTest, MaskWidthsFallBackToBorderWidthThenCell) {
    const TLoadedSkin skin = Load();
    const int glyph = skin.ConstData.CheckBox[1]; // R height 30, MaskType 1
    ASSERT_GE(glyph, 0);
    EXPECT_EQ(skin.MaskWidthTop(glyph), 15);
    EXPECT_EQ(skin.MaskWidthLeft(glyph), 15); // 45 / 3
    const int border = skin.GetMaskIndex("BUTTON", "BORDERSMASK");
    EXPECT_EQ(skin.MaskWidthRight(border), 9);
}

TEST_F(SkinLoaderTest, TransparentRowIsAddedAfterTheSections) {
    const TLoadedSkin skin = Load();
    ASSERT_EQ(skin.gd.size(), std::size_t(testing::TestSkinSectionCount + 1));
    const TsGeneralData& t = Row(skin, "TRANSPARENT");
    EXPECT_EQ(skin.GetSkinIndex("TRANSPARENT"), testing::TestSkinSectionCount);
    EXPECT_EQ(t.States, 1);
    EXPECT_EQ(t.Props[0].Transparency, 100);
    EXPECT_EQ(t.Props[1].Transparency, 100);
    EXPECT_EQ(t.Props[0].FontColor.Color, skin.Palette[pcLabelText]);
    EXPECT_EQ(t.BorderIndex, -1);
    EXPECT_EQ(skin.ConstData.Sections[ssTransparent], testing::TestSkinSectionCount);
    EXPECT_EQ(skin.ConstData.Sections[ssButton], 1);
    EXPECT_EQ(skin.GetSkinIndex("button"), -1);
}

TEST_F(SkinLoaderTest, PaletteSlotsAndFallbacks) {
    TLoadedSkin skin = Load();
    const TacPalette& p = skin.Palette;
    EXPECT_EQ(p[pcMainColor], 13353918);
    EXPECT_EQ(p[pcWebText], 7624733);
    EXPECT_EQ(p[pcWebTextHot], 13679362);
    EXPECT_EQ(p[pcBorder], 9143679);
    EXPECT_EQ(p[pcEditBG], 15921906);
    EXPECT_EQ(p[pcEditText], 0);
    EXPECT_EQ(p[pcSelectionBG], 100);
    EXPECT_EQ(p[pcSelectionText], 200);
    EXPECT_EQ(p[pcSelectionBG_Focused], 300);
    EXPECT_EQ(p[pcSelectionText_Focused], 400);
    EXPECT_EQ(p[pcEditBG_Inverted], 0);
    EXPECT_EQ(p[pcEditBG_EvenRow], MakeColor(0xE6, 0xE6, 0xE6)); // 5 % black into 0xF2F2F2
    EXPECT_EQ(p[pcEditText_Ok], 0x008000);

    // Without SELECTION or MENUITEM the selection comes from the system highlight colours.
    QByteArray noSelection = testing::TestOptionsText();
    noSelection.replace("[SELECTION]", "[OTHER]");
    skin = Load(noSelection);
    EXPECT_EQ(skin.Palette[pcSelectionBG], ColorToRGB(SystemColor(COLOR_HIGHLIGHT)));
    EXPECT_EQ(skin.Palette[pcSelectionText_Focused], ColorToRGB(SystemColor(COLOR_HIGHLIGHTTEXT)));
    // ... and from MENUITEM's hot state when there is one.
    skin = Load(noSelection + "[MENUITEM]\nSTATES=2\nHOTCOLOR=77\nHOTFONTCOLOR=88\n");
    EXPECT_EQ(skin.Palette[pcSelectionBG], 77);
    EXPECT_EQ(skin.Palette[pcSelectionBG_Focused], 77);
    EXPECT_EQ(skin.Palette[pcSelectionText], 88);
}

TEST_F(SkinLoaderTest, OuterEffectsFromBordersNotationAndGeneratedBlur) {
    TLoadedSkin skin = Load();
    EXPECT_EQ(skin.oe[1].Opacity, 33);
    EXPECT_EQ(skin.oe[0].Opacity, 133);
    EXPECT_EQ(skin.oe[1].OffsetB, 5);
    ASSERT_GE(skin.oe[1].Mask, 0);
    EXPECT_EQ(skin.ma[std::size_t(skin.oe[1].Mask)].ImgType, itisaBorder);
    EXPECT_EQ(skin.ma[std::size_t(skin.oe[1].Mask)].R, (TRect{303, 92, 320, 126}));

    skin = Load(testing::TestOptionsText().replace("SH_SOURCE=1", "SH_SOURCE=2"));
    const TsMaskData& blur = skin.ma.at(std::size_t(skin.oe[1].Mask));
    ASSERT_TRUE(blur.Bmp);
    EXPECT_EQ(blur.R.Height(), 2 * blur.R.Width());
    EXPECT_EQ(skin.oe[1].WidthL, blur.R.Width() / 2);
    skin = Load(testing::TestOptionsText().replace("SH_SOURCE=1", "SH_SOURCE=0"));
    EXPECT_EQ(skin.oe[1].Mask, -1);
}

TEST_F(SkinLoaderTest, BrokenValuesAbortWithSectionAndKey) {
    const struct {
        const char* extra;
        const char* where;
    } cases[] = {
        {"[BAD]\nBORDERSMASK=^01x2^0030^0206^0056^0008^0008^0009^0004^3^1^1^1\n", "[BAD] BORDERSMASK"},
        {"[BAD]\nGRADIENTDATA=1;2;three;4;5\n", "[BAD] GRADIENTDATA"},
        {"[BAD]\nSTATES=2\nHOTGRADIENTDATA=1;2;3;4;5;x;y;z;w;v\n", "[BAD] HOTGRADIENTDATA"},
        {"[BAD]\nPATTERN=~0000~0110~0222~0190~0Q~0\n", "[BAD] PATTERN"},
    };
    for (const auto& c : cases) {
        try {
            Load(testing::TestOptionsText(c.extra));
            ADD_FAILURE() << c.where;
        } catch (const ESkinError& e) {
            EXPECT_TRUE(e.Message().contains(c.where)) << e.what();
        }
    }
}

// The free-length fields of an external image are limited to 16 bits, not wrapped.
TEST_F(SkinLoaderTest, ExternalImageFieldsAreLimitedTo16Bits) {
    const TLoadedSkin skin =
        Load(testing::TestOptionsText("[WIDE]\nBORDERSMASK=!XB.PNG!70000!-70000!3!40000!-40000!99999!-99999!65537\n"));
    const int index = skin.GetMaskIndex("WIDE", "BORDERSMASK");
    ASSERT_GE(index, 0);
    const TsMaskData& md = skin.ma[std::size_t(index)];
    EXPECT_EQ(md.ImageCount, 32767);
    EXPECT_EQ(md.MaskType, -32768);
    EXPECT_EQ(md.WL, 32767);
    EXPECT_EQ(md.WT, -32768);
    EXPECT_EQ(md.WR, 32767);
    EXPECT_EQ(md.WB, -32768);
    EXPECT_EQ(md.DrawMode, 32767);
}

TEST_F(SkinLoaderTest, UndecodableReferencedImageAbortsMissingOneMakesNoRow) {
    std::vector<TSkinPackageEntry> entries = testing::TestSkinEntries();
    entries[2].Data = "not a png";
    package = WriteSkinPackage(entries);
    ASSERT_TRUE(ReadSkinPackage(convertor, package));
    TSkinLoader loader(TSkinOptions::Parse(*convertor.Options), TSkinImageSource{&convertor, QString()}, {});
    try {
        loader.Load();
        FAIL();
    } catch (const ESkinError& e) {
        EXPECT_TRUE(e.Message().contains("[GLOBALINFO] EXBORDER")) << e.what();
    }
    const TLoadedSkin skin = Load(testing::TestOptionsText("[X]\nA=!MISSING.PNG!1\nB=GONE.BMP\nC=~0000~0000~0010~0010~00~0~GONE.BMP\n"));
    EXPECT_EQ(skin.GetMaskIndex("X", "A"), -1);
    EXPECT_EQ(skin.GetMaskIndex("X", "B"), -1);
    const int c = skin.GetMaskIndex("X", "C");
    ASSERT_GE(c, 0);
    ASSERT_TRUE(skin.ma[std::size_t(c)].Bmp); // an empty image, not the master
    EXPECT_TRUE(skin.ma[std::size_t(c)].Bmp->Empty());
}

TEST_F(SkinLoaderTest, LookupsFollowParentsAndSurviveLoops) {
    const TLoadedSkin skin = Load(testing::TestOptionsText("[LA]\nPARENTCLASS=LB\n[LB]\nPARENTCLASS=LA\n"));
    const int scroll = skin.GetSkinIndex("SCROLLBTNLEFT");
    EXPECT_EQ(skin.GetMaskIndex(scroll, "SCROLLBTNLEFT", "GLYPHMASK"), skin.GetMaskIndex("GLYPHS", "GLYPHMASK"));
    EXPECT_EQ(skin.GetMaskIndex(scroll, "GLYPHMASK"), skin.GetMaskIndex("GLYPHS", "GLYPHMASK"));
    EXPECT_EQ(skin.GetMaskIndex("SCROLLBTNLEFT", "GLYPHMASK"), -1); // the by-name form does not inherit
    EXPECT_EQ(skin.ConstData.ScrollBtns[asLeft].GlyphIndex, skin.GetMaskIndex("GLYPHS", "GLYPHMASK"));
    EXPECT_EQ(skin.ConstData.ScrollBtns[asLeft].SkinSection, "SCROLLBTNLEFT");
    EXPECT_EQ(skin.ConstData.ScrollBtns[asTop].SkinIndex, -1);
    EXPECT_EQ(skin.ConstData.UpDownBtns[asLeft].SkinSection, "BUTTON"); // the last fallback
    EXPECT_EQ(skin.GetMaskIndex(skin.GetSkinIndex("LA"), "LA", "BORDERSMASK"), -1);
    EXPECT_EQ(skin.GetTextureIndex(skin.GetSkinIndex("LB"), "PATTERN"), -1);
    EXPECT_EQ(skin.GetTextureIndex(skin.GetSkinIndex("MYBUTTON"), "PATTERN"),
              skin.GetTextureIndex(skin.GetSkinIndex("BUTTON"), "PATTERN"));
    EXPECT_EQ(skin.GetTextureIndex(0, "", "PATTERN"), -1);
    EXPECT_EQ(skin.GetSkinIndex(""), -1);
}

TEST_F(SkinLoaderTest, ShadowCheckOnlyWithExtendedBorders) {
    TLoadedSkin skin = Load();
    EXPECT_EQ(skin.FormShadowSize, (TRect{0, 0, 0, 0}));
    EXPECT_FALSE(skin.ShdaTemplate);
    TSkinLoadSettings settings;
    settings.ExtendedBorders = true;
    skin = Load(testing::TestOptionsText(), settings);
    EXPECT_EQ(skin.FormShadowSize, (TRect{26 - 9, 26 - 9, 26 - 9, 26 - 9}));
    ASSERT_TRUE(skin.ShdaTemplate && skin.ShdiTemplate);
    EXPECT_EQ(skin.ShdiTemplate->Width(), 39);
}

TEST_F(SkinLoaderTest, BrightnessAdjustsColoursAndImagesOnlyWhenNotZero) {
    TSkinLoadSettings brighter;
    brighter.Brightness = 100;
    const TLoadedSkin plain = Load();
    const TLoadedSkin white = Load(testing::TestOptionsText(), brighter);
    EXPECT_EQ(Row(white, "EDIT").Props[0].Color, clWhite);
    EXPECT_EQ(white.MasterBitmap->Pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(white.MasterBitmap->Pixel(152, 30), KeyPixel32); // magenta stays
    EXPECT_EQ(plain.MasterBitmap->Pixel(0, 0), 0xFF808080u);
    EXPECT_EQ(Row(white, "BUTTON").Props[0].FontColor.Left, clNone);
    // Brightness above 0 keeps PNGs unpremultiplied.
    EXPECT_EQ(white.ExtArray[0].Bmp->Pixel(0, 0), MakePixel32(255, 255, 255, 128));
}

} // namespace
} // namespace tornivex
