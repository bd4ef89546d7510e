#pragma once
// The skin-wide colour slots of the manager's `Palette`.
#include <array>

#include "common/color/Color.h"

namespace tornivex {

enum TacPaletteColors : int {
    pcMainColor,
    pcLabelText,
    pcWebText,
    pcWebTextHot,
    pcEditText,
    pcEditBG,
    pcSelectionBG,
    pcSelectionText,
    pcSelectionBG_Focused,
    pcSelectionText_Focused,
    pcEditBG_Inverted,
    pcEditText_Inverted,
    pcEditBG_OddRow,
    pcEditBG_EvenRow,
    pcEditText_Ok,
    pcEditText_Warning,
    pcEditText_Alert,
    pcEditText_Caution,
    pcEditText_Bypassed,
    pcEditBG_Ok,
    pcEditBG_Warning,
    pcEditBG_Alert,
    pcEditBG_Caution,
    pcEditBG_Bypassed,
    pcEditText_Highlight1,
    pcEditText_Highlight2,
    pcEditText_Highlight3,
    pcBorder,
};
inline constexpr int PaletteColorCount = pcBorder + 1;

using TacPalette = std::array<TColor, PaletteColorCount>;

} // namespace tornivex
