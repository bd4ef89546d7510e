#pragma once
// The value notations of the options text that describe images and gradients.
#include <QString>

#include "Geometry.h"
#include "SkinTables.h"

namespace tornivex {

enum class TNotationKind { None, Glyph, Borders, Texture, External, PlainFile };

// The fields one image notation gives; sizes that depend on the image are filled in later.
struct TImageNotation {
    TNotationKind Kind = TNotationKind::None;
    TRect R;
    int ImageCount = 0;
    int MaskType = 0;
    int DrawMode = 0;
    int BorderWidth = 0;
    int WL = 0, WT = 0, WR = 0, WB = 0;
    TacImgType ImgType = itisaGlyph;
    QString FileName;          // texture image, external image or plain file; upper case
    bool WidthsGiven = true;   // false: an external image with fewer than 5 fields
};

// Parses an upper-cased value. Values that are no image notation (including "N/A") give kind
// None. A fixed-width number that is not an integer throws ESkinError naming `where`
// (for example "[BUTTON] BORDERSMASK").
TImageNotation ParseImageNotation(const QString& value, const QString& where);

// Parses a gradient ("c1;c2;percent;mode;unused;..."); fewer than 3 characters means none.
// A field that is not an integer throws ESkinError naming `where`.
TsGradArray ParseGradient(const QString& value, const QString& where);
// True when the value describes no gradient at all (fewer than 3 characters).
bool IsNoGradient(const QString& value);

// Border widths for a row whose notation gave none: a third of one cell each way.
void ComputeDefaultBorderWidths(TsMaskData& md);

} // namespace tornivex
