#pragma once
// Border masks: the nine-slice frames of buttons, the window, edits, panels, tabs and scroll-bar
// parts. Each function paints its whole strip (all state frames) into the master sheet.
#include "SkinStyle.h"

#include <QImage>

#include <vector>

namespace tornivex::forge {

void PaintButtonFrames(QImage& sheet, const SkinStyle& style);
void PaintHotButtonFrames(QImage& sheet, const SkinStyle& style);
void PaintFormFrames(QImage& sheet, const SkinStyle& style);
void PaintEditFrame(QImage& sheet, const SkinStyle& style);
void PaintPanelFrames(QImage& sheet, const SkinStyle& style);
void PaintGroupBoxFrame(QImage& sheet, const SkinStyle& style);
void PaintSelectionFrames(QImage& sheet, const SkinStyle& style);
void PaintTrackFrames(QImage& sheet, const SkinStyle& style);
void PaintScrollButtonFrames(QImage& sheet, const SkinStyle& style);
void PaintThumbFrames(QImage& sheet, const SkinStyle& style);
void PaintTabFrames(QImage& sheet, const SkinStyle& style);
void PaintOuterEffectMasks(QImage& sheet, const SkinStyle& style);

// The three frames (normal, hot, pressed) of a push button of any cell size, as ARGB cells;
// used for the master's button strip and for the big-button images.
std::vector<QImage> ButtonFrameCells(const SkinStyle& style, int width, int height,
                                     int glossRows, const std::vector<int>& cuts);

} // namespace tornivex::forge
