#pragma once
// Row types of the skin manager's tables: the section table `gd` (one TsGeneralData per options
// section) and the image table `ma` (one TsMaskData per image reference).
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

#include "Bitmap32.h"
#include "Geometry.h"
#include "common/color/Color.h"

namespace tornivex {

class TsSkinManager;

// One gradient segment.
struct TsGradPie {
    TColor Color1 = 0;
    TColor Color2 = 0;
    int Percent = 0; // share of the length, 0..100
    int Mode1 = 0;   // direction: 0 vertical, 1 horizontal, 2 four triangles
    int Mode2 = 0;   // not read from the options text
    friend bool operator==(const TsGradPie&, const TsGradPie&) = default;
};
using TsGradArray = std::vector<TsGradPie>;

// Text colour and its four contour (shadow) colours; -1 = none.
struct TsFontColor {
    TColor Color = 0;
    TColor Left = clNone;
    TColor Top = clNone;
    TColor Right = clNone;
    TColor Bottom = clNone;
    friend bool operator==(const TsFontColor&, const TsFontColor&) = default;
};

// The property set of one visual state of a section (index 0 normal, 1 hot).
struct TsGenState {
    TColor Color = clWhite;
    TsFontColor FontColor;
    TColor GlowColor = clWhite;
    int GlowSize = 0;
    int GradientPercent = 0;
    TsGradArray GradientArray;
    int ImagePercent = 0;
    int Transparency = 0; // 0 opaque .. 100 fully transparent
    int TextureIndex = -1;
    friend bool operator==(const TsGenState&, const TsGenState&) = default;
};

struct TsOuterOffset {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const TsOuterOffset&, const TsOuterOffset&) = default;
};

// One row of the section table `gd`; its row number is the skin index.
struct TsGeneralData {
    QString ClassName;
    QString ParentClass;
    std::array<TsGenState, 2> Props;
    bool GiveOwnFont = false;
    bool ReservedBoolean = false;
    int States = 3;
    int GlowCount = 0;
    int GlowMargin = 0;
    int OuterMode = 2;
    TsOuterOffset OuterOffset;
    int OuterOpacity = 200;
    int BorderIndex = -1;
    int OuterMask = -1;
    int ImgTL = -1;
    int ImgTR = -1;
    int ImgBL = -1;
    int ImgBR = -1;
    int TextureNormal = -1;
    int ScrollBorderOffset = -2;
};

enum TacImgType : std::uint8_t {
    itisaBorder = 0,
    itisaTexture = 1,
    itisaGlyph = 2,
    itisaGlow = 3,
    itisaPngGlyph = 4,
};

// One row of the image table `ma`; its row number is the mask index. A row names the image it
// was built from, so a copy of it stays true after the manager has loaded another skin.
struct TsMaskData {
    TBitmap32Ptr Bmp;    // the row's own image; null = cut from the master image below
    TBitmap32Ptr Master; // the master image of the skin the row was loaded with
    QString ClassName;
    QString PropertyName;
    TRect R;
    std::int16_t ImageCount = 0;
    std::int16_t MaskType = 0;
    std::int16_t BorderWidth = 0;
    std::int16_t DrawMode = 0;
    TacImgType ImgType = itisaBorder;
    const TsSkinManager* Manager = nullptr; // the owning manager; a row without one is never drawn
    std::int16_t WL = 0;
    std::int16_t WT = 0;
    std::int16_t WR = 0;
    std::int16_t WB = 0;
    int CornerType = 0; // 0 opaque corners, 1 key-colour corners, 2 cut by window region
    int SkinIndex = -1;
};

// The image a row is cut from: its own image, else the master image it was loaded with; null
// when there is neither.
const TBitmap32* MaskSourceImage(const TsMaskData& md);

// Size of one state frame of an image row.
int MaskCellWidth(const TsMaskData& md);
int MaskCellHeight(const TsMaskData& md);

// A decoded image file of the skin, kept once per load under its reference name.
struct TacExtFileData {
    TBitmap32Ptr Bmp;
    QString FileName;
    int MaskType = 0;
};

} // namespace tornivex
