#include "PngWriter.h"

#include <QBuffer>

#include <stdexcept>

namespace tornivex::forge {

QByteArray EncodePngRgba(const QImage& image) {
    // ARGB32 (not premultiplied) always has an alpha channel, so Qt writes colour type 6.
    const QImage rgba = image.convertToFormat(QImage::Format_ARGB32);
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    if (!rgba.save(&buffer, "PNG"))
        throw std::runtime_error("PNG encoder: Qt could not write the image");
    return out;
}

} // namespace tornivex::forge
