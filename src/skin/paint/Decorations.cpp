#include "Decorations.h"

#include "BitmapPrimitives.h"
#include "PixelColor.h"
#include "RectOps.h"

#include <algorithm>

namespace tornivex::paint {
namespace {

void PutPixel(TBitmap32& target, const TRect& clip, int x, int y, TColor color) {
    if (color == clNoColor2 || x < clip.Left || y < clip.Top || x >= clip.Right || y >= clip.Bottom)
        return;
    target.Pixel(x, y) = ColorToPixel(color);
}

}  // namespace

void DrawElementFocusRect(TBitmap32& target, const TRect& rect, TColor firstColor, TColor secondColor) {
    // Pixels stay inside the rectangle (and the bitmap): the last column and row are its edges.
    const TRect clip = Intersect(rect, BoundsOf(target));
    if (clip.IsEmpty()) return;
    const TColor first = firstColor == clNoColor2 ? clNoColor2 : ColorToRGB(firstColor);
    const TColor second = secondColor == clNoColor2 ? clNoColor2 : ColorToRGB(secondColor);
    const int w = rect.Width(), h = rect.Height();
    const int right = rect.Right - 1, bottom = rect.Bottom - 1;
    for (int i = 0; i < w / 2; ++i) {
        const int x = rect.Left + (w / 2 - i) * 2;
        for (const int y : {rect.Top, bottom}) {
            PutPixel(target, clip, x, y, second);
            PutPixel(target, clip, x - 1, y, first);
        }
    }
    for (int i = 0; i < h / 2; ++i) {
        const int y = rect.Top + (h / 2 - i) * 2;
        for (const int x : {rect.Left, right}) {
            PutPixel(target, clip, x, y, second);
            PutPixel(target, clip, x, y - 1, first);
        }
    }
}

void ApplySaturation(TBitmap32& target, int amount) {
    amount = std::clamp(amount, -100, 100);
    for (TPixel32& p : target.Pixels()) {
        if (IsKeyPixel(p)) continue;
        const int r = PixelR(p), g = PixelG(p), b = PixelB(p);
        const int grey = (r * 77 + g * 151 + b * 28) >> 8;
        const auto adjust = [&](int c) {
            return static_cast<std::uint8_t>(std::clamp(grey + (c - grey) * (100 + amount) / 100, 0, 255));
        };
        p = MakePixel32(adjust(r), adjust(g), adjust(b), PixelA(p));
    }
}

void ApplyDisabledLook(TBitmap32& target, TsDisabledKind kind, TColor parentColor, TPoint position,
                       const BackgroundSource& source) {
    if (kind & dkGrayed) ApplySaturation(target, -90);
    if (!(kind & dkBlended)) return;
    if (!source.HasBitmapBackground()) {
        const TColor under = source.Color == clFuchsia ? parentColor : source.Color;
        BlendColorOver(target, BoundsOf(target), 40, ColorToRGB(under));
        return;
    }
    const TBitmap32& bg = *source.Bmp;
    const int ox = source.OffsetX + position.X, oy = source.OffsetY + position.Y;
    const TRect visible = Intersect(BoundsOf(target), Offset(BoundsOf(bg), -ox, -oy));
    for (int y = visible.Top; y < visible.Bottom; ++y) {
        TPixel32* row = target.Scanline(y);
        const TPixel32* under = bg.Scanline(y + oy) + ox;
        for (int x = visible.Left; x < visible.Right; ++x) {
            const TPixel32 b = under[x];
            if (IsKeyPixel(b)) continue;
            TPixel32 out = row[x] & 0xFF000000u;
            for (int shift = 0; shift < 24; shift += 8) {
                const int bc = (b >> shift) & 0xFF, pc = (row[x] >> shift) & 0xFF;
                out |= TPixel32((6 * bc + 4 * pc) / 10) << shift;  // trunc(b - (b - p) * 0.4)
            }
            row[x] = out;
        }
    }
}

}  // namespace tornivex::paint
