#pragma once
// Where each element lives in the master image. Both internal skins share this layout; their
// options texts address the same rectangles (R = left, top, right, bottom in the notations).
// Keep the two in step: the skins tests check every options rectangle against the images.
#include <QPoint>
#include <QRect>

namespace tornivex::forge {

// `Frames` cells of Width x Height side by side at (X, Y); with a mask half below when Masked.
struct CellStrip {
    int X, Y, Width, Height, Frames;
    bool Masked;

    constexpr int Right() const { return X + Width * Frames; }
    constexpr int Bottom() const { return Y + Height * (Masked ? 2 : 1); }
    QPoint Origin() const { return {X, Y}; }
};

inline constexpr int MasterWidth = 480;
inline constexpr int MasterHeight = 256;

// Check boxes, radio buttons and menu check marks (glyph notation, three states, masked).
inline constexpr CellStrip BoxUnchecked{0, 0, 15, 15, 3, true};
inline constexpr CellStrip BoxGrayed{45, 0, 15, 15, 3, true};
inline constexpr CellStrip RadioUnchecked{90, 0, 15, 15, 3, true};
inline constexpr CellStrip BoxChecked{217, 0, 15, 15, 3, true};
inline constexpr CellStrip RadioChecked{262, 0, 15, 15, 3, true};
inline constexpr CellStrip MenuCheck{307, 0, 15, 15, 3, true};
inline constexpr CellStrip SmallUnchecked{352, 0, 12, 12, 3, true};
inline constexpr CellStrip SmallChecked{388, 0, 12, 12, 3, true};
inline constexpr CellStrip SmallGrayed{424, 0, 12, 12, 3, true};

// Title-button glyphs of small (dialog) and big captions.
inline constexpr CellStrip SmallClose{152, 0, 15, 14, 3, true};
inline constexpr CellStrip SmallMax{0, 30, 15, 14, 3, true};
inline constexpr CellStrip SmallNorm{45, 30, 15, 14, 3, true};
inline constexpr CellStrip SmallMin{90, 30, 15, 14, 3, true};
inline constexpr CellStrip SmallHelp{206, 30, 15, 14, 3, true};
inline constexpr CellStrip BigClose{0, 60, 24, 18, 3, true};
inline constexpr CellStrip BigMax{72, 60, 24, 18, 3, true};
inline constexpr CellStrip BigNorm{144, 60, 24, 18, 3, true};
inline constexpr CellStrip BigMin{216, 60, 24, 18, 3, true};
inline constexpr CellStrip BigHelp{360, 60, 24, 18, 3, true};
inline constexpr CellStrip BigCloseAlone{30, 190, 24, 18, 3, true};
inline constexpr CellStrip TitleButton{330, 100, 24, 18, 3, true};

// Push button: a one-pixel colour profile (stretched) and three masked frames.
inline constexpr CellStrip ButtonTexture{147, 10, 1, 46, 1, false};
inline constexpr CellStrip ButtonFrames{152, 30, 18, 13, 3, true};
inline constexpr CellStrip HotButtonFrames{249, 150, 11, 11, 3, true}; // speed/tool buttons

// Scroll bars: arrow glyphs, thumb ridges, track, arrow buttons, thumb.
inline constexpr CellStrip ArrowLeft{260, 30, 9, 9, 3, true};
inline constexpr CellStrip ArrowUp{287, 30, 9, 9, 3, true};
inline constexpr CellStrip ArrowRight{314, 30, 9, 9, 3, true};
inline constexpr CellStrip ArrowDown{341, 30, 9, 9, 3, true};
inline constexpr CellStrip ThumbRidgesV{368, 30, 8, 8, 3, true};
inline constexpr CellStrip ThumbRidgesH{392, 30, 8, 8, 3, true};
inline constexpr CellStrip TrackFrames{222, 130, 7, 7, 3, true};
inline constexpr CellStrip ScrollButtonFrames{246, 130, 9, 9, 3, true};
inline constexpr CellStrip ThumbFrames{222, 150, 9, 9, 3, true};
inline constexpr CellStrip SizeGrip{416, 30, 12, 12, 1, false};

// Form: the tiled body texture and the two frames (inactive, active).
inline constexpr CellStrip FormTexture{0, 110, 222, 80, 1, false};
inline constexpr CellStrip FormFrames{0, 190, 13, 33, 2, true};

// Edits, panels, group boxes, selection, tabs.
inline constexpr CellStrip EditFrame{222, 110, 5, 5, 1, true};
inline constexpr CellStrip PanelFrame{230, 110, 7, 7, 1, true};
inline constexpr CellStrip PanelLowFrame{240, 110, 7, 7, 1, true};
inline constexpr CellStrip GroupBoxFrame{250, 110, 9, 9, 1, true};
inline constexpr CellStrip SelectionFrames{262, 110, 7, 7, 2, true};
inline constexpr CellStrip TabTop{402, 100, 12, 12, 3, true};
inline constexpr CellStrip TabBottom{438, 100, 12, 12, 3, true};
inline constexpr CellStrip TabLeft{402, 124, 12, 12, 3, true};
inline constexpr CellStrip TabRight{438, 124, 12, 12, 3, true};

// Outer effects of extended borders: light and shadow (borders notation, masked).
inline constexpr CellStrip LightMask{282, 111, 11, 11, 1, true};
inline constexpr CellStrip ShadowMask{303, 92, 17, 17, 1, true};

// The form frame's margins (they match the FORM border notation in the options texts).
inline constexpr int FormMarginSide = 6;
inline constexpr int FormMarginTop = 26;
inline constexpr int FormMarginBottom = 6;

} // namespace tornivex::forge
