#pragma once
// PNG encoder for skin images: always 8 bits per channel RGBA (colour type 6), whatever alpha the
// image holds, because the skin loader treats PNG entries as images with their own alpha.
#include <QByteArray>
#include <QImage>

namespace tornivex::forge {

QByteArray EncodePngRgba(const QImage& image);

} // namespace tornivex::forge
