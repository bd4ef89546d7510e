#include "BorderMask.h"

#include "BitmapPrimitives.h"
#include "MaskImage.h"
#include "MaskPieces.h"
#include "RectOps.h"

#include <algorithm>
#include <functional>

namespace tornivex::paint {
namespace {

using PutPiece = std::function<void(const TRect& target, const TRect& source)>;

// Tiles `source` over `target`: whole pieces, then one shortened piece up to the far edge.
void TilePieces(const TRect& target, const TRect& source, const PutPiece& put) {
    const int w = source.Width(), h = source.Height();
    if (w <= 0 || h <= 0 || target.IsEmpty()) return;
    for (int y = target.Top; y < target.Bottom; y += h)
        for (int x = target.Left; x < target.Right; x += w) {
            const int pw = std::min(w, target.Right - x), ph = std::min(h, target.Bottom - y);
            put(MakeRect(x, y, pw, ph), MakeRect(source.Left, source.Top, pw, ph));
        }
}

bool ShrinksAlongOneAxis(const TRect& target, const TRect& source) {
    const bool narrower = target.Width() < source.Width(), lower = target.Height() < source.Height();
    return narrower != lower;
}

// The nine pieces of one frame: target and source rectangles.
struct TNineSlice {
    TRect TL, T, TR, L, C, R, BL, B, BR;           // targets
    TRect sTL, sT, sTR, sL, sC, sR, sBL, sB, sBR;  // sources
};

TNineSlice Slice(const TRect& r, const TBorderMargins& m, int x0, int y0, int fw, int fh) {
    const int mw = fw - m.Left - m.Right, mh = fh - m.Top - m.Bottom;
    const int il = r.Left + m.Left, it = r.Top + m.Top, ir = r.Right - m.Right, ib = r.Bottom - m.Bottom;
    const int sx2 = x0 + fw - m.Right, sy2 = y0 + fh - m.Bottom;
    TNineSlice s;
    s.TL = {r.Left, r.Top, il, it};   s.sTL = MakeRect(x0, y0, m.Left, m.Top);
    s.T = {il, r.Top, ir, it};        s.sT = MakeRect(x0 + m.Left, y0, mw, m.Top);
    s.TR = {ir, r.Top, r.Right, it};  s.sTR = MakeRect(sx2, y0, m.Right, m.Top);
    s.L = {r.Left, it, il, ib};       s.sL = MakeRect(x0, y0 + m.Top, m.Left, mh);
    s.C = {il, it, ir, ib};           s.sC = MakeRect(x0 + m.Left, y0 + m.Top, mw, mh);
    s.R = {ir, it, r.Right, ib};      s.sR = MakeRect(sx2, y0 + m.Top, m.Right, mh);
    s.BL = {r.Left, ib, il, r.Bottom}; s.sBL = MakeRect(x0, sy2, m.Left, m.Bottom);
    s.B = {il, ib, ir, r.Bottom};     s.sB = MakeRect(x0 + m.Left, sy2, mw, m.Bottom);
    s.BR = {ir, ib, r.Right, r.Bottom}; s.sBR = MakeRect(sx2, sy2, m.Right, m.Bottom);
    return s;
}

struct TFrameGeometry {
    TBorderMargins Margins;
    TNineSlice Pieces;
    bool Drawable = false;
};

TFrameGeometry FrameGeometry(const TsMaskData& mask, const TRect& rect, int state) {
    TFrameGeometry g;
    g.Margins = FitBorderMargins(mask, rect.Width(), rect.Height());
    const TRect frame = MaskFrameRect(mask, MaskFrameForState(mask, state));
    const int mw = frame.Width() - g.Margins.Left - g.Margins.Right;
    const int mh = frame.Height() - g.Margins.Top - g.Margins.Bottom;
    if (mw < 0 || mh < 0 || frame.IsEmpty()) return g;
    g.Pieces = Slice(rect, g.Margins, frame.Left, frame.Top, frame.Width(), frame.Height());
    g.Drawable = true;
    return g;
}

}  // namespace

TBorderMargins FitBorderMargins(const TsMaskData& mask, int width, int height) {
    TBorderMargins m{mask.WL, mask.WT, mask.WR, mask.WB};
    const auto fit = [](int& first, int& second, int room) {
        if (room >= first + second) return;
        const int excess = first + second - room;
        first = std::max(0, first - excess / 2);
        second = std::max(0, second - (excess - excess / 2));
    };
    fit(m.Left, m.Right, width);
    fit(m.Top, m.Bottom, height);
    return m;
}

void DrawBorderMask(TBitmap32& target, const TRect& rect, const BackgroundSource& source,
                    bool cornerFill, int state, const TsMaskData& mask) {
    if ((state == 0 && (mask.DrawMode & bmNotInNormal)) || rect.Width() < 2 || rect.Height() < 2 ||
        !mask.Manager)
        return;
    const TBitmap32* image = MaskSourceImage(mask);
    const TFrameGeometry g = FrameGeometry(mask, rect, state);
    if (!image || !g.Drawable) return;
    const TNineSlice& s = g.Pieces;
    const bool masked = mask.MaskType != 0;
    const bool cornerMode = cornerFill && mask.CornerType > 0;
    const bool stretch = (mask.DrawMode & bmStretch) != 0;
    const BackgroundSource none = EmptyBackgroundSource();

    const auto corner = [&](const TRect& t, const TRect& src) {
        if (masked) CopyMaskedPiece(t, src, target, mask, cornerMode, source, *image);
        else CopyKeyedPiece(t, src, target, cornerMode, source, *image);
    };
    const auto side = [&](const TRect& t, const TRect& src, bool isCentre) {
        if (t.IsEmpty() || src.IsEmpty()) return;  // a zero-length middle is never tiled
        if (stretch) {
            if (masked)
                CopyMaskedPieceStretched(t, src, target, mask, *image,
                                         isCentre || ShrinksAlongOneAxis(t, src));
            else
                StretchRect(target, t, *image, src);
            return;
        }
        if (masked)
            TilePieces(t, src, [&](const TRect& pt, const TRect& ps) {
                CopyMaskedPiece(pt, ps, target, mask, false, none, *image);
            });
        else
            TilePieces(t, src, [&](const TRect& pt, const TRect& ps) {
                CopyRect(target, TPoint{pt.Left, pt.Top}, *image, ps);
            });
    };

    corner(s.TL, s.sTL);
    side(s.L, s.sL, false);
    side(s.T, s.sT, false);
    corner(s.BL, s.sBL);
    side(s.B, s.sB, false);
    corner(s.BR, s.sBR);
    corner(s.TR, s.sTR);
    side(s.R, s.sR, false);
    if (mask.DrawMode & bmDrawCentre) side(s.C, s.sC, true);
}

void RedrawBorderCorners(TBitmap32& target, const TRect& rect, const BackgroundSource& source,
                         int state, const TsMaskData& mask, int corners) {
    if (rect.Width() < 2 || rect.Height() < 2 || !mask.Manager) return;
    const TBitmap32* image = MaskSourceImage(mask);
    const TFrameGeometry g = FrameGeometry(mask, rect, state);
    if (!image || !g.Drawable) return;
    const TNineSlice& s = g.Pieces;
    const auto put = [&](int bit, const TRect& t, const TRect& src) {
        if (!(corners & bit)) return;
        if (mask.MaskType != 0) CopyMaskedPiece(t, src, target, mask, true, source, *image);
        else CopyKeyedPiece(t, src, target, true, source, *image);
    };
    put(crTopLeft, s.TL, s.sTL);
    put(crBottomLeft, s.BL, s.sBL);
    put(crTopRight, s.TR, s.sTR);
    put(crBottomRight, s.BR, s.sBR);
}

}  // namespace tornivex::paint
