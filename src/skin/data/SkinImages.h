#pragma once
// Decoding the image files of a skin into 32-bit bitmaps (Qt stands in for the platform's
// BMP, PNG and JPEG decoders) and the alpha rules applied after decoding.
#include <QByteArray>
#include <QString>

#include "Bitmap32.h"
#include "SkinTables.h"

class QImage;

namespace tornivex {

// Decodes `bytes` by the extension found in `referenceName` (".BMP" first, then ".JPG" or
// ".JPEG", then ".PNG"). PNG keeps its alpha and is premultiplied when `premultiplyPng`; any
// image that was not 32 bits per pixel gets alpha 255 except its magenta pixels (alpha 0).
// Answers null when the bytes cannot be decoded or the name has none of the extensions.
TBitmap32Ptr DecodeSkinImage(const QByteArray& bytes, const QString& referenceName,
                             bool premultiplyPng);

// Decodes a BMP file (the master image) with the magenta alpha rule; null when not decodable.
TBitmap32Ptr DecodeMasterBitmap(const QByteArray& bytes);

// Fully transparent white becomes 0; otherwise each colour channel = channel * alpha / 256.
void PremultiplyAlpha(TBitmap32& bmp);
// Alpha 255 for every pixel except exact magenta (0x00FF00FF after the conversion), alpha 0.
inline TPixel32 OpaqueExceptMagenta(TPixel32 p) {
    const TPixel32 rgb = p & 0x00FFFFFF;
    return rgb == KeyPixel32 ? KeyPixel32 : (rgb | 0xFF000000u);
}
void SetOpaqueExceptMagenta(TBitmap32& bmp);

// 1 when a corner area of the row's first cell holds a magenta pixel, else 0 (see TsMaskData).
int ComputeCornerType(const TsMaskData& md, const TBitmap32* source);

TBitmap32 BitmapFromImage(const QImage& image); // any format -> 0xAARRGGBB, alpha kept
QImage ImageFromBitmap(const TBitmap32& bmp);    // a deep copy as QImage::Format_ARGB32

} // namespace tornivex
