#include "TextGlow.h"

#include "PixelColor.h"
#include "DevicePixels.h"
#include "RectOps.h"
#include "platform/text/DrawText.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tornivex::paint {

int GlowBlurHalfWidth(int glowSize) {
    if (glowSize <= 0) return 1;
    // Weights are e^(-(j/s)^2 / 2) rounded: 1 near the centre, 0 further out. Trimming from the
    // outside drops every zero weight and then the outermost weight of 1 as well.
    int largestOne = 0;
    for (int j = 16; j >= 1; --j) {
        const double x = double(j) / glowSize;
        if (std::nearbyint(std::exp(-x * x / 2)) >= 1) { largestOne = j; break; }
    }
    return std::max(1, largestOne - 1);
}

void BoxBlurGrey(std::uint8_t* grey, int width, int height, int w) {
    if (width <= 0 || height <= 0) return;
    const int taps = 2 * w + 1;
    std::vector<std::uint8_t> line(static_cast<std::size_t>(std::max(width, height)));
    const auto blurLine = [&](std::uint8_t* first, int count, int stride) {
        for (int i = 0; i < count; ++i) line[static_cast<std::size_t>(i)] = first[i * stride];
        for (int i = 0; i < count; ++i) {
            int sum = 0;
            for (int j = -w; j <= w; ++j) sum += line[static_cast<std::size_t>(std::clamp(i + j, 0, count - 1))];
            first[i * stride] = static_cast<std::uint8_t>(std::min(255, sum / taps));
        }
    };
    for (int y = 0; y < height; ++y) blurLine(grey + y * width, width, 1);
    for (int x = 0; x < width; ++x) blurLine(grey + x, height, width);
}

namespace {

// The blurred shape of one text in one rectangle size: everything of a glow but its colour and
// place. A button draws the same caption in its hot and pressed looks and on every fade, so the
// last few shapes are kept.
struct TGlowShape {
    QString Text;
    QString FontKey;
    int Width = 0, Height = 0, GlowSize = 0;
    std::uint32_t Flags = 0;
    double Ratio = 1.0;
    std::vector<std::uint8_t> Grey;  // packed rows of the grown area
};

const std::vector<std::uint8_t>& GlowShape(const QString& text, const QFont& font, int width, int height,
                                           int glowSize, std::uint32_t flags, double ratio) {
    static std::vector<TGlowShape> recent;  // most recent first; GUI thread only
    const QString fontKey = font.key();
    for (std::size_t i = 0; i < recent.size(); ++i) {
        const TGlowShape& s = recent[i];
        if (s.Width == width && s.Height == height && s.GlowSize == glowSize && s.Flags == flags &&
            s.Ratio == ratio && s.Text == text && s.FontKey == fontKey) {
            std::rotate(recent.begin(), recent.begin() + static_cast<std::ptrdiff_t>(i),
                        recent.begin() + static_cast<std::ptrdiff_t>(i) + 1);
            return recent.front().Grey;
        }
    }
    const int grow = std::max(0, glowSize) + 4;
    const int w = DeviceEdge(width + 2 * grow, ratio), h = DeviceEdge(height + 2 * grow, ratio);
    QImage grey(w, h, QImage::Format_Grayscale8);
    grey.fill(255);
    if (ratio != 1.0) grey.setDevicePixelRatio(ratio);
    for (const TPoint shift : {TPoint{-1, 0}, TPoint{0, -1}, TPoint{1, 0}, TPoint{0, 1}, TPoint{0, 0}}) {
        QRect place(grow + shift.X, grow + shift.Y, width, height);
        platform::DrawFormattedText(grey, font, Qt::black, text, place, flags);
    }
    // Rows of a QImage are padded; blur a packed copy.
    TGlowShape shape{text, fontKey, width, height, glowSize, flags, ratio, {}};
    shape.Grey.resize(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        std::copy_n(grey.constScanLine(y), w, shape.Grey.data() + static_cast<std::size_t>(y) * w);
    const int halfWidth = GlowBlurHalfWidth(glowSize);
    BoxBlurGrey(shape.Grey.data(), w, h, ratio == 1.0 ? halfWidth : std::max(1, int(std::lround(halfWidth * ratio))));
    constexpr std::size_t kept = 8;
    if (recent.size() == kept) recent.pop_back();
    recent.insert(recent.begin(), std::move(shape));
    return recent.front().Grey;
}

}  // namespace

void DrawTextGlow(TBitmap32& target, const QString& text, const TRect& rect, TColor glowColor,
                  int glowSize, std::uint32_t flags, const QFont& font, double ratio) {
    if (text.isEmpty() || rect.IsEmpty() || target.Empty()) return;
    const TRect moved = Offset(rect, 1, 1);
    const int grow = std::max(0, glowSize) + 4;
    const TRect area{moved.Left - grow, moved.Top - grow, moved.Right + grow, moved.Bottom + grow};
    const std::uint32_t drawFlags = flags & ~std::uint32_t(platform::tfCalcRect);
    const std::vector<std::uint8_t>& grey =
        GlowShape(text, font, moved.Width(), moved.Height(), glowSize, drawFlags, ratio);
    if (ratio == 1.0) {
        TintByGrey(target, grey.data(), area, glowColor);
        return;
    }
    const TRect device{DeviceEdge(area.Left, ratio), DeviceEdge(area.Top, ratio),
                       DeviceEdge(area.Left, ratio) + DeviceEdge(area.Width(), ratio),
                       DeviceEdge(area.Top, ratio) + DeviceEdge(area.Height(), ratio)};
    TintByGrey(target, grey.data(), device, glowColor);
}

void TintByGrey(TBitmap32& target, const std::uint8_t* grey, const TRect& area, TColor glowColor) {
    const TColor glow = ColorToRGB(glowColor);
    const int gc[3] = {ColorB(glow), ColorG(glow), ColorR(glow)};  // pixel byte order
    const TRect visible = Intersect(area, BoundsOf(target));
    for (int y = visible.Top; y < visible.Bottom; ++y) {
        const std::uint8_t* g = grey + static_cast<std::size_t>(y - area.Top) * area.Width();
        TPixel32* row = target.Scanline(y);
        for (int x = visible.Left; x < visible.Right; ++x) {
            const int v = g[x - area.Left];
            if (v >= 255) continue;
            const TPixel32 p = row[x];
            TPixel32 out = 0;
            for (int ch = 0; ch < 3; ++ch) {
                const int c = (p >> (8 * ch)) & 0xFF;
                out |= TPixel32(((255 - v) * gc[ch] + c * v) / 256) << (8 * ch);
            }
            const int a = PixelA(p);
            out |= TPixel32((255 - a) * (255 - v) / 256 + a) << 24;
            row[x] = out;
        }
    }
}

}  // namespace tornivex::paint
