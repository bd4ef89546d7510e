#include "FrameArt.h"

#include "Cells.h"
#include "Layout.h"

#include <QTransform>

#include <algorithm>
#include <cmath>

namespace tornivex::forge {
namespace {

const QColor None(0, 0, 0, 0);
const QColor White(255, 255, 255);

// `over` laid on `under`, both possibly translucent.
QColor Stack(const QColor& over, const QColor& under) {
    const double ao = over.alphaF(), au = under.alphaF();
    const double a = ao + au * (1 - ao);
    if (a <= 0) return None;
    auto ch = [&](int o, int u) { return int(std::lround((o * ao + u * au * (1 - ao)) / a)); };
    return QColor(ch(over.red(), under.red()), ch(over.green(), under.green()),
                  ch(over.blue(), under.blue()), int(std::lround(a * 255)));
}

QColor Faded(const QColor& c, double strength) {
    return WithAlpha(c, int(std::lround(c.alpha() * std::clamp(strength, 0.0, 1.0))));
}

// Pixels above the diagonal from the top-right to the bottom-left corner face the light.
bool TopOrLeft(const FrameShape& s, int x, int y) {
    return x * s.Height() + y * s.Width() < s.Width() * s.Height();
}

} // namespace

std::vector<QImage> ButtonFrameCells(const SkinStyle& st, int width, int height, int glossRows,
                                     const std::vector<int>& cuts) {
    const FrameShape shape(width, height, cuts);
    const QColor rims[3] = {st.ButtonRim, st.ButtonRimHot, st.ButtonRimPressed};
    std::vector<QImage> cells;
    for (int state = 0; state < 3; ++state) {
        cells.push_back(shape.Paint([&](int, int y, int d) {
            if (d == 1) return rims[state];
            QColor layer = None;
            if (state == 2) {
                // Pressed: an inner shade, strongest along the top edge.
                const double fromTop = std::max(0.0, 1.0 - (y - 1) / 4.0);
                if (d == 2) layer = st.ButtonPressedShade;
                else layer = Faded(st.ButtonPressedShade, fromTop * 0.8);
                return layer;
            }
            if (y < glossRows) {
                const double t = (y - 1) / double(std::max(1, glossRows - 1));
                layer = Faded(st.ButtonGloss, std::pow(1.0 - t, 1.4));
            }
            if (state == 1 && d == 2) layer = Stack(st.ButtonHotRing, layer);
            if (y == height - 2 && d == 2) layer = Stack(WithAlpha(White, 45), layer);
            return layer;
        }));
    }
    return cells;
}

void PaintButtonFrames(QImage& sheet, const SkinStyle& st) {
    PutMaskedFrames(sheet, ButtonFrames.Origin(),
                    ButtonFrameCells(st, ButtonFrames.Width, ButtonFrames.Height, 8,
                                     st.ButtonCuts));
}

void PaintHotButtonFrames(QImage& sheet, const SkinStyle& st) {
    const FrameShape shape(HotButtonFrames.Width, HotButtonFrames.Height, {2, 1});
    std::vector<QImage> cells;
    cells.push_back(shape.Paint([&](int, int, int d) {
        return d == 1 ? Faded(st.ControlRim, 0.25) : None;
    }));
    cells.push_back(shape.Paint([&](int, int, int d) {
        if (d == 1) return st.ControlRimHot;
        return d == 2 ? WithAlpha(White, 120) : None;
    }));
    cells.push_back(shape.Paint([&](int, int y, int d) {
        if (d == 1) return st.ControlRimPressed;
        return d == 2 || y == 2 ? Faded(st.ButtonPressedShade, 0.6) : None;
    }));
    PutMaskedFrames(sheet, HotButtonFrames.Origin(), cells);
}

void PaintFormFrames(QImage& sheet, const SkinStyle& st) {
    const FrameShape shape(FormFrames.Width, FormFrames.Height, st.FormCuts);
    const int sheenRows = FormMarginTop - 2; // the last two title rows carry the rule
    std::vector<QImage> cells;
    for (int active = 0; active < 2; ++active) {
        const QColor rim = active ? st.Rim : st.RimInactive;
        const QColor sheen = active ? st.TitleSheen : st.TitleSheenInactive;
        cells.push_back(shape.Paint([&](int, int y, int d) {
            if (d == 1) return rim;
            QColor layer = None;
            if (y < sheenRows)
                layer = Faded(sheen, std::pow(1.0 - (y - 1) / double(sheenRows - 1), 1.6));
            else if (y == sheenRows)
                layer = st.TitleRule;
            else if (y == sheenRows + 1)
                layer = Faded(st.RimLight, 0.6);
            if (d == 2) layer = Stack(st.RimLight, layer);
            return layer;
        }));
    }
    PutMaskedFrames(sheet, FormFrames.Origin(), cells);
}

void PaintEditFrame(QImage& sheet, const SkinStyle& st) {
    const FrameShape shape(EditFrame.Width, EditFrame.Height, {1});
    PutMaskedFrames(sheet, EditFrame.Origin(), {shape.Paint([&](int x, int y, int d) {
                        if (d == 1) return y == 0 ? Mix(st.EditRim, Qt::black, 0.18) : st.EditRim;
                        if (d == 2 && (y == 1 || x == 1)) return st.EditShadow;
                        return None;
                    })});
}

void PaintPanelFrames(QImage& sheet, const SkinStyle& st) {
    const FrameShape shape(PanelFrame.Width, PanelFrame.Height, {1});
    auto panel = [&](bool raised) {
        return shape.Paint([&, raised](int x, int y, int d) {
            if (d == 1) return Faded(st.PanelShadow, raised ? 0.6 : 0.75);
            if (d != 2) return None;
            const bool lit = TopOrLeft(shape, x, y) == raised;
            return lit ? st.PanelLight : Faded(st.PanelShadow, 0.3);
        });
    };
    PutMaskedFrames(sheet, PanelFrame.Origin(), {panel(true)});
    PutMaskedFrames(sheet, PanelLowFrame.Origin(), {panel(false)});
}

void PaintGroupBoxFrame(QImage& sheet, const SkinStyle& st) {
    const FrameShape shape(GroupBoxFrame.Width, GroupBoxFrame.Height, {2, 1});
    PutMaskedFrames(sheet, GroupBoxFrame.Origin(), {shape.Paint([&](int, int, int d) {
                        if (d == 1) return Faded(st.PanelShadow, 0.5);
                        return d == 2 ? st.PanelLight : None;
                    })});
}

void PaintSelectionFrames(QImage& sheet, const SkinStyle& st) {
    const FrameShape shape(SelectionFrames.Width, SelectionFrames.Height, {1});
    PutMaskedFrames(sheet, SelectionFrames.Origin(),
                    {shape.Paint([&](int, int, int d) { return d == 1 ? st.SelectionRim : None; }),
                     shape.Paint([&](int, int, int d) {
                         if (d == 1) return st.SelectionFocusedRim;
                         return d == 2 ? WithAlpha(White, 70) : None;
                     })});
}

void PaintTrackFrames(QImage& sheet, const SkinStyle& st) {
    const FrameShape shape(TrackFrames.Width, TrackFrames.Height, {1});
    std::vector<QImage> cells;
    for (int state = 0; state < 3; ++state)
        cells.push_back(shape.Paint([&, state](int x, int y, int d) {
            if (d == 1) return state == 2 ? Mix(st.TrackRim, Qt::black, 0.15) : st.TrackRim;
            QColor layer = state == 2 ? st.ControlPressedTint : None;
            if (d == 2 && TopOrLeft(shape, x, y)) layer = Stack(st.TrackShadow, layer);
            return layer;
        }));
    PutMaskedFrames(sheet, TrackFrames.Origin(), cells);
}

namespace {

std::vector<QImage> RaisedPartCells(const CellStrip& strip, const SkinStyle& st,
                                    const QColor& rim, const QColor& rimHot) {
    const FrameShape shape(strip.Width, strip.Height, {2, 1});
    const QColor rims[3] = {rim, rimHot, st.ControlRimPressed};
    const QColor tints[3] = {None, st.ControlHotTint, st.ControlPressedTint};
    std::vector<QImage> cells;
    for (int state = 0; state < 3; ++state)
        cells.push_back(shape.Paint([&, state](int x, int y, int d) {
            if (d == 1) return rims[state];
            QColor layer = tints[state];
            if (d == 2) {
                const bool lit = TopOrLeft(shape, x, y);
                if (state == 2) layer = Stack(Faded(st.ButtonPressedShade, lit ? 0.7 : 0.2), layer);
                else layer = Stack(WithAlpha(White, lit ? 130 : 40), layer);
            }
            return layer;
        }));
    return cells;
}

} // namespace

void PaintScrollButtonFrames(QImage& sheet, const SkinStyle& st) {
    PutMaskedFrames(sheet, ScrollButtonFrames.Origin(),
                    RaisedPartCells(ScrollButtonFrames, st, st.ControlRim, st.ControlRimHot));
}

void PaintThumbFrames(QImage& sheet, const SkinStyle& st) {
    PutMaskedFrames(sheet, ThumbFrames.Origin(),
                    RaisedPartCells(ThumbFrames, st, st.ThumbRim, st.ThumbRimHot));
}

void PaintTabFrames(QImage& sheet, const SkinStyle& st) {
    OpenSides openBottom;
    openBottom.Bottom = true;
    const FrameShape shape(TabTop.Width, TabTop.Height, {3, 1}, openBottom);
    const QColor rims[3] = {Faded(st.TabRim, 0.8), st.ControlRimHot, st.TabRim};
    std::vector<QImage> top;
    for (int state = 0; state < 3; ++state)
        top.push_back(shape.Paint([&, state](int, int y, int d) {
            if (d == 1) return rims[state];
            if (d == 2) return st.TabHighlight;
            if (state == 1 && y < 4) return st.ControlHotTint;
            return None;
        }));
    auto turned = [&](const QTransform& t, bool flip) {
        std::vector<QImage> out;
        for (const QImage& cell : top) out.push_back(flip ? cell.mirrored(false, true)
                                                          : cell.transformed(t));
        return out;
    };
    PutMaskedFrames(sheet, TabTop.Origin(), top);
    PutMaskedFrames(sheet, TabBottom.Origin(), turned({}, true));
    PutMaskedFrames(sheet, TabLeft.Origin(), turned(QTransform().rotate(-90), false));
    PutMaskedFrames(sheet, TabRight.Origin(), turned(QTransform().rotate(90), false));
}

void PaintOuterEffectMasks(QImage& sheet, const SkinStyle& st) {
    const FrameShape light(LightMask.Width, LightMask.Height, {});
    PutMaskedFrames(sheet, LightMask.Origin(), {light.Paint([&](int, int, int d) {
                        return Faded(st.Light, 1.0 - (d - 1) / 4.0);
                    })});
    const FrameShape shadow(ShadowMask.Width, ShadowMask.Height, {});
    PutMaskedFrames(sheet, ShadowMask.Origin(), {shadow.Paint([&](int, int, int d) {
                        return Faded(st.Shadow, d / 7.0);
                    })});
}

} // namespace tornivex::forge
