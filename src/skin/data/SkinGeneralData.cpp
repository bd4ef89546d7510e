// The section table, common values, outer effects and palette of a load.
#include <cmath>

#include "ColorAdjust.h"
#include "ImageNotation.h"
#include "OutEffectImages.h"
#include "SkinError.h"
#include "SkinLoader.h"

namespace tornivex {
namespace {

const QString GlobalInfo = QStringLiteral("GLOBALINFO");

QString Key(const char* name) { return QString::fromLatin1(name); }

// Per channel: 5 % of `text` and 95 % of `background`, rounded.
TColor MixEvenRow(TColor text, TColor background) {
    auto mix = [](int t, int b) { return int(std::lround(t * 0.05 + b * 0.95)); };
    return MakeColor(mix(ColorR(text), ColorR(background)), mix(ColorG(text), ColorG(background)),
                     mix(ColorB(text), ColorB(background)));
}

} // namespace

void TSkinLoader::LoadAllGeneralData() {
    skin_.CommonSkinData.Version = ReadSkinVersion(options_);
    ReadCommonValues();
    ReadOuterEffects();
    skin_.CommonSkinData.TabsCovering =
        reader_.ReadDirectInt(options_.IndexOfSection(Key("TABTOP")), Key("TABSCOVERING"), 0);
    skin_.CommonSkinData.RibbonCovering =
        reader_.ReadDirectInt(options_.IndexOfSection(Key("RIBBONTAB")), Key("TABSCOVERING"), 0);

    skin_.gd.clear();
    skin_.gd.reserve(std::size_t(options_.SectionCount()) + 1);
    for (int section = 0; section < options_.SectionCount(); ++section)
        skin_.gd.push_back(ReadSection(section));
    InitMaskIndexes(skin_);
    FillPalette();
    AddTransparentRow();
    AdjustSkinColors(skin_, settings_.HueOffset, settings_.Saturation, settings_.Brightness);
}

void TSkinLoader::ReadCommonValues() {
    TsSkinData& d = skin_.CommonSkinData;
    const int g = globalInfo_;
    auto get = [&](const char* key, int def) { return reader_.ReadDirectInt(g, Key(key), def); };
    d.Author = reader_.ReadDirectText(g, Key("AUTHOR"), QString());
    d.Description = reader_.ReadDirectText(g, Key("DESCRIPTION"), QString());
    d.ExBorderWidth = get("BORDERWIDTH", 4);
    d.ExTitleHeight = get("TITLEHEIGHT", 30);
    if (d.ExTitleHeight == 0) d.ExTitleHeight = 30;
    d.ExMaxHeight = get("MAXHEIGHT", 0);
    if (d.ExMaxHeight == 0) d.ExMaxHeight = d.ExTitleHeight;
    d.ExContentOffs = get("FORMOFFSET", settings_.SizingFrameWidth);
    d.ExCenterOffs = get("CENTEROFFSET", 0);
    d.ExDrawMode = get("BORDERMODE", 0);
    d.BrightMin = get("BRIGHTMIN", -50);
    d.BrightMax = get("BRIGHTMAX", 50);
    d.ExShadowOffs = get("ALIGNOFFSET", 0);
    d.ExShadowOffsR = get("ALIGNOFFSETR", d.ExShadowOffs);
    d.ExShadowOffsT = get("ALIGNOFFSETT", d.ExShadowOffs);
    d.ExShadowOffsB = get("ALIGNOFFSETB", d.ExShadowOffs);
    d.BISpacing = get("BISPACE", 0);
    d.BIVAlign = get("BIVALIGN", 0);
    d.BIRightMargin = get("BIRIGHT", 0);
    d.BILeftMargin = get("BILEFT", 0);
    d.BITopMargin = get("BITOP", 0);
    d.BIKeepHUE = get("BIKEEPHUE", 0);
    d.UseAeroBluring = get("AEROBLUR", 0) != 0;
    d.BICloseGlow = get("BICONCLOSEGLOW", 0);
    d.BICloseGlowMargin = get("BICONCLOSEGLOWMARGIN", 0);
    d.BIMaxGlow = get("BICONMAXGLOW", 0);
    d.BIMaxGlowMargin = get("BICONMAXGLOWMARGIN", 0);
    d.BIMinGlow = get("BICONMINGLOW", 0);
    d.BIMinGlowMargin = get("BICONMINGLOWMARGIN", 0);
    d.Shadow1Color = get("SHADOW1COLOR", 0);
    d.Shadow1Offset = get("SHADOW1OFFSET", 0);
    d.Shadow1Blur = get("SHADOW1BLUR", -1);
    d.Shadow1Transparency = get("SHADOW1TRANSPARENCY", 0);
    d.ComboBoxMargin = get("COMBOMARGIN", 2);
}

TacOutEffData TSkinLoader::ReadOuterEffect(const QString& prefix, const TacOutEffData& defaults) {
    TacOutEffData e;
    auto get = [&](const char* key, int def) {
        return reader_.ReadDirectInt(globalInfo_, prefix + Key(key), def);
    };
    e.ColorL = get("COLORL", defaults.ColorL);
    e.ColorT = get("COLORT", defaults.ColorT);
    e.ColorR = get("COLORR", defaults.ColorR);
    e.ColorB = get("COLORB", defaults.ColorB);
    e.WidthL = get("WIDTHL", -1);
    e.WidthT = get("WIDTHT", -1);
    e.WidthR = get("WIDTHR", -1);
    e.WidthB = get("WIDTHB", -1);
    e.OffsetL = get("OFFSETL", defaults.OffsetL);
    e.OffsetT = get("OFFSETT", defaults.OffsetT);
    e.OffsetR = get("OFFSETR", defaults.OffsetR);
    e.OffsetB = get("OFFSETB", defaults.OffsetB);
    e.Source = get("SOURCE", 2);
    e.Opacity = get("OPACITY", defaults.Opacity);
    e.Mask = OuterEffectMask(prefix + Key("MASK"), e);
    return e;
}

void TSkinLoader::ReadOuterEffects() {
    TacOutEffData light;
    light.ColorL = clWhite, light.ColorT = 0, light.ColorR = clWhite, light.ColorB = clWhite;
    light.OffsetL = 2, light.OffsetT = 2, light.OffsetR = 2, light.OffsetB = 4;
    light.Opacity = 200;
    TacOutEffData shadow;
    shadow.OffsetL = 3, shadow.OffsetT = 2, shadow.OffsetR = 3, shadow.OffsetB = 5;
    shadow.Opacity = 60;
    skin_.oe[0] = ReadOuterEffect(QStringLiteral("LO_"), light);
    skin_.oe[1] = ReadOuterEffect(QStringLiteral("SH_"), shadow);
}

int TSkinLoader::OuterEffectMask(const QString& key, TacOutEffData& effect) {
    if (effect.Source == 0) return -1;
    TsMaskData md;
    md.ClassName = GlobalInfo;
    md.PropertyName = key;
    md.SkinIndex = globalInfo_;
    md.Manager = settings_.Manager;
    md.ImgType = itisaBorder;
    if (effect.Source == 1) {
        const QString value = reader_.ReadDirectText(globalInfo_, key, QString()).toUpper();
        if (value.isEmpty()) return -1;
        // Parsed as a borders notation whatever its first character.
        const TImageNotation n = ParseImageNotation(u'^' + value.mid(1), QStringLiteral("[GLOBALINFO] ") + key);
        md.R = n.R;
        md.WL = std::int16_t(n.WL), md.WT = std::int16_t(n.WT), md.WR = std::int16_t(n.WR), md.WB = std::int16_t(n.WB);
        md.ImageCount = std::int16_t(n.ImageCount);
        md.MaskType = std::int16_t(n.MaskType);
        md.DrawMode = std::int16_t(n.DrawMode);
        md.BorderWidth = std::int16_t(n.BorderWidth);
    } else {
        const TBitmap32Ptr blur = BuiltInBlurImage();
        const int w = blur->Width();
        md.Bmp = MakeOuterEffectMask(*blur, effect);
        md.R = TRect{0, 0, w, 2 * w};
        md.ImageCount = 1;
        md.MaskType = 1;
        md.DrawMode = 1;
        md.BorderWidth = md.WL = md.WT = md.WR = md.WB = std::int16_t(w / 2);
        for (int* width : {&effect.WidthL, &effect.WidthT, &effect.WidthR, &effect.WidthB})
            if (*width == -1) *width = w / 2;
    }
    skin_.ma.push_back(std::move(md));
    return int(skin_.ma.size()) - 1;
}

TsGenState TSkinLoader::ReadState(int section, bool hot) const {
    const TsGenState defaults;
    const QString& name = options_.SectionAt(section).Name;
    auto key = [&](const char* normal, const char* hotKey) { return Key(hot ? hotKey : normal); };
    auto get = [&](const char* normal, const char* hotKey, int def) {
        return reader_.ReadInt(section, key(normal, hotKey), def);
    };
    TsGenState s;
    s.Color = get("COLOR", "HOTCOLOR", defaults.Color);
    s.FontColor.Color = get("FONTCOLOR", "HOTFONTCOLOR", 0);
    s.FontColor.Left = get("TCLEFT", "HOTTCLEFT", clNone);
    s.FontColor.Top = get("TCTOP", "HOTTCTOP", clNone);
    s.FontColor.Right = get("TCRIGHT", "HOTTCRIGHT", clNone);
    s.FontColor.Bottom = get("TCBOTTOM", "HOTTCBOTTOM", clNone);
    s.GlowColor = get("GCOL", "HGCOL", clWhite);
    s.GlowSize = get("GSIZE", "HGSIZE", 0);
    s.GradientPercent = get("GRADIENTPERCENT", "HOTGRADIENTPERCENT", 0);
    const QString gradientKey = key("GRADIENTDATA", "HOTGRADIENTDATA");
    const QString gradient = reader_.ReadText(section, gradientKey, QStringLiteral(" "));
    s.GradientArray = ParseGradient(gradient, QStringLiteral("[%1] %2").arg(name, gradientKey));
    if (IsNoGradient(gradient)) s.GradientPercent = 0;
    s.ImagePercent = get("IMAGEPERCENT", "HOTIMAGEPERCENT", 0);
    s.Transparency = get("TRANSPARENCY", "HOTTRANSPARENCY", 0);
    s.TextureIndex = -1;
    return s;
}

TsGeneralData TSkinLoader::ReadSection(int section) const {
    TsGeneralData row;
    row.ClassName = options_.SectionAt(section).Name;
    row.ParentClass = reader_.ReadDirectText(section, Key("PARENTCLASS"), QString());
    row.ReservedBoolean = reader_.ReadBool(section, Key("RESERVEDBOOLEAN"), false);
    row.GiveOwnFont = reader_.ReadBool(section, Key("GIVEOWNFONT"), false);
    row.GlowCount = reader_.ReadInt(section, Key("GLOW"), 0);
    row.GlowMargin = reader_.ReadInt(section, Key("GLOWMARGIN"), 0);
    row.States = reader_.ReadInt(section, Key("STATES"), 3);
    row.OuterOffset.Left = reader_.ReadInt(section, Key("OUTOFFSL"), 0);
    row.OuterOffset.Top = reader_.ReadInt(section, Key("OUTOFFST"), 0);
    row.OuterOffset.Right = reader_.ReadInt(section, Key("OUTOFFSR"), 0);
    row.OuterOffset.Bottom = reader_.ReadInt(section, Key("OUTOFFSB"), 0);
    row.OuterOpacity = reader_.ReadInt(section, Key("OUTOPACITY"), 200);
    row.OuterMode = reader_.ReadInt(section, Key("OUTERMODE"), 2);
    row.Props[0] = ReadState(section, false);
    row.Props[1] = row.States >= 2 ? ReadState(section, true) : row.Props[0];
    return row;
}

void TSkinLoader::FillPalette() {
    TacPalette& p = skin_.Palette;
    const int g = globalInfo_;
    auto get = [&](const char* key, TColor def) { return reader_.ReadDirectInt(g, Key(key), def); };
    p[pcMainColor] = get("COLOR", ColorToRGB(SystemColor(COLOR_BTNFACE)));
    p[pcLabelText] = get("FONTCOLOR", 0);
    p[pcWebText] = get("TCBOTTOM", 0xFF0000);
    p[pcWebTextHot] = get("TCTOP", 0x0000FF);

    const int edit = skin_.GetSkinIndex(Key("EDIT"));
    p[pcEditText] = edit >= 0 ? ColorToRGB(skin_.gd[std::size_t(edit)].Props[0].FontColor.Color)
                              : ColorToRGB(SystemColor(COLOR_WINDOWTEXT));
    p[pcEditBG] = edit >= 0 ? ColorToRGB(skin_.gd[std::size_t(edit)].Props[0].Color)
                            : ColorToRGB(SystemColor(COLOR_WINDOW));

    const int selection = skin_.GetSkinIndex(Key("SELECTION"));
    if (selection >= 0) {
        const TsGeneralData& row = skin_.gd[std::size_t(selection)];
        const TsGenState& focused = row.States >= 2 ? row.Props[1] : row.Props[0];
        p[pcSelectionBG] = row.Props[0].Color;
        p[pcSelectionText] = row.Props[0].FontColor.Color;
        p[pcSelectionBG_Focused] = focused.Color;
        p[pcSelectionText_Focused] = focused.FontColor.Color;
    } else {
        p[pcSelectionBG] = p[pcSelectionText] = p[pcSelectionBG_Focused] = p[pcSelectionText_Focused] = clNone;
    }
    if (p[pcSelectionText] == clNone || p[pcSelectionText] == clFuchsia) {
        const int menuItem = skin_.GetSkinIndex(Key("MENUITEM"));
        if (menuItem >= 0) {
            const TsGenState& hot = skin_.gd[std::size_t(menuItem)].Props[1];
            const TColor text = hot.FontColor.Color;
            p[pcSelectionText] = text == clNone || text == clFuchsia ? SystemColor(COLOR_HIGHLIGHTTEXT)
                                                                     : ColorToRGB(text);
            p[pcSelectionBG] = p[pcSelectionBG_Focused] = hot.Color;
            p[pcSelectionText_Focused] = p[pcSelectionText];
        } else {
            p[pcSelectionText] = p[pcSelectionText_Focused] = ColorToRGB(SystemColor(COLOR_HIGHLIGHTTEXT));
            p[pcSelectionBG] = p[pcSelectionBG_Focused] = ColorToRGB(SystemColor(COLOR_HIGHLIGHT));
        }
    }

    p[pcEditBG_Inverted] = get("EDITBG_INV", p[pcEditText]);
    p[pcEditText_Inverted] = get("EDITTEXT_INV", p[pcEditBG]);
    p[pcEditBG_OddRow] = get("EDITBG_ODD", p[pcEditBG]);
    p[pcEditBG_EvenRow] = get("EDITBG_EVEN", MixEvenRow(p[pcEditText], p[pcEditBG]));
    p[pcEditText_Ok] = get("EDITTEXT_OK", 0x008000);
    p[pcEditText_Warning] = get("EDITTEXT_WARN", 0x008484);
    p[pcEditText_Alert] = get("EDITTEXT_ALERT", 0x0000FF);
    p[pcEditText_Caution] = 0x8597D9;
    p[pcEditText_Bypassed] = 0x4AB28F;
    p[pcEditBG_Ok] = get("EDITBG_OK", 0x6CC2A5);
    p[pcEditBG_Warning] = get("EDITBG_WARN", 0x40FFFF);
    p[pcEditBG_Alert] = get("EDITBG_ALERT", 0x95A7E9);
    p[pcEditBG_Caution] = 0x8597D9;
    p[pcEditBG_Bypassed] = 0x4AB28F;
    p[pcEditText_Highlight1] = get("EDITTEXT_H1", 0);
    p[pcEditText_Highlight2] = get("EDITTEXT_H2", 0);
    p[pcEditText_Highlight3] = get("EDITTEXT_H3", 0);
    p[pcBorder] = get("BORDERCOLOR", 0);
}

void TSkinLoader::AddTransparentRow() {
    if (skin_.GetSkinIndex(Key("TRANSPARENT")) >= 0) return;
    TsGeneralData row;
    row.ClassName = Key("TRANSPARENT");
    row.States = 1;
    row.OuterMode = 0;
    row.OuterOpacity = 0;
    TsGenState state;
    state.Transparency = 100;
    state.Color = clWhite;
    state.FontColor = TsFontColor{skin_.Palette[pcLabelText], clNone, clNone, clNone, clNone};
    state.GlowColor = 0;
    row.Props = {state, state};
    skin_.gd.push_back(std::move(row));
}

} // namespace tornivex
