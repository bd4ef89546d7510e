#pragma once
// Skin-wide values read from [GLOBALINFO] (`CommonSkinData`) and the two outer-effect rows (`oe`).
#include <QString>

#include "common/color/Color.h"

namespace tornivex {

struct TsSkinData {
    bool Active = false; // true only while a loaded skin is applied
    QString SkinPath;    // directory of an external skin with trailing separator; empty if internal
    double Version = 0;
    QString Author;
    QString Description;
    int ExBorderWidth = 4;
    int ExTitleHeight = 30;
    int ExMaxHeight = 30;
    int ExContentOffs = 4;
    int ExCenterOffs = 0;
    int ExDrawMode = 0;
    int BrightMin = -50;
    int BrightMax = 50;
    int ExShadowOffs = 0;
    int ExShadowOffsR = 0;
    int ExShadowOffsT = 0;
    int ExShadowOffsB = 0;
    int BISpacing = 0;
    int BIVAlign = 0;
    int BIRightMargin = 0;
    int BILeftMargin = 0;
    int BITopMargin = 0;
    int BIKeepHUE = 0;
    bool UseAeroBluring = false;
    int BICloseGlow = 0;
    int BICloseGlowMargin = 0;
    int BIMaxGlow = 0;
    int BIMaxGlowMargin = 0;
    int BIMinGlow = 0;
    int BIMinGlowMargin = 0;
    TColor Shadow1Color = 0;
    int Shadow1Offset = 0;
    int Shadow1Blur = -1;
    int Shadow1Transparency = 0;
    int ComboBoxMargin = 2;
    int TabsCovering = 0;
    int RibbonCovering = 0;
};

// One outer effect: index 0 the light ("LO_" keys), index 1 the shadow ("SH_" keys).
struct TacOutEffData {
    TColor ColorL = 0;
    TColor ColorT = 0;
    TColor ColorR = 0;
    TColor ColorB = 0;
    int WidthL = -1;
    int WidthT = -1;
    int WidthR = -1;
    int WidthB = -1;
    int OffsetL = 0;
    int OffsetT = 0;
    int OffsetR = 0;
    int OffsetB = 0;
    int Source = 2;
    int Opacity = 0;
    int Mask = -1; // mask index of the effect image
};

} // namespace tornivex
