#include "Texture.h"

#include "BitmapPrimitives.h"
#include "MaskImage.h"
#include "MaskPieces.h"
#include "RectOps.h"

#include <algorithm>

namespace tornivex::paint {
namespace {

// Tiles `tile` of `image` over `area` from its top-left; blocks at the right and bottom edges
// are cut. With `wholeRowsOnly` a partial bottom row is left out.
void Tile(TBitmap32& bmp, const TRect& area, const TBitmap32& image, const TRect& tile,
          bool wholeRowsOnly = false) {
    const int w = tile.Width(), h = tile.Height();
    if (w <= 0 || h <= 0) return;
    for (int y = area.Top; y < area.Bottom; y += h) {
        const int rowHeight = std::min(h, area.Bottom - y);
        if (wholeRowsOnly && rowHeight < h) break;
        for (int x = area.Left; x < area.Right; x += w)
            CopyRect(bmp, TPoint{x, y}, image,
                     MakeRect(tile.Left, tile.Top, std::min(w, area.Right - x), rowHeight));
    }
}

// Modes 11 and 12: each row (column) of blocks stretched across the whole width (height).
void StretchRows(TBitmap32& bmp, const TRect& area, const TBitmap32& image, const TRect& tile) {
    for (int y = area.Top; y < area.Bottom; y += tile.Height()) {
        const int h = std::min(tile.Height(), area.Bottom - y);
        StretchRect(bmp, TRect{area.Left, y, area.Right, y + h}, image,
                    MakeRect(tile.Left, tile.Top, tile.Width(), h));
    }
}
void StretchColumns(TBitmap32& bmp, const TRect& area, const TBitmap32& image, const TRect& tile) {
    for (int x = area.Left; x < area.Right; x += tile.Width()) {
        const int w = std::min(tile.Width(), area.Right - x);
        StretchRect(bmp, TRect{x, area.Top, x + w, area.Bottom}, image,
                    MakeRect(tile.Left, tile.Top, w, tile.Height()));
    }
}

// Returns the part left uncovered (NothingUncovered when none).
TRect PaintOpaque(TBitmap32& bmp, const TRect& r, const TBitmap32& image, const TRect& tile, int mode) {
    const int w = tile.Width(), h = tile.Height();
    const auto rest = [](const TRect& part) { return part.IsEmpty() ? NothingUncovered : part; };
    switch (mode) {
    case 0: Tile(bmp, r, image, tile); return NothingUncovered;
    case 1: StretchRect(bmp, r, image, tile); return NothingUncovered;
    case 2:
        Tile(bmp, TRect{r.Left, r.Top, r.Right, std::min(r.Bottom, r.Top + h)}, image, tile);
        return rest(TRect{r.Left, r.Top + h, r.Right, r.Bottom});
    case 3:
        Tile(bmp, TRect{r.Left, r.Top, std::min(r.Right, r.Left + w), r.Bottom}, image, tile);
        return rest(TRect{r.Left + w, r.Top, r.Right, r.Bottom});
    case 4:
        StretchRect(bmp, TRect{r.Left, r.Top, r.Right, r.Top + h}, image, tile);
        return rest(TRect{r.Left, r.Top + h, r.Right, r.Bottom});
    case 5:
        StretchRect(bmp, TRect{r.Left, r.Top, r.Left + w, r.Bottom}, image, tile);
        return rest(TRect{r.Left + w, r.Top, r.Right, r.Bottom});
    case 6:
        Tile(bmp, TRect{r.Left, std::max(r.Top, r.Bottom - h), r.Right, r.Bottom}, image, tile);
        return rest(TRect{r.Left, r.Top, r.Right, r.Bottom - h});
    case 7:
        Tile(bmp, TRect{std::max(r.Left, r.Right - w), r.Top, r.Right, r.Bottom}, image, tile);
        return rest(TRect{r.Left, r.Top, r.Right - w, r.Bottom});
    case 10: Tile(bmp, r, image, tile, true); return NothingUncovered;
    case 11: StretchRows(bmp, r, image, tile); return NothingUncovered;
    case 12: StretchColumns(bmp, r, image, tile); return NothingUncovered;
    default: return r;  // unknown mode: nothing drawn, the caller fills the whole rectangle
    }
}

// Fills `part` from the parent's background: a copy from its bitmap, else its colour.
void FillFromSource(TBitmap32& bmp, const TRect& part, const BackgroundSource& source) {
    if (part.IsEmpty()) return;
    if (source.HasBitmapBackground())
        CopyRect(bmp, TPoint{part.Left, part.Top}, *source.Bmp,
                 Offset(part, source.OffsetX, source.OffsetY));
    else
        FillPixels32(bmp, part, source.Color);
}

TRect PaintMasked(TBitmap32& bmp, const TRect& r, const TBitmap32& image, const TsMaskData& texture,
                  int mode, const BackgroundSource& source) {
    if (mode != 0 && mode != 10) return r;
    const int fw = MaskCellWidth(texture), fh = texture.R.Height() / 2;
    if (fw <= 0 || fh <= 0) return r;
    const TRect frame = MakeRect(texture.R.Left, texture.R.Top, fw, fh);
    int y = r.Top, xEnd = r.Left;
    for (; y < r.Bottom - fh; y += fh) {
        int x = r.Left;
        for (; x < r.Right - fw; x += fw)
            CopyMaskedPiece(MakeRect(x, y, fw, fh), frame, bmp, texture, false, source, image);
        xEnd = x;
        if (mode == 0 && x < r.Right)
            CopyMaskedPiece(TRect{x, y, r.Right, y + fh}, frame, bmp, texture, false, source, image);
    }
    if (mode == 0) {
        const TRect below{r.Left, y, r.Right, r.Bottom};
        return below.IsEmpty() ? NothingUncovered : below;
    }
    FillFromSource(bmp, TRect{r.Left, y, r.Right, r.Bottom}, source);
    FillFromSource(bmp, TRect{xEnd, r.Top, r.Right, y}, source);
    return NothingUncovered;
}

}  // namespace

void PaintTextureFrom(const TBitmap32& image, TBitmap32& bmp, TRect& rect, const TsMaskData& texture,
                      int mode, const BackgroundSource& source) {
    const TRect r = Intersect(rect, BoundsOf(bmp));
    if (r.IsEmpty() || texture.R.IsEmpty()) return;  // nothing drawn, all of it stays uncovered
    rect = texture.MaskType != 0 ? PaintMasked(bmp, r, image, texture, mode, source)
                                 : PaintOpaque(bmp, r, image, texture.R, mode);
}

void PaintTexture(TBitmap32& bmp, TRect& rect, const TsMaskData& texture, int mode,
                  const BackgroundSource& source) {
    if (const TBitmap32* image = MaskSourceImage(texture))
        PaintTextureFrom(*image, bmp, rect, texture, mode, source);
}

}  // namespace tornivex::paint
