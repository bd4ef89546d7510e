// "Aluminium (internal)": calm brushed light metal, crisp dark rims, blue glass push buttons
// carrying white text. Tune the look here; the layout is shared (Layout.h).
#include "BmpWriter.h"
#include "ExtraArt.h"
#include "ForgedSkin.h"
#include "Layout.h"
#include "MasterSheet.h"
#include "PngWriter.h"
#include "Textures.h"

namespace tornivex::forge {
namespace {

const QColor FormColour(190, 195, 203); // GLOBALINFO COLOR 13353918

BrushedMetalRecipe Metal() {
    BrushedMetalRecipe r;
    r.Base = QColor(194, 199, 207);
    r.RowShade = 4.0;
    r.Grain = 3.2;
    r.GrainLength = 18;
    r.Sheen = 2.0;
    r.Seed = 11;
    return r;
}

SkinStyle Style() {
    SkinStyle s;
    s.Rim = QColor(88, 96, 108);
    s.RimInactive = QColor(132, 138, 148);
    s.RimLight = QColor(255, 255, 255, 120);
    s.TitleSheen = QColor(255, 255, 255, 125);
    s.TitleSheenInactive = QColor(255, 255, 255, 70);
    s.TitleRule = QColor(84, 92, 106, 120);
    s.FormCuts = {5, 3, 2, 1, 1};
    s.FormTextureTile = BrushedMetalTile(FormTexture.Width, FormTexture.Height, Metal());

    s.ButtonProfile = {QColor(116, 170, 230), QColor(80, 142, 214), QColor(52, 112, 190),
                       QColor(44, 100, 178), QColor(58, 118, 196)};
    s.ButtonRim = QColor(28, 60, 116);
    s.ButtonRimHot = QColor(34, 88, 166);
    s.ButtonRimPressed = QColor(18, 42, 88);
    s.ButtonGloss = QColor(255, 255, 255, 105);
    s.ButtonHotRing = QColor(150, 210, 255, 150);
    s.ButtonPressedShade = QColor(8, 26, 64, 95);
    s.ButtonCuts = {2, 1};

    s.ControlRim = QColor(122, 130, 142);
    s.ControlRimHot = QColor(58, 118, 198);
    s.ControlRimPressed = QColor(38, 86, 156);
    s.ControlFaceTop = QColor(252, 252, 253);
    s.ControlFaceBottom = QColor(216, 220, 227);
    s.ControlHotTint = QColor(120, 180, 245, 50);
    s.ControlPressedTint = QColor(40, 90, 170, 60);
    s.Glyph = QColor(58, 64, 74);
    s.GlyphHot = QColor(28, 78, 148);
    s.GlyphPressed = QColor(18, 48, 106);
    s.GlyphDisabled = QColor(150, 155, 162);
    s.Accent = QColor(38, 98, 178);

    s.EditRim = QColor(136, 143, 154);
    s.EditShadow = QColor(0, 0, 0, 26);
    s.TrackRim = QColor(168, 174, 184);
    s.TrackShadow = QColor(0, 0, 0, 22);
    s.ThumbRim = QColor(118, 126, 138);
    s.ThumbRimHot = QColor(58, 118, 198);
    s.Selection = QColor(200, 220, 242);
    s.SelectionRim = QColor(150, 180, 220);
    s.SelectionFocusedRim = QColor(38, 98, 178);
    s.PanelLight = QColor(255, 255, 255, 150);
    s.PanelShadow = QColor(78, 86, 98);
    s.TabRim = QColor(128, 136, 148);
    s.TabHighlight = QColor(255, 255, 255, 120);

    s.ClosePlateTop = QColor(238, 240, 243);
    s.ClosePlateBottom = QColor(204, 209, 216);
    s.ClosePlateRim = QColor(126, 133, 144);
    s.CloseHotTop = QColor(232, 102, 88);
    s.CloseHotBottom = QColor(194, 52, 40);
    s.CloseHotRim = QColor(140, 34, 26);
    s.ClosePressedTop = QColor(168, 44, 34);
    s.ClosePressedBottom = QColor(138, 30, 22);
    s.CloseGlyph = QColor(64, 70, 80);
    s.CloseGlyphHot = QColor(255, 255, 255);
    s.TitleButtonHot = QColor(220, 232, 246);
    s.TitleButtonPressed = QColor(180, 200, 226);

    s.Shadow = QColor(0, 0, 0, 140);
    s.Light = QColor(255, 255, 255, 200);
    return s;
}

ForgedImage Huge(const SkinStyle& style) {
    const QImage image = BigButtonImage(style, 32);
    return {"Huge.bmp", EncodeBmpInfo24(image), image};
}

ForgedImage Master(const SkinStyle& style) {
    const QImage image = PaintMasterSheet(style, FormColour);
    return {"Master.bmp", EncodeBmpCore24(image), image};
}

ForgedImage ExtendedBorder() {
    // EXBORDER: two frames, all four margins 26.
    const QImage image = ShadowBorderImage(60, 24, QColor(0, 0, 0, 150));
    return {"Xb.png", EncodePngRgba(image), image};
}

} // namespace

ForgedSkin ForgeAluminium() {
    const SkinStyle style = Style();
    ForgedSkin skin;
    skin.SkinName = "Aluminium (internal)";
    skin.Images = {Huge(style), Master(style), ExtendedBorder()};
    return skin;
}

} // namespace tornivex::forge
