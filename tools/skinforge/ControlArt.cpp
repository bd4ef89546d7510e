#include "ControlArt.h"

#include "Cells.h"
#include "Glyphs.h"
#include "Layout.h"

#include <QLinearGradient>
#include <QPainter>

#include <functional>
#include <vector>

namespace tornivex::forge {
namespace {

using CellPainter = std::function<void(QImage& cell, int state)>;

std::vector<QImage> StateCells(const CellStrip& strip, const CellPainter& paint) {
    std::vector<QImage> cells;
    for (int state = 0; state < strip.Frames; ++state) {
        QImage cell = NewCell(strip.Width, strip.Height);
        paint(cell, state);
        cells.push_back(cell);
    }
    return cells;
}

void PutStrip(QImage& sheet, const CellStrip& strip, const CellPainter& paint) {
    PutMaskedFrames(sheet, strip.Origin(), StateCells(strip, paint));
}

QLinearGradient Vertical(const QRectF& box, const QColor& top, const QColor& bottom) {
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

// The face of a check box or radio button in a state (0 normal, 1 hot, 2 pressed).
void PaintControlFace(QImage& cell, const SkinStyle& st, int state, bool round) {
    QPainter p(&cell);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0.5, 0.5, cell.width() - 1.0, cell.height() - 1.0);
    const QColor rims[3] = {st.ControlRim, st.ControlRimHot, st.ControlRimPressed};
    p.setPen(QPen(rims[state], 1));
    p.setBrush(Vertical(box, st.ControlFaceTop, st.ControlFaceBottom));
    if (round) p.drawEllipse(box);
    else p.drawRoundedRect(box, 2.2, 2.2);
    const QColor tint = state == 1 ? st.ControlHotTint : state == 2 ? st.ControlPressedTint
                                                                    : QColor(0, 0, 0, 0);
    if (tint.alpha() > 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(tint);
        const QRectF inner = box.adjusted(1, 1, -1, -1);
        if (round) p.drawEllipse(inner);
        else p.drawRoundedRect(inner, 1.5, 1.5);
    }
}

QColor GlyphColour(const SkinStyle& st, int state) {
    return state == 0 ? st.Glyph : state == 1 ? st.GlyphHot : st.GlyphPressed;
}

} // namespace

void PaintCheckBoxes(QImage& sheet, const SkinStyle& st) {
    auto box = [&](const CellStrip& strip, int mark) {
        PutStrip(sheet, strip, [&, mark](QImage& cell, int state) {
            PaintControlFace(cell, st, state, false);
            const double n = cell.width();
            if (mark == 1)
                DrawCheckMark(cell, QRectF(n * 0.24, n * 0.27, n * 0.52, n * 0.44), st.Accent,
                              n > 13 ? 2.0 : 1.6);
            if (mark == 2) DrawDot(cell, QRectF(n * 0.3, n * 0.3, n * 0.4, n * 0.4),
                                   WithAlpha(st.Accent, 150));
        });
    };
    box(BoxUnchecked, 0);
    box(BoxChecked, 1);
    box(BoxGrayed, 2);
    box(SmallUnchecked, 0);
    box(SmallChecked, 1);
    box(SmallGrayed, 2);
}

void PaintRadioButtons(QImage& sheet, const SkinStyle& st) {
    PutStrip(sheet, RadioUnchecked,
             [&](QImage& cell, int state) { PaintControlFace(cell, st, state, true); });
    PutStrip(sheet, RadioChecked, [&](QImage& cell, int state) {
        PaintControlFace(cell, st, state, true);
        DrawDot(cell, QRectF(4.5, 4.5, 6, 6), st.Accent);
    });
}

void PaintMenuCheck(QImage& sheet, const SkinStyle& st) {
    PutStrip(sheet, MenuCheck, [&](QImage& cell, int state) {
        DrawCheckMark(cell, QRectF(3.5, 4, 8, 6.5), GlyphColour(st, state), 1.8);
    });
}

namespace {

enum class TitleSymbol { Close, Max, Norm, Min, Help };

void PaintTitleCell(QImage& cell, const SkinStyle& st, int state, TitleSymbol symbol) {
    QPainter p(&cell);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plate(0.5, 0.5, cell.width() - 1.0, cell.height() - 1.0);
    const double radius = cell.height() > 15 ? 3.5 : 2.5;
    QColor glyph = GlyphColour(st, state);
    if (symbol == TitleSymbol::Close) {
        const QColor tops[3] = {st.ClosePlateTop, st.CloseHotTop, st.ClosePressedTop};
        const QColor bottoms[3] = {st.ClosePlateBottom, st.CloseHotBottom, st.ClosePressedBottom};
        const QColor rims[3] = {st.ClosePlateRim, st.CloseHotRim, st.CloseHotRim};
        p.setPen(QPen(rims[state], 1));
        p.setBrush(Vertical(plate, tops[state], bottoms[state]));
        p.drawRoundedRect(plate, radius, radius);
        glyph = state == 0 ? st.CloseGlyph : st.CloseGlyphHot;
    } else if (state > 0) {
        p.setPen(QPen(state == 1 ? st.ControlRimHot : st.ControlRimPressed, 1));
        p.setBrush(state == 1 ? st.TitleButtonHot : st.TitleButtonPressed);
        p.drawRoundedRect(plate, radius, radius);
    }
    p.end();
    const double w = cell.width(), h = cell.height();
    const double s = std::min(w, h) * 0.42; // symbol size
    const QRectF box((w - s) / 2, (h - s) / 2, s, s);
    switch (symbol) {
    case TitleSymbol::Close: DrawCross(cell, box.adjusted(0.3, 0.3, -0.3, -0.3), glyph, 1.7); break;
    case TitleSymbol::Max: DrawMaximizeSymbol(cell, box.adjusted(-0.5, -0.5, 1.5, 1.5), glyph); break;
    case TitleSymbol::Norm: DrawRestoreSymbol(cell, box.adjusted(-0.5, -0.5, 1.5, 1.5), glyph); break;
    case TitleSymbol::Min: DrawMinimizeSymbol(cell, box.adjusted(0, 0, 1, 1), glyph); break;
    case TitleSymbol::Help: DrawHelpSymbol(cell, box.adjusted(0, -0.5, 0, 0.5), glyph); break;
    }
}

void PutTitleStrip(QImage& sheet, const CellStrip& strip, const SkinStyle& st, TitleSymbol sym) {
    PutStrip(sheet, strip, [&](QImage& cell, int state) { PaintTitleCell(cell, st, state, sym); });
}

} // namespace

void PaintSmallTitleGlyphs(QImage& sheet, const SkinStyle& st) {
    PutTitleStrip(sheet, SmallClose, st, TitleSymbol::Close);
    PutTitleStrip(sheet, SmallMax, st, TitleSymbol::Max);
    PutTitleStrip(sheet, SmallNorm, st, TitleSymbol::Norm);
    PutTitleStrip(sheet, SmallMin, st, TitleSymbol::Min);
    PutTitleStrip(sheet, SmallHelp, st, TitleSymbol::Help);
}

void PaintBigTitleGlyphs(QImage& sheet, const SkinStyle& st) {
    PutTitleStrip(sheet, BigClose, st, TitleSymbol::Close);
    PutTitleStrip(sheet, BigCloseAlone, st, TitleSymbol::Close);
    PutTitleStrip(sheet, BigMax, st, TitleSymbol::Max);
    PutTitleStrip(sheet, BigNorm, st, TitleSymbol::Norm);
    PutTitleStrip(sheet, BigMin, st, TitleSymbol::Min);
    PutTitleStrip(sheet, BigHelp, st, TitleSymbol::Help);
}

void PaintTitleButtonPlates(QImage& sheet, const SkinStyle& st) {
    PutStrip(sheet, TitleButton, [&](QImage& cell, int state) {
        if (state == 0) return;
        QPainter p(&cell);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(state == 1 ? st.ControlRimHot : st.ControlRimPressed, 1));
        p.setBrush(state == 1 ? st.TitleButtonHot : st.TitleButtonPressed);
        p.drawRoundedRect(QRectF(0.5, 0.5, cell.width() - 1.0, cell.height() - 1.0), 3.5, 3.5);
    });
}

