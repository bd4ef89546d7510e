#include "BitmapPrimitives.h"

#include "PixelColor.h"
#include "RectOps.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tornivex::paint {
namespace {

std::uint8_t Channel(TPixel32 p, int shift) { return static_cast<std::uint8_t>(p >> shift); }

// Clips a copy of `srcRect` placed at `to` against both bitmaps; returns the source part and
// moves `to` along with any cut on the left or top.
TRect ClipCopy(const TBitmap32& dst, TPoint& to, const TBitmap32& src, TRect srcRect) {
    srcRect = Intersect(srcRect, BoundsOf(src));
    if (srcRect.IsEmpty()) return {};
    TRect target = MakeRect(to.X, to.Y, srcRect.Width(), srcRect.Height());
    const TRect clipped = Intersect(target, BoundsOf(dst));
    if (clipped.IsEmpty()) return {};
    srcRect.Left += clipped.Left - target.Left;
    srcRect.Top += clipped.Top - target.Top;
    srcRect.Right = srcRect.Left + clipped.Width();
    srcRect.Bottom = srcRect.Top + clipped.Height();
    to = TPoint{clipped.Left, clipped.Top};
    return srcRect;
}

}  // namespace

void BlendBitmapOver(TBitmap32& dst, const TBitmap32& src, int transparency, TPoint at) {
    TPoint to = at;
    const TRect part = ClipCopy(dst, to, src, BoundsOf(src));
    if (part.IsEmpty()) return;
    if (transparency >= 0 && transparency <= 256) {
        // Here (s * 256 + (d - s) * t) div 256 = (s * (256 - t) + d * t) >> 8 with no negative
        // intermediate, so every byte (alpha too) is one 16-bit multiply-add the compiler vectorises.
        const std::uint16_t t = static_cast<std::uint16_t>(transparency), keep = static_cast<std::uint16_t>(256 - transparency);
        for (int y = 0; y < part.Height(); ++y) {
            const auto* s = reinterpret_cast<const std::uint8_t*>(src.Scanline(part.Top + y) + part.Left);
            auto* d = reinterpret_cast<std::uint8_t*>(dst.Scanline(to.Y + y) + to.X);
            const int bytes = part.Width() * 4;
            for (int i = 0; i < bytes; ++i)
                d[i] = static_cast<std::uint8_t>((std::uint32_t(s[i]) * keep + std::uint32_t(d[i]) * t) >> 8);
        }
        return;
    }
    for (int y = 0; y < part.Height(); ++y) {
        const TPixel32* s = src.Scanline(part.Top + y) + part.Left;
        TPixel32* d = dst.Scanline(to.Y + y) + to.X;
        for (int x = 0; x < part.Width(); ++x) {
            TPixel32 out = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                const int sc = Channel(s[x], shift);
                const int dc = Channel(d[x], shift);
                const int v = (sc * 256 + (dc - sc) * transparency) / 256;
                out |= TPixel32(static_cast<std::uint8_t>(v)) << shift;
            }
            d[x] = out;
        }
    }
}

void BlendColorOver(TBitmap32& bmp, const TRect& rect, int percent, TColor color) {
    const TRect r = Intersect(rect, BoundsOf(bmp));
    if (r.IsEmpty()) return;
    const TPixel32 c = ColorToPixel(color);
    const int rest = 100 - percent;
    // Per channel the result only depends on the old byte: build the three lookup tables once.
    std::uint8_t table[3][256];
    for (int ch = 0; ch < 3; ++ch) {
        const int cc = Channel(c, ch * 8);
        for (int old = 0; old < 256; ++old) {
            const int v = DivRoundHalfEven(old * percent + cc * rest, 100);
            table[ch][old] = static_cast<std::uint8_t>(std::clamp(v, 0, 255));
        }
    }
    for (int y = r.Top; y < r.Bottom; ++y) {
        TPixel32* row = bmp.Scanline(y);
        for (int x = r.Left; x < r.Right; ++x) {
            const TPixel32 p = row[x];
            row[x] = (p & 0xFF000000u) | (TPixel32(table[2][Channel(p, 16)]) << 16) |
                     (TPixel32(table[1][Channel(p, 8)]) << 8) | table[0][Channel(p, 0)];
        }
    }
}

void FillPixels32(TBitmap32& bmp, const TRect& rect, TColor color, std::uint8_t alpha) {
    const TRect r = Intersect(rect, BoundsOf(bmp));
    if (r.IsEmpty()) return;
    const TPixel32 value = ColorToPixel(color, alpha);
    for (int y = r.Top; y < r.Bottom; ++y) std::fill_n(bmp.Scanline(y) + r.Left, r.Width(), value);
}

TColor BlendColors(TColor a, TColor b, double f) {
    const auto mix = [f](int ca, int cb) { return static_cast<int>(std::trunc(ca * f + cb * (1 - f))); };
    const auto top = static_cast<std::uint32_t>(a) & 0xFF000000u;
    const int r = mix(ColorR(a), ColorR(b)) & 0xFF;
    const int g = mix(ColorG(a), ColorG(b)) & 0xFF;
    const int bl = mix(ColorB(a), ColorB(b)) & 0xFF;
    return static_cast<TColor>(top | static_cast<std::uint32_t>(MakeColor(r, g, bl)));
}

