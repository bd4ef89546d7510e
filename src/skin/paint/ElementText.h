#pragma once
// Caption text of skinned controls: the section's font colour with its contour colours and an
// optional glow, or the platform's plain and embossed text when the control is not skinned.

#include "skin/data/Bitmap32.h"
#include "skin/data/Geometry.h"
#include "common/color/Color.h"

#include <QFont>
#include <QString>

#include <cstdint>

namespace tornivex {
class TsCommonData;
}

namespace tornivex::paint {

// The record skin command 66 fills in: the section whose font colours a child's text uses.
struct TacFontSectionAnswer {
    int SkinIndex = -1;
};

// Where the text goes: a bitmap and the canvas font with its colour (used for custom fonts and
// for controls that are not skinned).
struct TTextCanvas {
    TBitmap32& Target;
    QFont Font;
    TColor FontColor = clBlack;
    double Ratio = 1.0;  // Target holds device pixels at this ratio; rectangles stay logical
};

// Draws `text` into `rect` with the platform text format `flags`. `hot` picks property set 1.
void WriteElementText(TTextCanvas& canvas, const QString& text, bool enabled, bool hot,
                      const TsCommonData& data, std::uint32_t flags, const TRect& rect);

// Where a centred caption goes in a control of `width` x `height`: measured within the margins
// with `flags` (word break or single line), one pixel wider on each side, centred both ways.
TRect CenteredCaptionRect(const QFont& font, const QString& text, int width, int height, int margin,
                          std::uint32_t flags);

// The section whose colours a control's text uses: its own, or for the skin's menu item, check
// box, transparent, group box and web button sections the one its parent names (command 66).
int FontSectionOf(const TsCommonData& data);

}  // namespace tornivex::paint