void PaintScrollArrows(QImage& sheet, const SkinStyle& st) {
    auto arrows = [&](const CellStrip& strip, ArrowDirection dir) {
        PutStrip(sheet, strip, [&, dir](QImage& cell, int state) {
            DrawArrow(cell, QRectF(1, 1, 7, 7), dir, GlyphColour(st, state));
        });
    };
    arrows(ArrowLeft, ArrowDirection::Left);
    arrows(ArrowUp, ArrowDirection::Up);
    arrows(ArrowRight, ArrowDirection::Right);
    arrows(ArrowDown, ArrowDirection::Down);
}

void PaintThumbRidges(QImage& sheet, const SkinStyle& st) {
    auto ridges = [&](const CellStrip& strip, bool vertical) {
        PutStrip(sheet, strip, [&, vertical](QImage& cell, int state) {
            const QColor dark = WithAlpha(GlyphColour(st, state), state == 0 ? 120 : 160);
            DrawGripRidges(cell, vertical, QColor(255, 255, 255, 150), dark);
        });
    };
    ridges(ThumbRidgesV, false);
    ridges(ThumbRidgesH, true);
}

void PaintSizeGrip(QImage& sheet, const SkinStyle& st, const QColor& under) {
    QImage cell = NewCell(SizeGrip.Width, SizeGrip.Height);
    DrawSizeGrip(cell, QColor(255, 255, 255, 200), WithAlpha(st.Glyph, 170));
    PutKeyedFrames(sheet, SizeGrip.Origin(), {cell}, under);
}

} // namespace tornivex::forge
