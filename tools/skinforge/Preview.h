#pragma once
// A rough picture of a skin in use (window frame, title, push buttons in three states, memo
// with scroll bar), composed straight from the master image. It approximates the painting
// engine closely enough to judge the art while tuning; it is not the engine.
#include <QColor>
#include <QImage>

#include <vector>

namespace tornivex::forge {

struct PreviewRecipe {
    QColor FormColour;
    std::vector<QColor> ButtonGradient, ButtonHotGradient; // horizontal, evenly spaced stops
    int ButtonImagePercent = 50, ButtonHotImagePercent = 25;
    QColor ButtonText, TitleText, EditColour, EditText, TrackColour;
    QImage FormTexture; // tile; empty = the master's form texture
};

QImage RenderPreview(const QImage& master, const PreviewRecipe& recipe);

} // namespace tornivex::forge
