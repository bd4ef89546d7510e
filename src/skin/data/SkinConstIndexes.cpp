// Per-row image indexes, the cached constant indexes and the shadow check of a loaded skin.
#include "OutEffectImages.h"
#include "SkinLoader.h"

namespace tornivex {
namespace {

QString Key(const char* name) { return QString::fromLatin1(name); }

// The element data of the first candidate section that exists.
TacConstElementData ElementData(const TLoadedSkin& skin, std::initializer_list<const char*> candidates) {
    TacConstElementData data;
    for (const char* candidate : candidates) {
        const int index = skin.GetSkinIndex(Key(candidate));
        if (index < 0) continue;
        data.SkinSection = Key(candidate);
        data.SkinIndex = index;
        data.MaskIndex = skin.GetMaskIndex(index, data.SkinSection, Key("BORDERSMASK"));
        data.GlyphIndex = skin.GetMaskIndex(index, data.SkinSection, Key("GLYPHMASK"));
        data.BGIndex[0] = skin.GetTextureIndex(index, data.SkinSection, Key("PATTERN"));
        data.BGIndex[1] = skin.GetTextureIndex(index, data.SkinSection, Key("HOTPATTERN"));
        break;
    }
    return data;
}

TBitmap32Ptr CopyCell(const TsMaskData& md, int cell) {
    const TBitmap32* source = MaskSourceImage(md);
    const int w = MaskCellWidth(md);
    const int h = MaskCellHeight(md);
    auto bmp = NewBitmap32(w, h);
    if (!source) return bmp;
    const int left = md.R.Left + cell * w;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (source->Contains(left + x, md.R.Top + y))
                bmp->Pixel(x, y) = source->Pixel(left + x, md.R.Top + y);
    return bmp;
}

void ShadowCheck(TLoadedSkin& skin, bool extendedBorders) {
    skin.ShdaTemplate.reset();
    skin.ShdiTemplate.reset();
    skin.FormShadowSize = TRect{};
    if (!extendedBorders) return;
    const int exBorder = skin.GetMaskIndex(Key("GLOBALINFO"), Key("EXBORDER"));
    if (exBorder < 0) {
        skin.ShdaTemplate = BuiltInShadowActive();
        skin.ShdiTemplate = BuiltInShadowInactive();
        const int m = BuiltInShadowMargin;
        skin.FormShadowSize = TRect{m, m, m, m};
        return;
    }
    const TsMaskData& md = skin.ma[std::size_t(exBorder)];
    skin.ShdiTemplate = CopyCell(md, 0);
    skin.ShdaTemplate = md.ImageCount == 1 ? std::make_shared<TBitmap32>(*skin.ShdiTemplate) : CopyCell(md, 1);
    const int offs = skin.CommonSkinData.ExContentOffs;
    skin.FormShadowSize = skin.CommonSkinData.ExDrawMode != 0
                              ? TRect{offs, offs, offs, offs}
                              : TRect{md.WL - offs, md.WT - offs, md.WR - offs, md.WB - offs};
}

} // namespace

void InitMaskIndexes(TLoadedSkin& skin) {
    for (std::size_t i = 0; i < skin.gd.size(); ++i) {
        TsGeneralData& row = skin.gd[i];
        if (row.ClassName == QLatin1String("GLOBALINFO")) continue;
        const int index = int(i);
        row.BorderIndex = skin.GetMaskIndex(index, row.ClassName, Key("BORDERSMASK"));
        row.OuterMask = skin.GetMaskIndex(index, row.ClassName, Key("OUTERMASK"));
        row.ImgTL = skin.GetMaskIndex(index, row.ClassName, Key("IMGTOPLEFT"));
        row.ImgTR = skin.GetMaskIndex(index, row.ClassName, Key("IMGTOPRIGHT"));
        row.ImgBL = skin.GetMaskIndex(index, row.ClassName, Key("IMGBTMLEFT"));
        row.ImgBR = skin.GetMaskIndex(index, row.ClassName, Key("IMGBTMRIGHT"));
        row.Props[0].TextureIndex = skin.GetTextureIndex(index, row.ClassName, Key("PATTERN"));
        row.TextureNormal = row.Props[0].TextureIndex;
        if (row.States > 1)
            row.Props[1].TextureIndex = skin.GetTextureIndex(index, row.ClassName, Key("HOTPATTERN"));
        if (row.BorderIndex < 0) {
            row.ScrollBorderOffset = -2;
        } else {
            const TsMaskData& border = skin.ma[std::size_t(row.BorderIndex)];
            const bool isEdit = row.ClassName == QLatin1String("EDIT") || row.ClassName == QLatin1String("ALPHAEDIT");
            const bool allOne = border.WL == 1 && border.WT == 1 && border.WR == 1 && border.WB == 1;
            row.ScrollBorderOffset = isEdit && allOne ? -1 : 0;
        }
    }
}

void InitConstantIndexes(TLoadedSkin& skin, bool extendedBorders) {
    TConstantSkinData& c = skin.ConstData;
    c = TConstantSkinData{};
    const QString global = Key("GLOBALINFO");
    auto globalMask = [&](const char* key) { return skin.GetMaskIndex(global, Key(key)); };
    c.IndexGLobalInfo = skin.GetSkinIndex(global);
    c.CheckBox = {globalMask("BOXUNCHECKED"), globalMask("BOXCHECKED"), globalMask("BOXGRAYED")};
    c.SmallCheckBox = {globalMask("SMALLUNCHECKED"), globalMask("SMALLCHECKED"), globalMask("SMALLGRAYED")};
    c.RadioButton = {globalMask("RADIOUNCHECKED"), globalMask("RADIOCHECKED")};
    c.ExBorder = globalMask("EXBORDER");
    c.GripRightBottom = globalMask("GRIPIMAGE");
    c.GripHorizontal = globalMask("GRIPHORZ");
    c.GripVertical = globalMask("GRIPVERT");
    c.MaskCloseBtn = globalMask("BICONCLOSE");
    c.MaskCloseAloneBtn = globalMask("BICLOSEALONE");
    c.MaskMaxBtn = globalMask("BICONMAX");
    c.MaskNormBtn = globalMask("BICONNORM");
    c.MaskMinBtn = globalMask("BICONMIN");
    c.MaskHelpBtn = globalMask("BICONHELP");
    c.MaskCloseSmall = globalMask("SICONCLOSE");
    c.MaskMaxSmall = globalMask("SICONMAX");
    c.MaskNormSmall = globalMask("SICONNORM");
    c.MaskMinSmall = globalMask("SICONMIN");
    c.MaskHelpSmall = globalMask("SICONHELP");

    c.Scrolls = {ElementData(skin, {"SCROLLBAR1H"}), ElementData(skin, {"SCROLLBAR1V"}),
                 ElementData(skin, {"SCROLLBAR2H"}), ElementData(skin, {"SCROLLBAR2V"})};
    c.ScrollBtns = {ElementData(skin, {"SCROLLBTNLEFT"}), ElementData(skin, {"SCROLLBTNTOP"}),
                    ElementData(skin, {"SCROLLBTNRIGHT"}), ElementData(skin, {"SCROLLBTNBOTTOM"})};
    c.UpDownBtns = {ElementData(skin, {"UPDOWNBTN_LEFT", "UPDOWNBTN", "BUTTON"}),
                    ElementData(skin, {"UPDOWNBTN_TOP", "UPDOWNBTN", "BUTTON"}),
                    ElementData(skin, {"UPDOWNBTNRIGHT", "UPDOWNBTN", "BUTTON"}),
                    ElementData(skin, {"UPDOWNBTN_BOTTOM", "UPDOWNBTN", "BUTTON"})};
    c.Sliders = {ElementData(skin, {"SCROLLSLIDERH"}), ElementData(skin, {"SCROLLSLIDERV"})};
    c.MenuItem = ElementData(skin, {"MENUITEM"});
    c.ComboBtn = ElementData(skin, {"COMBOBTN"});
    c.ComboBtn.GlyphIndex = skin.GetMaskIndex(Key("COMBOBOX"), Key("GLYPHMASK"));

    static const char* const tabNames[4][4] = {
        {"TABLEFTFIRST", "TABTOPFIRST", "TABRIGHTFIRST", "TABBOTTOMFIRST"},
        {"TABLEFTLAST", "TABTOPLAST", "TABRIGHTLAST", "TABBOTTOMLAST"},
        {"TABLEFTMIDDLE", "TABTOPMIDDLE", "TABRIGHTMIDDLE", "TABBOTTOMMIDDLE"},
        {"TABLEFT", "TABTOP", "TABRIGHT", "TABBOTTOM"},
    };
    for (int layout = 0; layout < 4; ++layout)
        for (int side = 0; side < 4; ++side)
            c.Tabs[std::size_t(layout)][std::size_t(side)] = ElementData(skin, {tabNames[layout][side]});

    static const char* const sectionNames[SectionCount] = {
        "BUTTON", "SPEEDBUTTON", "TOOLBUTTON", "MENUITEM", "CHECKBOX", "TRANSPARENT",
        "GROUPBOX", "WEBBUTTON", "SELECTION", "DIVIDER", "PANEL", "PANEL_LOW"};
    for (int s = 0; s < SectionCount; ++s) c.Sections[std::size_t(s)] = skin.GetSkinIndex(Key(sectionNames[s]));

    InitMaskIndexes(skin);
    ShadowCheck(skin, extendedBorders);
}

} // namespace tornivex
