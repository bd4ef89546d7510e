#pragma once
// The option groups published by the skin manager, with their values after construction.
#include <QString>
#include <QStringList>

#include <array>

namespace tornivex {

enum TacSkinningRule : unsigned { srStdForms = 1, srStdDialogs = 2, srThirdParty = 4 };
using TacSkinningRules = unsigned;
inline constexpr TacSkinningRules AllSkinningRules = srStdForms | srStdDialogs | srThirdParty;

enum TacOptimizingPriority { opSpeed, opMemory };
enum TacAnimType { atFading, atAero };
// The button events the manager animates (`TacBtnEvents`).
enum TacBtnEvent : unsigned { beMouseEnter = 1, beMouseLeave = 2, beMouseDown = 4, beMouseUp = 8 };
enum TacSkinTypes { stUnpacked, stPacked, stAllSkins };

struct TacSkinEffects {
    bool AllowAnimation = true;
    bool AllowAeroBluring = true;
    bool AllowGlowing = true;
    bool AllowOuterEffects = false;
    bool DiscoloredGlyphs = false;
};

struct TacButtonsSupport {
    bool ShowFocusRect = true;
    bool ShiftContentOnClick = true;
};

struct TacLabelsSupport {
    bool TransparentAlways = true;
};

struct TacScrollBarsSupport {
    int ScrollSize = -1;  // -1 = the system size
    int ButtonsSize = -1; // -1 = the system size
};

struct TacOptions {
    bool CheckEmptyAlpha = false;
    bool NoMouseHover = false;
    bool NativeBordersMaximized = false;
    bool StdGlyphsOrder = false;
    bool ChangeSysColors = false;
    TacOptimizingPriority OptimizingPriority = opSpeed;
};

struct TacBlendOnMoving {
    bool Active = false;
    int BlendValue = 170;
    int Time = 1000;
};

struct TacFormAnimation {
    bool Active = true;
    int Time = 0;
    TacAnimType Mode = atAero;
};

struct TacMinimizingAnimation {
    bool Active = true;
    int Time = 120;
};

struct TacPageChangeAnimation {
    bool Active = true;
    int Time = 0;
};

struct TacSkinChangingAnimation {
    bool Active = true;
    int Time = 100;
    TacAnimType Mode = atFading;
};

struct TacButtonsAnimation {
    unsigned Events = beMouseEnter | beMouseLeave | beMouseDown | beMouseUp;
};

struct TacAnimEffects {
    TacBlendOnMoving BlendOnMoving;
    TacButtonsAnimation Buttons;
    TacFormAnimation DialogShow;
    TacFormAnimation FormShow;
    TacFormAnimation FormHide;
    TacFormAnimation DialogHide;
    TacMinimizingAnimation Minimizing;
    TacPageChangeAnimation PageChange;
    TacSkinChangingAnimation SkinChanging;
};

struct TacMenuSupport {
    QString IcoLineSkin;
};

// Class names of standard controls that the child adapter skins, one list per control kind.
enum TacThirdPartyKind : int {
    tpEdits, tpButtons, tpBitBtns, tpCheckBoxes, tpGroupBoxes, tpListViews, tpPanels, tpGrids,
    tpTreeViews, tpComboBoxes, tpDataEdits, tpVirtualTrees, tpDataGrids, tpPageControls,
    tpTabControls, tpToolBars, tpStatusBars, tpSpeedButtons, tpScrollControls, tpUpDowns,
    tpScrollBars, tpStaticTexts, tpNativePaint,
};
inline constexpr int ThirdPartyListCount = tpNativePaint + 1;

struct TacThirdPartyLists {
    std::array<QStringList, ThirdPartyListCount> Lists;
    QStringList& ThirdButtons() { return Lists[tpButtons]; }
    const QStringList& ThirdButtons() const { return Lists[tpButtons]; }
    // Lists that are empty get the built-in class names of their kind.
    void ApplyDefaultsToEmpty();
};

} // namespace tornivex