void CopyRect(TBitmap32& dst, TPoint to, const TBitmap32& src, const TRect& srcRect) {
    const TRect part = ClipCopy(dst, to, src, srcRect);
    if (part.IsEmpty()) return;
    for (int y = 0; y < part.Height(); ++y)
        std::copy_n(src.Scanline(part.Top + y) + part.Left, part.Width(),
                    dst.Scanline(to.Y + y) + to.X);
}

void StretchRect(TBitmap32& dst, const TRect& dstRect, const TBitmap32& src, const TRect& srcRect) {
    if (dstRect.IsEmpty() || srcRect.IsEmpty()) return;
    const TRect visible = Intersect(dstRect, BoundsOf(dst));
    if (visible.IsEmpty()) return;
    const int dw = dstRect.Width(), dh = dstRect.Height();
    const int sw = srcRect.Width(), sh = srcRect.Height();
    std::vector<int> column(static_cast<std::size_t>(visible.Width()));
    for (int x = visible.Left; x < visible.Right; ++x)
        column[static_cast<std::size_t>(x - visible.Left)] =
            srcRect.Left + static_cast<int>(static_cast<long long>(x - dstRect.Left) * sw / dw);
    const bool columnsInside = column.front() >= 0 && column.back() < src.Width();
    int previousSy = -1;
    const TPixel32* previousRow = nullptr;
    for (int y = visible.Top; y < visible.Bottom; ++y) {
        const int sy = srcRect.Top + static_cast<int>(static_cast<long long>(y - dstRect.Top) * sh / dh);
        if (sy < 0 || sy >= src.Height()) continue;
        const TPixel32* s = src.Scanline(sy);
        TPixel32* d = dst.Scanline(y);
        if (sy == previousSy && previousRow) {  // a repeated source row: repeat the row just made
            std::copy_n(previousRow + visible.Left, visible.Width(), d + visible.Left);
            continue;
        }
        previousSy = sy;
        previousRow = columnsInside ? d : nullptr;
        if (sw == dw && srcRect.Left + (visible.Left - dstRect.Left) >= 0 &&
            srcRect.Left + (visible.Right - dstRect.Left) <= src.Width()) {  // rows only
            std::copy_n(s + srcRect.Left + (visible.Left - dstRect.Left), visible.Width(), d + visible.Left);
            continue;
        }
        if (sw == 1 && columnsInside) {  // one source column across the whole width
            std::fill_n(d + visible.Left, visible.Width(), s[column.front()]);
            continue;
        }
        for (int x = visible.Left; x < visible.Right; ++x) {
            const int sx = column[static_cast<std::size_t>(x - visible.Left)];
            if (sx >= 0 && sx < src.Width()) d[x] = s[sx];
        }
    }
}

void SmoothStretchRect(TBitmap32& dst, const TRect& dstRect, const TBitmap32& src,
                       const TRect& srcRect) {
    const TRect from = Intersect(srcRect, BoundsOf(src));
    if (dstRect.IsEmpty() || from.IsEmpty() || from != srcRect) {
        StretchRect(dst, dstRect, src, srcRect);
        return;
    }
    const TRect visible = Intersect(dstRect, BoundsOf(dst));
    const double sx = double(srcRect.Width()) / dstRect.Width();
    const double sy = double(srcRect.Height()) / dstRect.Height();
    // Each target pixel averages the source area it covers (box filter; at least one sample).
    for (int y = visible.Top; y < visible.Bottom; ++y) {
        const double y0 = (y - dstRect.Top) * sy, y1 = y0 + std::max(sy, 1.0);
        for (int x = visible.Left; x < visible.Right; ++x) {
            const double x0 = (x - dstRect.Left) * sx, x1 = x0 + std::max(sx, 1.0);
            double acc[4] = {0, 0, 0, 0};
            double total = 0;
            for (int iy = int(y0); iy < std::min(int(std::ceil(y1)), srcRect.Height()); ++iy) {
                const double wy = std::min<double>(iy + 1, y1) - std::max<double>(iy, y0);
                const TPixel32* row = src.Scanline(srcRect.Top + iy) + srcRect.Left;
                for (int ix = int(x0); ix < std::min(int(std::ceil(x1)), srcRect.Width()); ++ix) {
                    const double w = wy * (std::min<double>(ix + 1, x1) - std::max<double>(ix, x0));
                    if (w <= 0) continue;
                    for (int ch = 0; ch < 4; ++ch) acc[ch] += w * Channel(row[ix], ch * 8);
                    total += w;
                }
            }
            if (total <= 0) continue;
            TPixel32 out = 0;
            for (int ch = 0; ch < 4; ++ch)
                out |= TPixel32(static_cast<std::uint8_t>(std::lround(acc[ch] / total))) << (ch * 8);
            dst.Pixel(x, y) = out;
        }
    }
}

}  // namespace tornivex::paint
