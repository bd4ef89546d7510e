#pragma once
// A QImage over the pixels of one of our bitmaps (no copy), so QtGui can draw glyphs into it.
// The bitmap must outlive the image and must not be resized meanwhile.

#include "skin/data/Bitmap32.h"

#include <QImage>

namespace tornivex::paint {

inline QImage WrapBitmap(TBitmap32& bmp) {
    if (bmp.Empty()) return QImage();
    return QImage(reinterpret_cast<uchar*>(bmp.Pixels().data()), bmp.Width(), bmp.Height(),
                  bmp.Width() * 4, QImage::Format_RGB32);
}

}  // namespace tornivex::paint
