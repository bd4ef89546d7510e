#include "Bitmap32.h"

#include <algorithm>

namespace tornivex {

TBitmap32::TBitmap32(int width, int height, TPixel32 fill) { SetSize(width, height, fill); }

void TBitmap32::SetSize(int width, int height, TPixel32 fill) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(static_cast<std::size_t>(width_) * height_, fill);
}

void TBitmap32::Fill(TPixel32 value) { std::fill(pixels_.begin(), pixels_.end(), value); }

TBitmap32Ptr NewBitmap32(int width, int height) {
    return std::make_shared<TBitmap32>(width, height);
}

} // namespace tornivex
