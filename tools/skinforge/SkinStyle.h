#pragma once
// The tunable look of one internal skin: every colour and corner shape the forge paints with.
// Alpha in a colour means "strength" where the comment says so.
#include <QColor>
#include <QImage>

#include <vector>

namespace tornivex::forge {

struct SkinStyle {
    // Window frame and title strip.
    QColor Rim, RimInactive;      // outermost line of the frame
    QColor RimLight;              // highlight just inside the rim (alpha = strength)
    QColor TitleSheen, TitleSheenInactive; // laid over the title strip, fading downwards
    QColor TitleRule;             // line under the title strip (alpha = strength)
    std::vector<int> FormCuts;    // key pixels per row at each window corner
    QImage FormTextureTile;       // the body texture (FormTexture size)

    // Push buttons.
    std::vector<QColor> ButtonProfile; // face colours from top to bottom (texture column)
    QColor ButtonRim, ButtonRimHot, ButtonRimPressed;
    QColor ButtonGloss;        // gloss over the upper margin (alpha = strength at the top)
    QColor ButtonHotRing;      // inner ring of the hot frame
    QColor ButtonPressedShade; // inner shade of the pressed frame
    std::vector<int> ButtonCuts;

    // Small controls: check boxes, radio buttons, scroll-bar parts.
    QColor ControlRim, ControlRimHot, ControlRimPressed;
    QColor ControlFaceTop, ControlFaceBottom;
    QColor ControlHotTint, ControlPressedTint; // laid over the face (alpha = strength)
    QColor Glyph, GlyphHot, GlyphPressed, GlyphDisabled;
    QColor Accent; // check marks and radio dots

    QColor EditRim, EditShadow;
    QColor TrackRim, TrackShadow;
    QColor ThumbRim, ThumbRimHot;
    QColor Selection, SelectionRim, SelectionFocusedRim;
    QColor PanelLight, PanelShadow;
    QColor TabRim, TabHighlight;

    // Title buttons.
    QColor ClosePlateTop, ClosePlateBottom, ClosePlateRim;
    QColor CloseHotTop, CloseHotBottom, CloseHotRim;
    QColor ClosePressedTop, ClosePressedBottom;
    QColor CloseGlyph, CloseGlyphHot;
    QColor TitleButtonHot, TitleButtonPressed;

    // Outer effects (extended borders only).
    QColor Shadow, Light;
};

} // namespace tornivex::forge
