#include "BmpHeader.h"

namespace tornivex {
namespace {

std::uint32_t U16(const QByteArray& b, int at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData()) + at;
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8);
}

std::uint32_t U32(const QByteArray& b, int at) { return U16(b, at) | (U16(b, at + 2) << 16); }

TBmpHeaderResult Refuse(const QString& problem) { return {std::nullopt, problem}; }

QString OutsideSide(const char* what, std::int64_t value) {
    return QStringLiteral("the %1 %2 is outside 1..%3").arg(QLatin1String(what)).arg(value).arg(MaxSkinImageSide);
}

} // namespace

TBmpHeaderResult ReadBmpHeader(const QByteArray& bytes) {
    constexpr int FileHeaderSize = 14;
    if (bytes.size() < 2 || !bytes.startsWith("BM")) return Refuse(QStringLiteral("not a BMP file"));
    if (bytes.size() < FileHeaderSize + 12) return Refuse(QStringLiteral("the file ends inside its header"));
    TBmpHeader h;
    h.DataOffset = U32(bytes, 10);
    h.HeaderSize = U32(bytes, 14);
    std::int64_t width = 0, height = 0;
    if (h.HeaderSize == 12) {
        width = U16(bytes, 18);
        height = U16(bytes, 20);
        h.BitCount = int(U16(bytes, 24));
    } else if (h.HeaderSize >= 40 && h.HeaderSize <= 124) {
        if (bytes.size() < FileHeaderSize + 40) return Refuse(QStringLiteral("the file ends inside its header"));
        width = std::int32_t(U32(bytes, 18));
        height = std::int32_t(U32(bytes, 22));
        h.BitCount = int(U16(bytes, 28));
        h.Compression = U32(bytes, 30);
    } else {
        return Refuse(QStringLiteral("unknown header size %1").arg(h.HeaderSize));
    }
    // Heights are 64-bit here, so even the most negative 32-bit height turns positive safely.
    h.TopDown = height < 0;
    if (height < 0) height = -height;
    if (width < 1 || width > MaxSkinImageSide) return Refuse(OutsideSide("width", width));
    if (height < 1 || height > MaxSkinImageSide) return Refuse(OutsideSide("height", height));
    if (width * height > MaxSkinImagePixels)
        return Refuse(QStringLiteral("%1x%2 is more than %3 pixels").arg(width).arg(height).arg(MaxSkinImagePixels));
    h.Width = int(width);
    h.Height = int(height);
    switch (h.BitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return Refuse(QStringLiteral("%1 bits per pixel is not a BMP depth").arg(h.BitCount));
    }
    const bool compressionFits = h.Compression == 0 || (h.Compression == 1 && h.BitCount == 8) ||
                                 (h.Compression == 2 && h.BitCount == 4) ||
                                 (h.Compression == 3 && (h.BitCount == 16 || h.BitCount == 32));
    if (!compressionFits)
        return Refuse(QStringLiteral("compression %1 does not fit %2 bits per pixel").arg(h.Compression).arg(h.BitCount));
    if (h.DataOffset < FileHeaderSize + h.HeaderSize || h.DataOffset > std::uint32_t(bytes.size()))
        return Refuse(QStringLiteral("the pixel data offset %1 lies outside the file").arg(h.DataOffset));
    // Run-length data has no fixed size; the decoder checks it as it goes.
    if (!h.IsRunLength() && std::int64_t(bytes.size()) - h.DataOffset < h.RowBytes() * h.Height)
        return Refuse(QStringLiteral("the file holds fewer than the %1 rows its header announces").arg(h.Height));
    return {h, {}};
}

} // namespace tornivex
