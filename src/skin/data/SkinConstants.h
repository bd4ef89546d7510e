#pragma once
// Indexes the manager computes once per skin change so painting need not search the tables.
#include <QString>

#include <array>

namespace tornivex {

// Sections cached in TConstantSkinData::Sections.
enum TacSection : int {
    ssButton,
    ssSpeedButton,
    ssToolButton,
    ssMenuItem,
    ssCheckBox,
    ssTransparent,
    ssGroupBox,
    ssWebButton,
    ssSelection,
    ssDivider,
    ssPanel,
    ssPanelLow,
};
inline constexpr int SectionCount = ssPanelLow + 1;

// Indexes of one kind of skinned element (all -1 when missing).
struct TacConstElementData {
    QString SkinSection;
    int SkinIndex = -1;
    int MaskIndex = -1;          // its BORDERSMASK
    int GlyphIndex = -1;         // its GLYPHMASK
    std::array<int, 2> BGIndex{-1, -1}; // its PATTERN and HOTPATTERN
};

// Sides in the order left, top, right, bottom.
enum TacSide : int { asLeft, asTop, asRight, asBottom };
// Tab layouts: first, last, middle, single.
enum TacTabLayout : int { tlFirst, tlLast, tlMiddle, tlSingle };

struct TConstantSkinData {
    int IndexGLobalInfo = -1;
    std::array<int, 3> CheckBox{-1, -1, -1};
    std::array<int, 3> SmallCheckBox{-1, -1, -1};
    std::array<int, 2> RadioButton{-1, -1};
    int ExBorder = -1;
    int GripRightBottom = -1;
    int GripHorizontal = -1;
    int GripVertical = -1;
    int MaskCloseBtn = -1;
    int MaskCloseAloneBtn = -1;
    int MaskMaxBtn = -1;
    int MaskNormBtn = -1;
    int MaskMinBtn = -1;
    int MaskHelpBtn = -1;
    int MaskCloseSmall = -1;
    int MaskMaxSmall = -1;
    int MaskNormSmall = -1;
    int MaskMinSmall = -1;
    int MaskHelpSmall = -1;
    std::array<TacConstElementData, 4> Scrolls;    // by TacSide
    std::array<TacConstElementData, 4> ScrollBtns; // by TacSide
    std::array<TacConstElementData, 4> UpDownBtns; // by TacSide
    std::array<TacConstElementData, 2> Sliders;    // horizontal, vertical
    TacConstElementData MenuItem;
    TacConstElementData ComboBtn;
    std::array<std::array<TacConstElementData, 4>, 4> Tabs; // [TacTabLayout][TacSide]
    std::array<int, SectionCount> Sections{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
};

} // namespace tornivex
