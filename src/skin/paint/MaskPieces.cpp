#include "MaskPieces.h"

#include "BitmapPrimitives.h"
#include "PixelColor.h"
#include "RectOps.h"

#include <algorithm>

namespace tornivex::paint {
namespace {

struct CopyPlan {
    int TargetX = 0, TargetY = 0, SourceX = 0, SourceY = 0, Width = 0, Height = 0;
    bool Empty() const { return Width <= 0 || Height <= 0; }
};

// The smaller of the two areas, cut where either runs outside its bitmap.
CopyPlan PlanCopy(const TRect& targetArea, const TRect& sourceArea, const TBitmap32& target,
                  const TBitmap32& image) {
    CopyPlan p{targetArea.Left, targetArea.Top, sourceArea.Left, sourceArea.Top,
               std::min(targetArea.Width(), sourceArea.Width()),
               std::min(targetArea.Height(), sourceArea.Height())};
    const int cutX = std::max({0, -p.TargetX, -p.SourceX});
    const int cutY = std::max({0, -p.TargetY, -p.SourceY});
    p.TargetX += cutX; p.SourceX += cutX; p.Width -= cutX;
    p.TargetY += cutY; p.SourceY += cutY; p.Height -= cutY;
    p.Width = std::min({p.Width, target.Width() - p.TargetX, image.Width() - p.SourceX});
    p.Height = std::min({p.Height, target.Height() - p.TargetY, image.Height() - p.SourceY});
    return p;
}

TPixel32 ComposeThroughMask(TPixel32 s, TPixel32 d, TPixel32 m) {
    TPixel32 out = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        // (s * 256 + (d - s) * m) div 256 with m <= 255 never goes negative: a shift does it.
        const std::uint32_t sc = (s >> shift) & 0xFF, dc = (d >> shift) & 0xFF, mc = (m >> shift) & 0xFF;
        out |= TPixel32(static_cast<std::uint8_t>((sc * (256 - mc) + dc * mc) >> 8)) << shift;
    }
    return out;
}

void ComposeMasked(const CopyPlan& p, TBitmap32& target, const TBitmap32& image, int maskRowOffset,
                   bool cornerMode, const BackgroundSource& source) {
    const bool fromBitmap = source.HasBitmapBackground();
    const TPixel32 sourceColor = ColorToPixel(source.Color);
    for (int y = 0; y < p.Height; ++y) {
        const int ty = p.TargetY + y;
        const TPixel32* s = image.Scanline(p.SourceY + y) + p.SourceX;
        const TPixel32* m =
            image.Scanline(std::min(p.SourceY + y + maskRowOffset, image.Height() - 1)) + p.SourceX;
        TPixel32* d = target.Scanline(ty) + p.TargetX;
        for (int x = 0; x < p.Width; ++x) {
            if (IsKeyPixel(s[x])) {
                if (fromBitmap && cornerMode) {
                    TPixel32 under;
                    if (SourcePixelAt(source, p.TargetX + x, ty, under)) d[x] = under | 0xFF000000u;
                    else d[x] |= 0xFF000000u;
                    continue;
                }
                if (!fromBitmap) {
                    if (cornerMode) d[x] = sourceColor;
                    continue;  // no background known: the key pixel leaves the target alone
                }
            }
            // A black mask pixel shows the image alone: the formula gives the image exactly.
            d[x] = (m[x] & 0x00FFFFFFu) == 0 ? (s[x] | 0xFF000000u) : ComposeThroughMask(s[x], d[x], m[x]);
        }
    }
}

}  // namespace

bool SourcePixelAt(const BackgroundSource& source, int x, int y, TPixel32& pixel) {
    if (!source.Bmp) return false;
    const int sx = source.OffsetX + x, sy = source.OffsetY + y;
    if (!source.Bmp->Contains(sx, sy)) return false;
    pixel = source.Bmp->Pixel(sx, sy);
    return true;
}

void CopyMaskedPiece(const TRect& targetArea, const TRect& sourceArea, TBitmap32& target,
                     const TsMaskData& mask, bool cornerMode, const BackgroundSource& source,
                     const TBitmap32& image) {
    const CopyPlan plan = PlanCopy(targetArea, sourceArea, target, image);
    if (plan.Empty()) return;
    ComposeMasked(plan, target, image, mask.R.Height() / 2, cornerMode, source);
}

void CopyMaskedPieceStretched(const TRect& targetArea, const TRect& sourceArea, TBitmap32& target,
                              const TsMaskData& mask, const TBitmap32& image, bool smooth) {
    const int w = targetArea.Width(), h = targetArea.Height();
    if (w <= 0 || h <= 0 || sourceArea.IsEmpty()) return;
    // Image piece on top, its mask below, both at the target's size.
    TBitmap32 piece(w, 2 * h);
    const TRect maskArea = Offset(sourceArea, 0, mask.R.Height() / 2);
    const auto stretch = smooth ? SmoothStretchRect : StretchRect;
    stretch(piece, MakeRect(0, 0, w, h), image, sourceArea);
    stretch(piece, MakeRect(0, h, w, h), image, maskArea);
    const CopyPlan plan = PlanCopy(targetArea, MakeRect(0, 0, w, h), target, piece);
    if (plan.Empty()) return;
    ComposeMasked(plan, target, piece, h, false, EmptyBackgroundSource());
}

void CopyKeyedPiece(const TRect& targetArea, const TRect& sourceArea, TBitmap32& target,
                    bool cornerMode, const BackgroundSource& source, const TBitmap32& image) {
    const CopyPlan p = PlanCopy(targetArea, sourceArea, target, image);
    if (p.Empty()) return;
    const bool showParent = cornerMode && source.HasBitmapBackground();
    for (int y = 0; y < p.Height; ++y) {
        const int ty = p.TargetY + y;
        const TPixel32* s = image.Scanline(p.SourceY + y) + p.SourceX;
        TPixel32* d = target.Scanline(ty) + p.TargetX;
        for (int x = 0; x < p.Width; ++x) {
            if (!IsKeyPixel(s[x])) {
                d[x] = s[x] | 0xFF000000u;
            } else if (showParent) {
                TPixel32 under;
                if (SourcePixelAt(source, p.TargetX + x, ty, under)) d[x] = under | 0xFF000000u;
            }
        }
    }
}

}  // namespace tornivex::paint
