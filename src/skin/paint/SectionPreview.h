#pragma once
// Paints one section of a loaded skin on its own: over a plain colour or over another section
// (as a child lies on its parent), with an optional caption. Used by the skin tool's "render"
// command, the golden pictures and the benchmarks.

#include "skin/data/Bitmap32.h"
#include "common/color/Color.h"

#include <QFont>
#include <QImage>
#include <QString>

#include <optional>

namespace tornivex {
class TsSkinManager;
}

namespace tornivex::paint {

// The largest side of a preview, in pixels.
inline constexpr int MaxPreviewSide = 8192;

struct TSectionPreview {
    QString Section;
    int State = 0;
    int Width = 64;
    int Height = 32;
    TColor OverColor = clNone;  // clNone = the skin's global colour
    QString OverSection;        // painted first; wins over OverColor
    // The parent's size and where the section lies in it (0 x 0 = the section's own size at
    // (0, 0)): a control previewed at its place in a form shows the form's pixels around it.
    int OverWidth = 0;
    int OverHeight = 0;
    int AtX = 0;
    int AtY = 0;
    QString Text;               // caption centred as a push button centres it, in the section's font colours
    QString Glyph;              // a [GLOBALINFO] image (title-button glyph) centred, in the state's frame
    QFont Font;
};

// The painted bitmap, or nothing with `error` set (unknown section or glyph, bad size, no skin).
std::optional<TBitmap32> RenderSectionPreview(const TsSkinManager& manager, const TSectionPreview& preview,
                                              QString* error = nullptr);

// A copy of the bitmap as an opaque image (for saving as PNG).
QImage BitmapToImage(const TBitmap32& bmp);

}  // namespace tornivex::paint
