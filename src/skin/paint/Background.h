#pragma once
// How a child learns what its parent shows under it: the query record a parent fills in, and the
// source record the painters read.

#include "skin/data/Bitmap32.h"
#include "skin/data/Geometry.h"
#include "common/color/Color.h"

#include <cstdint>

namespace tornivex::paint {

enum BackgroundKind : std::uint8_t {
    bkUnknown = 0,   // nobody answered
    bkFill = 1,      // a plain colour, optionally with a bordered bitmap (FillRect)
    bkCache = 2,     // the parent's cache bitmap
    bkNotReady = 3,  // the parent's cache is not ready: wait and paint later
};

// The record a child hands to its parent (skin command 34); the parent fills it in.
struct BackgroundQuery {
    const TBitmap32* Bmp = nullptr;
    TColor Color = 0;
    TPoint Offset;     // where the child's origin lies in Bmp
    TRect R;           // the part of the child to draw into DrawDC (PleaseDraw)
    TRect FillRect;    // the parent's border widths (left, top, right, bottom) around a fill
    BackgroundKind Kind = bkUnknown;
    bool PleaseDraw = false;
    TBitmap32* DrawDC = nullptr;  // the target the parent draws into when PleaseDraw is set
};

// What the painters receive.
struct BackgroundSource {
    const TBitmap32* Bmp = nullptr;
    int OffsetX = 0;   // position in Bmp that corresponds to the target's origin
    int OffsetY = 0;
    TColor Color = 0;  // key colour = none
    TRect FillRect;    // four border widths
    bool IsBitmap = false;  // Bmp holds the full background

    bool HasBitmapBackground() const { return IsBitmap && Bmp != nullptr; }
    bool HasColor() const { return Color != clFuchsia; }
};

BackgroundSource EmptyBackgroundSource();
BackgroundSource BackgroundSourceFromQuery(const BackgroundQuery& query);
BackgroundSource BackgroundSourceFromBitmap(const TBitmap32* bmp, TPoint offset);
BackgroundSource BackgroundSourceFromColor(TColor color);
// The same source seen from a target whose origin lies at `by` inside the original target.
BackgroundSource ShiftedSource(BackgroundSource source, TPoint by);

}  // namespace tornivex::paint
