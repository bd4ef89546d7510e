#pragma once
// Format flags of the platform's text drawing. The values are bit flags and may be combined.

#include <cstdint>

namespace tornivex::platform {

enum TextFormat : std::uint32_t {
    tfLeft = 0x0,
    tfTop = 0x0,
    tfCenter = 0x1,        // centre horizontally
    tfRight = 0x2,
    tfVCenter = 0x4,       // centre vertically (single-line text only, as on the platform)
    tfBottom = 0x8,        // align to the bottom (single-line text only)
    tfWordBreak = 0x10,    // break lines between words to fit the rectangle's width
    tfSingleLine = 0x20,   // line breaks in the text are shown, not obeyed
    tfExpandTabs = 0x40,   // tabs advance to the next tab stop
    tfNoClip = 0x100,      // glyphs may reach beyond the rectangle
    tfCalcRect = 0x400,    // measure only: the rectangle is grown or shrunk to fit, nothing is drawn
    tfNoPrefix = 0x800,    // "&" is an ordinary character, not a mnemonic marker
    tfEndEllipsis = 0x8000,  // a line too long for the rectangle ends in "..."
    tfRtlReading = 0x20000,  // right-to-left reading order
};

}  // namespace tornivex::platform
