#pragma once
// Windows BMP encoders for the skin images. Skins need three exact layouts: the 12-byte core
// header with 24-bit pixels (master images), the 40-byte info header with 24-bit pixels, and the
// 40-byte info header with an 8-bit palette. Rows are written bottom-up, padded to 4 bytes.
#include <QByteArray>
#include <QImage>

namespace tornivex::forge {

// 24-bit pixels behind a BITMAPCOREHEADER (12 bytes). Width and height must fit 16 bits.
QByteArray EncodeBmpCore24(const QImage& image);

// 24-bit pixels behind a BITMAPINFOHEADER (40 bytes).
QByteArray EncodeBmpInfo24(const QImage& image);

// 8-bit palette pixels behind a BITMAPINFOHEADER; `image` must be Format_Indexed8 with at most
// 256 colours (the palette is written out to 256 entries).
QByteArray EncodeBmpInfo8(const QImage& image);

} // namespace tornivex::forge
