#pragma once
// A QImage over the pixels of one of our bitmaps (no copy), so QtGui can draw glyphs into it.
// The bitmap must outlive the image and must not be resized meanwhile.

#include "skin/data/Bitmap32.h"

#include <QImage>

namespace tornivex::paint {

// With a `ratio` other than 1 the bitmap holds device pixels: painters draw into it in logical
// coordinates at the device's resolution.
inline QImage WrapBitmap(TBitmap32& bmp, double ratio = 1.0) {
    if (bmp.Empty()) return QImage();
    QImage image(reinterpret_cast<uchar*>(bmp.Pixels().data()), bmp.Width(), bmp.Height(), bmp.Width() * 4,
                 QImage::Format_RGB32);
    if (ratio != 1.0) image.setDevicePixelRatio(ratio);
    return image;
}

}  // namespace tornivex::paint
