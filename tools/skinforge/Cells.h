#pragma once
// Building blocks for skin images. A cell is one frame of an element, drawn on an ARGB canvas:
// opaque magenta marks key pixels (outside the element's outline), alpha marks how much of the
// element shows. Cells are then put into a sheet either with a mask half (MaskType 1: the grey
// mask lies below the image, black = opaque, white = transparent) or keyed (MaskType 0).
#include <QColor>
#include <QImage>
#include <QPoint>

#include <functional>
#include <vector>

namespace tornivex::forge {

inline constexpr QRgb KeyArgb = 0xFFFF00FF;

// Sides of a cell that continue beyond it (a tab is open towards its page).
struct OpenSides {
    bool Left = false, Top = false, Right = false, Bottom = false;
};

// The outline of a rectangular element with cut corners. `cuts[i]` is the number of key pixels
// at the start of row i, counted from each closed corner (mirrored to all four).
class FrameShape {
public:
    FrameShape(int width, int height, std::vector<int> cuts, OpenSides open = {});

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Outside(int x, int y) const;
    // 0 outside, 1 on the rim, 2 just inside the rim, ... (4-connected distance to the outside).
    int Depth(int x, int y) const { return depth_[std::size_t(y) * width_ + x]; }

    // A cell with key pixels outside and colourAt(x, y, depth) everywhere else.
    QImage Paint(const std::function<QColor(int x, int y, int depth)>& colourAt) const;

private:
    int width_, height_;
    std::vector<int> cuts_;
    OpenSides open_;
    std::vector<int> depth_;
};

QImage NewCell(int width, int height); // fully transparent

QColor Mix(const QColor& a, const QColor& b, double t); // t = 0 gives a, 1 gives b (alpha too)
QColor WithAlpha(const QColor& c, int alpha);
QColor Over(const QColor& top, const QColor& bottom);    // alpha compositing, opaque result
// Colour of a vertical gradient through `stops` (evenly spaced) at t in 0..1.
QColor Ramp(const std::vector<QColor>& stops, double t);

// Puts frames side by side at `origin` with their mask half below (MaskType 1).
void PutMaskedFrames(QImage& sheet, QPoint origin, const std::vector<QImage>& frames);
// Puts frames side by side at `origin` without a mask (MaskType 0): transparent pixels become
// key pixels, partly transparent ones are composed over `under`.
void PutKeyedFrames(QImage& sheet, QPoint origin, const std::vector<QImage>& frames,
                    const QColor& under);
// Copies an opaque image into the sheet.
void PutOpaque(QImage& sheet, QPoint origin, const QImage& image);

} // namespace tornivex::forge
