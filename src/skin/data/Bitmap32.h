#pragma once
// The plain 32-bit pixel container every skin image, painting target and cache is made of.
// Pixels are stored top-down, one uint32_t per pixel holding 0xAARRGGBB, which is the byte
// order blue, green, red, alpha in memory (little-endian). No widgets, no Qt.
#include <cstdint>
#include <memory>
#include <vector>

namespace tornivex {

// A pixel value; the key colour as a pixel is 0x00FF00FF (magenta with alpha 0).
using TPixel32 = std::uint32_t;
inline constexpr TPixel32 KeyPixel32 = 0x00FF00FF;

constexpr std::uint8_t PixelB(TPixel32 p) { return static_cast<std::uint8_t>(p); }
constexpr std::uint8_t PixelG(TPixel32 p) { return static_cast<std::uint8_t>(p >> 8); }
constexpr std::uint8_t PixelR(TPixel32 p) { return static_cast<std::uint8_t>(p >> 16); }
constexpr std::uint8_t PixelA(TPixel32 p) { return static_cast<std::uint8_t>(p >> 24); }
constexpr TPixel32 MakePixel32(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) {
    return (TPixel32(a) << 24) | (TPixel32(r) << 16) | (TPixel32(g) << 8) | TPixel32(b);
}

class TBitmap32 {
public:
    TBitmap32() = default;
    TBitmap32(int width, int height, TPixel32 fill = 0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }

    TPixel32* Scanline(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const TPixel32* Scanline(int y) const {
        return pixels_.data() + static_cast<std::size_t>(y) * width_;
    }
    TPixel32& Pixel(int x, int y) { return Scanline(y)[x]; }
    TPixel32 Pixel(int x, int y) const { return Scanline(y)[x]; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    std::vector<TPixel32>& Pixels() { return pixels_; }
    const std::vector<TPixel32>& Pixels() const { return pixels_; }

    // Resizes to width x height; the content becomes `fill`. Negative sizes count as 0.
    void SetSize(int width, int height, TPixel32 fill = 0);
    void Fill(TPixel32 value);

    friend bool operator==(const TBitmap32&, const TBitmap32&) = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<TPixel32> pixels_;
};

// Bitmaps are shared between the image table, the loaded-file list and painters; whoever holds
// the pointer keeps the pixels alive, so a table row can never point at freed pixels.
using TBitmap32Ptr = std::shared_ptr<TBitmap32>;

// A new zeroed 32-bit bitmap of the given size (0 x 0 allowed).
TBitmap32Ptr NewBitmap32(int width, int height);

} // namespace tornivex
