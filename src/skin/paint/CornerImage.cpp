#include "CornerImage.h"

#include "MaskImage.h"
#include "MaskPieces.h"
#include "PixelColor.h"
#include "RectOps.h"

#include <algorithm>

namespace tornivex::paint {
namespace {

struct Placement {
    TRect Source;   // part of the frame that lands on the target
    TPoint Target;  // where it lands
};

Placement Place(const TBitmap32& sourceImage, const TBitmap32& target, TPoint at, const TRect& frame) {
    TRect src = Intersect(frame, BoundsOf(sourceImage));
    TPoint to{at.X + src.Left - frame.Left, at.Y + src.Top - frame.Top};
    const TRect onTarget = Intersect(MakeRect(to.X, to.Y, src.Width(), src.Height()), BoundsOf(target));
    if (onTarget.IsEmpty()) return {};
    src = MakeRect(src.Left + onTarget.Left - to.X, src.Top + onTarget.Top - to.Y, onTarget.Width(),
                   onTarget.Height());
    return {src, TPoint{onTarget.Left, onTarget.Top}};
}

// Image with a mask half: key pixels and mask 255 keep the target; the faint look lifts the mask.
void DrawMasked(const TBitmap32& img, TBitmap32& target, const Placement& p, int maskOffset, bool faint) {
    for (int y = 0; y < p.Source.Height(); ++y) {
        const int sy = p.Source.Top + y;
        const TPixel32* s = img.Scanline(sy) + p.Source.Left;
        const TPixel32* m = img.Scanline(std::min(sy + maskOffset, img.Height() - 1)) + p.Source.Left;
        TPixel32* d = target.Scanline(p.Target.Y + y) + p.Target.X;
        for (int x = 0; x < p.Source.Width(); ++x) {
            if (IsKeyPixel(s[x])) continue;
            TPixel32 mask = m[x];
            if (faint) {
                const auto lift = [](int v) { return std::min(255, v + 100); };
                mask = MakePixel32(static_cast<std::uint8_t>(lift(PixelR(mask))),
                                   static_cast<std::uint8_t>(lift(PixelG(mask))),
                                   static_cast<std::uint8_t>(lift(PixelB(mask))), PixelA(mask));
            }
            const int mr = PixelR(mask);
            if (mr == 255) continue;
            TPixel32 out = 0;
            for (int shift = 0; shift < 24; shift += 8) {
                const int sc = (s[x] >> shift) & 0xFF, dc = (d[x] >> shift) & 0xFF, mc = (mask >> shift) & 0xFF;
                out |= TPixel32((sc * 256 + (dc - sc) * mc) / 256) << shift;
            }
            const int a = PixelA(d[x]);
            const int alpha = std::clamp(a + (a - 255) * (mr - 255) / 256, 0, 255);
            d[x] = out | (TPixel32(alpha) << 24);
        }
    }
}

// Half and half with the target, key pixels skipped: trunc(s - (s - d) * 0.5) per channel.
void DrawFaintKeyed(const TBitmap32& img, TBitmap32& target, const Placement& p) {
    for (int y = 0; y < p.Source.Height(); ++y) {
        const TPixel32* s = img.Scanline(p.Source.Top + y) + p.Source.Left;
        TPixel32* d = target.Scanline(p.Target.Y + y) + p.Target.X;
        for (int x = 0; x < p.Source.Width(); ++x) {
            if (IsKeyPixel(s[x])) continue;
            TPixel32 out = 0xFF000000u;
            for (int shift = 0; shift < 24; shift += 8) {
                const int sc = (s[x] >> shift) & 0xFF, dc = (d[x] >> shift) & 0xFF;
                out |= TPixel32((sc + dc) / 2) << shift;  // s - (s - d) / 2, never negative
            }
            d[x] = out;
        }
    }
}

}  // namespace

void DrawCornerImageFrom(const TBitmap32& sourceImage, TBitmap32& target, TPoint at, int state,
                         const BackgroundSource& source, const TsMaskData& image, int strength) {
    const TRect frame = MaskFrameRect(image, MaskFrameForState(image, state));
    if (frame.IsEmpty()) return;
    const Placement p = Place(sourceImage, target, at, frame);
    if (p.Source.IsEmpty()) return;
    const bool faint = strength != ciFullStrength;
    const TRect targetArea = MakeRect(p.Target.X, p.Target.Y, p.Source.Width(), p.Source.Height());
    if (image.MaskType != 0)
        DrawMasked(sourceImage, target, p, image.R.Height() / 2, faint);
    else if (faint)
        DrawFaintKeyed(sourceImage, target, p);
    else
        CopyKeyedPiece(targetArea, p.Source, target, !image.Bmp, source, sourceImage);
}

void DrawCornerImage(TBitmap32& target, TPoint at, int state, const BackgroundSource& source,
                     const TsMaskData& image, int strength) {
    if (const TBitmap32* sourceImage = MaskSourceImage(image))
        DrawCornerImageFrom(*sourceImage, target, at, state, source, image, strength);
}

}  // namespace tornivex::paint
