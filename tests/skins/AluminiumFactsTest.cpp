// "Aluminium (internal)", the active skin: the option values the rest of the program relies on,
// read through the skin manager's own loading rules.
#include "LoadedInternalSkins.h"
#include "OptionsText.h"

#include <gtest/gtest.h>

namespace tornivex {
namespace {

using testing::ManagerWithSkin;

const QString Aluminium = "Aluminium (internal)";
const TsSkinManager& Alu() { return ManagerWithSkin(Aluminium); }

const TsGeneralData& Section(const QString& name) {
    const int index = Alu().GetSkinIndex(name);
    EXPECT_GE(index, 0) << qPrintable(name);
    return Alu().gd().at(std::size_t(std::max(index, 0)));
}

const TsMaskData& Row(int maskIndex) {
    EXPECT_TRUE(Alu().IsValidImgIndex(maskIndex));
    return Alu().ma().at(std::size_t(std::max(maskIndex, 0)));
}

TEST(AluminiumSkin, Has71SectionsWithoutTransparentCaptionOrFormHeader) {
    const TSkinOptions options = TSkinOptions::Parse(testing::PackedOptionsText(Aluminium));
    EXPECT_EQ(options.SectionCount(), 71);
    for (const char* absent : {"TRANSPARENT", "CAPTION", "FORMHEADER"})
        EXPECT_EQ(options.IndexOfSection(absent), -1) << absent;
    // The loader adds TRANSPARENT after the 71 sections.
    EXPECT_EQ(Alu().GetSkinIndex("TRANSPARENT"), 71);
    EXPECT_EQ(Alu().GetSkinIndex("button"), -1);
}

TEST(AluminiumSkin, HasEverySectionThatIsLookedUpByName) {
    const char* names[] = {
        "GLOBALINFO", "FORM", "FORMTITLE", "BUTTON", "EDIT", "ALPHAEDIT", "SELECTION", "MENUITEM",
        "WEBBUTTON", "CHECKBOX", "GROUPBOX", "DIVIDER", "PANEL", "PANEL_LOW", "SPEEDBUTTON",
        "TOOLBUTTON", "COMBOBOX", "COMBOBTN", "UPDOWNBTN", "UPDOWNBTN_LEFT", "UPDOWNBTN_TOP",
        "UPDOWNBTNRIGHT", "UPDOWNBTN_BOTTOM", "SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H",
        "SCROLLBAR2V", "SCROLLBTNLEFT", "SCROLLBTNTOP", "SCROLLBTNRIGHT", "SCROLLBTNBOTTOM",
        "SCROLLSLIDERH", "SCROLLSLIDERV", "BUTTON_HUGE", "TABTOP", "RIBBONTAB", "TABLEFTFIRST",
        "TABTOPFIRST", "TABRIGHTFIRST", "TABBOTTOMFIRST", "TABLEFTLAST", "TABTOPLAST",
        "TABRIGHTLAST", "TABBOTTOMLAST", "TABLEFTMIDDLE", "TABTOPMIDDLE", "TABRIGHTMIDDLE",
        "TABBOTTOMMIDDLE", "TABLEFT", "TABRIGHT", "TABBOTTOM"};
    for (const char* name : names) EXPECT_GE(Alu().GetSkinIndex(name), 0) << name;
    for (int s = 0; s < SectionCount; ++s) EXPECT_GE(Alu().ConstData().Sections[std::size_t(s)], 0) << s;
}

TEST(AluminiumSkin, GlobalInfoValues) {
    EXPECT_TRUE(Alu().SkinIsPacked());
    EXPECT_EQ(Alu().SkinInfo(), "8");
    const TsSkinData& d = Alu().CommonSkinData();
    EXPECT_DOUBLE_EQ(d.Version, 8.0);
    EXPECT_EQ(d.ExTitleHeight, 26);
    EXPECT_EQ(d.ExMaxHeight, 26); // MAXHEIGHT absent
    EXPECT_EQ(d.ExBorderWidth, 4);
    EXPECT_EQ(d.ExContentOffs, 9);
    EXPECT_EQ(d.ExDrawMode, 0);
    EXPECT_EQ(d.ExCenterOffs, 0);
    EXPECT_EQ(d.ExShadowOffs, 4);
    EXPECT_EQ(d.BISpacing, 2);
    EXPECT_EQ(d.BILeftMargin, 3);
    EXPECT_EQ(d.BIRightMargin, 4);
    EXPECT_EQ(d.BITopMargin, 0);
    EXPECT_EQ(d.BIVAlign, 1);
    EXPECT_EQ(d.BIKeepHUE, 2);
    EXPECT_EQ(d.Shadow1Color, 0);
    EXPECT_EQ(d.Shadow1Offset, 1);
    EXPECT_EQ(d.Shadow1Blur, 2);
    EXPECT_EQ(d.BrightMin, -40);
    EXPECT_EQ(d.BrightMax, 30);
}

TEST(AluminiumSkin, PaletteKeys) {
    const TacPalette& p = Alu().Palette();
    EXPECT_EQ(p[pcMainColor], 13353918);
    EXPECT_EQ(p[pcLabelText], 0);
    EXPECT_EQ(p[pcWebText], 7624733);
    EXPECT_EQ(p[pcWebTextHot], 13679362);
    EXPECT_EQ(p[pcBorder], 9143679);
    EXPECT_EQ(p[pcEditBG], 15921906);
    EXPECT_EQ(p[pcEditText], 0);
}

TEST(AluminiumSkin, OuterEffectsUseTheQuotedBorderMasks) {
    const TacOutEffData& shadow = Alu().oe()[1];
    const TacOutEffData& light = Alu().oe()[0];
    EXPECT_EQ(shadow.Source, 1);
    EXPECT_EQ(shadow.Opacity, 33);
    EXPECT_EQ(Row(shadow.Mask).R, (TRect{303, 92, 320, 126}));
    EXPECT_EQ(Row(shadow.Mask).WB, 8);
    EXPECT_EQ(light.Source, 1);
    EXPECT_EQ(light.Opacity, 133);
    EXPECT_EQ(Row(light.Mask).R, (TRect{282, 111, 293, 133}));
}

TEST(AluminiumSkin, ExtendedBorderIsATwoStateGlowFromXbPng) {
    const TsMaskData& xb = Row(Alu().ConstData().ExBorder);
    ASSERT_TRUE(xb.Bmp);
    EXPECT_EQ(xb.ImgType, itisaGlow);
    EXPECT_EQ(xb.ImageCount, 2);
    EXPECT_EQ(xb.MaskType, 0);
    EXPECT_EQ(xb.DrawMode, 1);
    EXPECT_EQ((std::array<int, 4>{xb.WL, xb.WT, xb.WR, xb.WB}), (std::array<int, 4>{26, 26, 26, 26}));
    EXPECT_GT(MaskCellWidth(xb), 2 * 26);
}

TEST(AluminiumSkin, TitleButtonImages) {
    const TConstantSkinData& c = Alu().ConstData();
    EXPECT_EQ(c.MaskCloseAloneBtn, -1); // BICLOSEALONE=N/A
    EXPECT_EQ(c.MaskHelpSmall, -1);     // no SICONHELP
    const TsMaskData& close = Row(c.MaskCloseSmall);
    EXPECT_EQ(close.ImageCount, 3);
    EXPECT_EQ(MaskCellWidth(close), 15);
    EXPECT_EQ(MaskCellHeight(close), 14);
    for (int big : {c.MaskCloseBtn, c.MaskMaxBtn, c.MaskNormBtn, c.MaskMinBtn, c.MaskHelpBtn})
        EXPECT_TRUE(Alu().IsValidImgIndex(big));
}

TEST(AluminiumSkin, ButtonSection) {
    const TsGeneralData& b = Section("BUTTON");
    EXPECT_EQ(b.States, 3);
    const TsGenState& n = b.Props[0];
    const TsGenState& h = b.Props[1];
    EXPECT_EQ(n.Color, 16773594);
    EXPECT_EQ(h.Color, 0xFFFFFF); // HOTCOLOR absent
    EXPECT_EQ(n.FontColor.Color, 16777215);
    EXPECT_EQ(h.FontColor.Color, 16777215);
    EXPECT_EQ(n.ImagePercent, 50);
    EXPECT_EQ(n.GradientPercent, 50);
    EXPECT_EQ(h.ImagePercent, 25);
    EXPECT_EQ(h.GradientPercent, 75);
    EXPECT_EQ(n.Transparency, 0);
    EXPECT_EQ(h.Transparency, 0);
    EXPECT_EQ(n.GlowColor, 10453299);
    EXPECT_EQ(n.GlowSize, 0);
    EXPECT_EQ(h.GlowColor, 10453299);
    EXPECT_EQ(h.GlowSize, 2);
    ASSERT_FALSE(n.GradientArray.empty());
    EXPECT_EQ(n.GradientArray[0].Mode1, 1); // horizontal
    ASSERT_FALSE(h.GradientArray.empty());
    EXPECT_EQ(h.GradientArray[0].Mode1, 1);

    const TsMaskData& border = Row(b.BorderIndex);
    EXPECT_EQ(border.R, (TRect{152, 30, 206, 56}));
    EXPECT_EQ((std::array<int, 4>{border.WL, border.WT, border.WR, border.WB}),
              (std::array<int, 4>{8, 8, 9, 4}));
    EXPECT_EQ(border.ImageCount, 3);
    EXPECT_EQ(border.MaskType, 1);
    EXPECT_EQ(border.DrawMode, 1); // stretched sides, no centre piece
    EXPECT_EQ(border.BorderWidth, 1);
    EXPECT_EQ(border.CornerType, 1); // key-colour corners

    const TsMaskData& texture = Row(n.TextureIndex);
    EXPECT_EQ(texture.ImgType, itisaTexture);
    EXPECT_EQ(texture.R, (TRect{147, 10, 148, 56}));
    EXPECT_EQ(texture.DrawMode, 1); // stretched
    EXPECT_EQ(texture.MaskType, 0);
    EXPECT_EQ(h.TextureIndex, -1); // HOTPATTERN=N/A
}

TEST(AluminiumSkin, EditSectionHasOneState) {
    const TsGeneralData& e = Section("EDIT");
    EXPECT_EQ(e.States, 1);
    EXPECT_EQ(e.Props[0].Color, 15921906);
    EXPECT_EQ(e.Props[0].FontColor.Color, 0);
    EXPECT_EQ(e.Props[1], e.Props[0]); // HOTCOLOR and HOTFONTCOLOR are not read
    EXPECT_TRUE(Alu().IsValidImgIndex(e.BorderIndex));
}

TEST(AluminiumSkin, FormTitleIsFullyTransparentWithoutGlow) {
    const TsGeneralData& t = Section("FORMTITLE");
    for (const TsGenState& s : t.Props) {
        EXPECT_EQ(s.Transparency, 100);
        EXPECT_EQ(s.GlowSize, 0);
    }
    EXPECT_EQ(t.Props[0].FontColor.Color, 4671303);
    EXPECT_EQ(t.Props[1].FontColor.Color, 0);
    EXPECT_EQ(t.BorderIndex, -1);
}

TEST(AluminiumSkin, FormTextureAndRoundedFrame) {
    const TsGeneralData& f = Section("FORM");
    const TsMaskData& texture = Row(f.Props[0].TextureIndex);
    EXPECT_EQ(texture.R, (TRect{0, 110, 222, 190}));
    EXPECT_EQ(texture.DrawMode, 0);
    EXPECT_EQ(texture.MaskType, 0);
    EXPECT_EQ(f.Props[0].ImagePercent, 100);

    // The window region is cut to the key pixels of the state-0 frame: 5, 3, 2, 1, 1 pixels of
    // the outermost rows at every corner, nothing further in.
    const TsMaskData& border = Row(f.BorderIndex);
    const TBitmap32& master = *Alu().MasterBitmap();
    const int left = border.R.Left, right = left + MaskCellWidth(border) - 1;
    const int top = border.R.Top, bottom = top + MaskCellHeight(border) - 1;
    auto keyRun = [&](int y, int x0, int step) {
        int n = 0;
        for (int x = x0; master.Pixel(x, y) == KeyPixel32; x += step) ++n;
        return n;
    };
    const int expected[] = {5, 3, 2, 1, 1, 0, 0};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(keyRun(top + i, left, 1), expected[i]) << "top-left row " << i;
        EXPECT_EQ(keyRun(top + i, right, -1), expected[i]) << "top-right row " << i;
        EXPECT_EQ(keyRun(bottom - i, left, 1), expected[i]) << "bottom-left row " << i;
        EXPECT_EQ(keyRun(bottom - i, right, -1), expected[i]) << "bottom-right row " << i;
    }
    EXPECT_EQ(border.WT, 26); // the frame's top margin is the title strip
}

TEST(AluminiumSkin, ScrollBarPartsHaveFramesAndGlyphs) {
    const TConstantSkinData& c = Alu().ConstData();
    for (const TacConstElementData& track : c.Scrolls) {
        EXPECT_GE(track.SkinIndex, 0) << qPrintable(track.SkinSection);
        EXPECT_TRUE(Alu().IsValidImgIndex(track.MaskIndex)) << qPrintable(track.SkinSection);
    }
    for (const TacConstElementData& arrow : c.ScrollBtns) {
        EXPECT_TRUE(Alu().IsValidImgIndex(arrow.MaskIndex)) << qPrintable(arrow.SkinSection);
        EXPECT_TRUE(Alu().IsValidImgIndex(arrow.GlyphIndex)) << qPrintable(arrow.SkinSection);
    }
    for (const TacConstElementData& thumb : c.Sliders) {
        EXPECT_TRUE(Alu().IsValidImgIndex(thumb.MaskIndex)) << qPrintable(thumb.SkinSection);
        EXPECT_TRUE(Alu().IsValidImgIndex(thumb.GlyphIndex)) << qPrintable(thumb.SkinSection);
    }
    for (const TacConstElementData& updown : c.UpDownBtns)
        EXPECT_TRUE(Alu().IsValidImgIndex(updown.GlyphIndex)) << qPrintable(updown.SkinSection);
    EXPECT_TRUE(Alu().IsValidImgIndex(c.ComboBtn.GlyphIndex));
}

TEST(AluminiumSkin, HugeButtonHasKeyedCornersInItsOwnImage) {
    const TsMaskData& huge = Row(Section("BUTTON_HUGE").BorderIndex);
    ASSERT_TRUE(huge.Bmp);
    EXPECT_EQ(huge.ImgType, itisaBorder);
    EXPECT_EQ(huge.CornerType, 2);  // the huge button's border mask always has corner type 2
    EXPECT_EQ(huge.ImageCount, 3);
    EXPECT_EQ(huge.MaskType, 1);
}

} // namespace
} // namespace tornivex
