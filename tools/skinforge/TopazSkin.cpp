// "Topaz (internal)": warm satin cream with amber gem-cut push buttons and dark brown text,
// golden title sheen and soft amber glows behind the big title buttons. Tune the look here.
#include "BmpWriter.h"
#include "ExtraArt.h"
#include "ForgedSkin.h"
#include "Layout.h"
#include "MasterSheet.h"
#include "PngWriter.h"
#include "Textures.h"

namespace tornivex::forge {
namespace {

const QColor FormColour(226, 212, 188);  // GLOBALINFO COLOR
const QColor SatinDark(172, 140, 96);    // palette ramp of Corner.bmp
const QColor SatinLight(255, 246, 228);
constexpr int SatinTileSize = 124;
constexpr double SatinShade = 4.5;   // contrast of the satin facets

SkinStyle Style() {
    SkinStyle s;
    s.Rim = QColor(118, 76, 28);
    s.RimInactive = QColor(164, 132, 92);
    s.RimLight = QColor(255, 248, 226, 130);
    s.TitleSheen = QColor(255, 190, 80, 120);
    s.TitleSheenInactive = QColor(255, 226, 170, 70);
    s.TitleRule = QColor(140, 88, 30, 120);
    s.FormCuts = {4, 2, 1, 1};
    BrushedMetalRecipe warm;
    warm.Base = QColor(230, 216, 192);
    warm.RowShade = 3.0;
    warm.Grain = 2.5;
    warm.GrainLength = 22;
    warm.Sheen = 2.5;
    warm.Seed = 23;
    s.FormTextureTile = BrushedMetalTile(FormTexture.Width, FormTexture.Height, warm);

    s.ButtonProfile = {QColor(252, 218, 146), QColor(240, 186, 92), QColor(220, 148, 48),
                       QColor(204, 128, 34), QColor(226, 158, 62)};
    s.ButtonRim = QColor(124, 72, 14);
    s.ButtonRimHot = QColor(176, 104, 20);
    s.ButtonRimPressed = QColor(96, 54, 10);
    s.ButtonGloss = QColor(255, 252, 234, 135);
    s.ButtonHotRing = QColor(255, 238, 160, 175);
    s.ButtonPressedShade = QColor(90, 44, 0, 95);
    s.ButtonCuts = {2, 1};

    s.ControlRim = QColor(160, 128, 90);
    s.ControlRimHot = QColor(204, 132, 40);
    s.ControlRimPressed = QColor(150, 90, 20);
    s.ControlFaceTop = QColor(255, 252, 244);
    s.ControlFaceBottom = QColor(236, 222, 196);
    s.ControlHotTint = QColor(255, 200, 110, 60);
    s.ControlPressedTint = QColor(200, 120, 30, 60);
    s.Glyph = QColor(92, 62, 30);
    s.GlyphHot = QColor(150, 82, 10);
    s.GlyphPressed = QColor(110, 58, 4);
    s.GlyphDisabled = QColor(182, 166, 140);
    s.Accent = QColor(186, 106, 18);

    s.EditRim = QColor(170, 140, 100);
    s.EditShadow = QColor(60, 30, 0, 30);
    s.TrackRim = QColor(202, 182, 150);
    s.TrackShadow = QColor(60, 30, 0, 24);
    s.ThumbRim = QColor(160, 120, 70);
    s.ThumbRimHot = QColor(204, 132, 40);
    s.Selection = QColor(250, 222, 170);
    s.SelectionRim = QColor(220, 170, 100);
    s.SelectionFocusedRim = QColor(176, 98, 18);
    s.PanelLight = QColor(255, 250, 236, 150);
    s.PanelShadow = QColor(110, 80, 40);
    s.TabRim = QColor(160, 128, 90);
    s.TabHighlight = QColor(255, 250, 236, 120);

    s.ClosePlateTop = QColor(252, 242, 222);
    s.ClosePlateBottom = QColor(230, 210, 176);
    s.ClosePlateRim = QColor(160, 128, 90);
    s.CloseHotTop = QColor(238, 122, 62);
    s.CloseHotBottom = QColor(200, 70, 20);
    s.CloseHotRim = QColor(136, 48, 10);
    s.ClosePressedTop = QColor(170, 60, 16);
    s.ClosePressedBottom = QColor(140, 44, 8);
    s.CloseGlyph = QColor(100, 70, 40);
    s.CloseGlyphHot = QColor(255, 255, 255);
    s.TitleButtonHot = QColor(255, 234, 184);
    s.TitleButtonPressed = QColor(238, 202, 142);

    s.Shadow = QColor(40, 20, 0, 140);
    s.Light = QColor(255, 240, 200, 200);
    return s;
}

ForgedImage ButtonHuge(const SkinStyle& style) {
    const QImage image = BigButtonImage(style, 32);
    return {"ButtonHuge.bmp", EncodeBmpInfo24(image), image};
}

ForgedImage Corner() {
    // The window body texture, kept as an 8-bit palette image along one warm ramp.
    const QImage satin = SatinFacetTile(SatinTileSize, SatinTileSize, FormColour, SatinShade, 5);
    const QImage indexed = ToRampIndexed8(satin, SatinDark, SatinLight);
    return {"Corner.bmp", EncodeBmpInfo8(indexed), indexed.convertToFormat(QImage::Format_RGB32)};
}

ForgedImage Master(const SkinStyle& style) {
    const QImage image = PaintMasterSheet(style, FormColour);
    return {"Master.bmp", EncodeBmpCore24(image), image};
}

ForgedImage Glow(const char* name, int width, int height, const QColor& colour) {
    const QImage image = GlowImage(width, height, colour);
    return {name, EncodePngRgba(image), image};
}

} // namespace

ForgedSkin ForgeTopaz() {
    const SkinStyle style = Style();
    const QColor amber(255, 176, 60, 170), ember(255, 96, 40, 180);
    // Halos are the big title button (24 x 18) plus 8 pixels on every side.
    ForgedSkin skin;
    skin.SkinName = "Topaz (internal)";
    skin.Images = {ButtonHuge(style), Corner(), Master(style), Glow("Glow.png", 40, 34, amber),
                   Glow("GlowCAlone.png", 48, 34, ember), Glow("GlowClose.png", 40, 34, ember),
                   Glow("GlowH.png", 40, 34, amber), Glow("GlowMax.png", 40, 34, amber),
                   Glow("GlowMin.png", 40, 34, amber), Glow("GlowNorm.png", 40, 34, amber)};
    return skin;
}

} // namespace tornivex::forge
