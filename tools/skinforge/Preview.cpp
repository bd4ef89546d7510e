#include "Preview.h"

#include "Cells.h"
#include "Layout.h"

#include <QFont>
#include <QPainter>

namespace tornivex::forge {
namespace {

struct Margins {
    int L, T, R, B;
};

QImage Cut(const QImage& sheet, int x, int y, int w, int h) { return sheet.copy(x, y, w, h); }

// Composes `piece` (with its mask) over `target` at `to`, stretched to the target size.
void MaskedPut(QImage& target, const QRect& to, const QImage& piece, const QImage& mask) {
    if (to.width() <= 0 || to.height() <= 0) return;
    const QImage p = piece.scaled(to.size()), m = mask.scaled(to.size());
    for (int y = 0; y < to.height(); ++y)
        for (int x = 0; x < to.width(); ++x) {
            const QPoint at = to.topLeft() + QPoint(x, y);
            if (!target.rect().contains(at)) continue;
            const QRgb s = p.pixel(x, y), mk = m.pixel(x, y), d = target.pixel(at);
            if (s == qRgb(255, 0, 255)) continue;
            auto ch = [](int sv, int dv, int mv) { return (sv * 256 + (dv - sv) * mv) / 256; };
            target.setPixel(at, qRgb(ch(qRed(s), qRed(d), qRed(mk)), ch(qGreen(s), qGreen(d), qGreen(mk)),
                                     ch(qBlue(s), qBlue(d), qBlue(mk))));
        }
}

void NineSlice(QImage& target, const QRect& r, const QImage& sheet, const CellStrip& strip,
               int frame, Margins m) {
    const int x0 = strip.X + frame * strip.Width, y0 = strip.Y, fw = strip.Width, fh = strip.Height;
    const int mw = fw - m.L - m.R, mh = fh - m.T - m.B;
    auto put = [&](int sx, int sy, int sw, int sh, QRect to) {
        MaskedPut(target, to, Cut(sheet, x0 + sx, y0 + sy, sw, sh), Cut(sheet, x0 + sx, y0 + fh + sy, sw, sh));
    };
    const int W = r.width(), H = r.height();
    put(0, 0, m.L, m.T, QRect(r.left(), r.top(), m.L, m.T));
    put(fw - m.R, 0, m.R, m.T, QRect(r.right() + 1 - m.R, r.top(), m.R, m.T));
    put(0, fh - m.B, m.L, m.B, QRect(r.left(), r.bottom() + 1 - m.B, m.L, m.B));
    put(fw - m.R, fh - m.B, m.R, m.B, QRect(r.right() + 1 - m.R, r.bottom() + 1 - m.B, m.R, m.B));
    put(m.L, 0, mw, m.T, QRect(r.left() + m.L, r.top(), W - m.L - m.R, m.T));
    put(m.L, fh - m.B, mw, m.B, QRect(r.left() + m.L, r.bottom() + 1 - m.B, W - m.L - m.R, m.B));
    put(0, m.T, m.L, mh, QRect(r.left(), r.top() + m.T, m.L, H - m.T - m.B));
    put(fw - m.R, m.T, m.R, mh, QRect(r.right() + 1 - m.R, r.top() + m.T, m.R, H - m.T - m.B));
}

void Glyph(QImage& target, QPoint at, const QImage& sheet, const CellStrip& strip, int frame) {
    const int x0 = strip.X + frame * strip.Width;
    MaskedPut(target, QRect(at, QSize(strip.Width, strip.Height)),
              Cut(sheet, x0, strip.Y, strip.Width, strip.Height),
              Cut(sheet, x0, strip.Y + strip.Height, strip.Width, strip.Height));
}

void Button(QImage& img, const QImage& sheet, const PreviewRecipe& r, QRect at, int state,
            const QString& text) {
    QPainter p(&img);
    const QImage column = Cut(sheet, ButtonTexture.X, ButtonTexture.Y, 1, ButtonTexture.Height)
                              .scaled(at.size());
    const auto& stops = state == 0 ? r.ButtonGradient : r.ButtonHotGradient;
    const int ip = state == 0 ? r.ButtonImagePercent : r.ButtonHotImagePercent;
    for (int y = 0; y < at.height(); ++y)
        for (int x = 0; x < at.width(); ++x) {
            const QColor g = Ramp(stops, x / double(at.width() - 1));
            const QColor t = column.pixelColor(x, y);
            img.setPixelColor(at.topLeft() + QPoint(x, y), Mix(g, t, ip / 100.0));
        }
    p.end();
    NineSlice(img, at, sheet, ButtonFrames, state, {8, 8, 9, 4});
    QPainter tp(&img);
    tp.setFont(QFont("Tahoma", 8));
    tp.setPen(r.ButtonText);
    tp.drawText(at.translated(state == 2 ? 1 : 0, state == 2 ? 1 : 0), Qt::AlignCenter, text);
}

} // namespace

QImage RenderPreview(const QImage& master, const PreviewRecipe& r) {
    constexpr int W = 541, H = 206;
    QImage img(W + 40, H + 150, QImage::Format_RGB32);
    img.fill(QColor(80, 80, 80));
    const QImage tile = r.FormTexture.isNull()
                            ? Cut(master, FormTexture.X, FormTexture.Y, FormTexture.Width, FormTexture.Height)
                            : r.FormTexture;
    QImage window(W, H, QImage::Format_RGB32);
    {
        QPainter p(&window);
        p.fillRect(window.rect(), QBrush(tile));
    }
    NineSlice(window, window.rect(), master, FormFrames, 1,
              {FormMarginSide, FormMarginTop, FormMarginSide, FormMarginBottom});
    {
        QPainter p(&window);
        QFont f("Tahoma");
        f.setPixelSize(11);
        f.setBold(true);
        p.setFont(f);
        p.setPen(r.TitleText);
        p.drawText(QRect(3 + 3 + 4, 0, 300, 26), Qt::AlignVCenter, "Tornivex");
        QFont body("Tahoma");
        body.setPixelSize(11);
        p.setFont(body);
        p.setPen(Qt::black);
        p.drawText(QRect(20, 40, 300, 16), Qt::AlignVCenter, "Motor step angle (degrees):");
    }
    const int closeRight = W - 4 - 4 - 2;
    Glyph(window, {closeRight - SmallClose.Width, 13 - SmallClose.Height / 2}, master, SmallClose, 0);
    Button(window, master, r, QRect(20, 150, 137, 25), 0, "Calculate");
    Button(window, master, r, QRect(170, 150, 137, 25), 1, "Calculate");
    Button(window, master, r, QRect(320, 150, 75, 25), 2, "About");
    // Memo with the edit frame and a vertical scroll bar.
    const QRect memo(410, 60, 110, 67);
    {
        QPainter p(&window);
        p.fillRect(memo, r.EditColour);
        p.setPen(r.EditText);
        p.drawText(memo.adjusted(4, 2, -20, 0), Qt::TextWordWrap, "Licence text that wraps in the memo.");
    }
    NineSlice(window, memo, master, EditFrame, 0, {2, 2, 2, 2});
    const QRect bar(memo.right() - 2 - 16, memo.top() + 2, 17, memo.height() - 4);
    {
        QPainter p(&window);
        p.fillRect(bar, r.TrackColour);
    }
    NineSlice(window, bar, master, TrackFrames, 0, {3, 3, 3, 3});
    const QRect up(bar.left(), bar.top(), 17, 17), down(bar.left(), bar.bottom() - 16, 17, 17);
    for (const QRect& b : {up, down}) {
        QPainter p(&window);
        QLinearGradient g(b.topLeft(), b.bottomLeft());
        g.setColorAt(0, QColor(250, 251, 252));
        g.setColorAt(1, QColor(214, 219, 226));
        p.fillRect(b, g);
        p.end();
        NineSlice(window, b, master, ScrollButtonFrames, 0, {4, 4, 4, 4});
    }
    Glyph(window, up.topLeft() + QPoint(4, 4), master, ArrowUp, 0);
    Glyph(window, down.topLeft() + QPoint(4, 4), master, ArrowDown, 0);
    const QRect thumb(bar.left(), up.bottom() + 1, 17, 20);
    {
        QPainter p(&window);
        p.fillRect(thumb, QColor(222, 226, 232));
    }
    NineSlice(window, thumb, master, ThumbFrames, 0, {4, 4, 4, 4});
    Glyph(window, thumb.center() - QPoint(3, 3), master, ThumbRidgesV, 0);
    // Window corners are cut to the key pixels of the frame.
    QImage framed = window;
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < W; ++x) {
            const QRgb key = qRgb(255, 0, 255);
            if (master.pixel(FormFrames.X + FormFrames.Width + std::min(x, 5), FormFrames.Y + y) == key && x < 6)
                framed.setPixel(x, y, qRgb(80, 80, 80));
        }
    QPainter out(&img);
    out.drawImage(20, 20, framed);
    // Title glyphs in three states, enlarged.
    const QImage close = Cut(master, SmallClose.X, SmallClose.Y, SmallClose.Width * 3, SmallClose.Height);
    out.drawImage(QRect(20, H + 40, close.width() * 4, close.height() * 4), close);
    return img;
}

} // namespace tornivex::forge
