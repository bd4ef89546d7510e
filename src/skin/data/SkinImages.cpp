#include "SkinImages.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace tornivex {
namespace {

enum class ImageKind { None, Bmp, Jpeg, Png };

ImageKind KindOf(const QString& referenceName) {
    const QString upper = referenceName.toUpper();
    if (upper.contains(QLatin1String(".BMP"))) return ImageKind::Bmp;
    if (upper.contains(QLatin1String(".JPG")) || upper.contains(QLatin1String(".JPEG")))
        return ImageKind::Jpeg;
    if (upper.contains(QLatin1String(".PNG"))) return ImageKind::Png;
    return ImageKind::None;
}

// Guards against images whose headers claim absurd sizes: skin images are small, and a forged
// header must not make the loader allocate gigabytes.
constexpr int MaxImageSide = 16384;
constexpr qint64 MaxImagePixels = qint64(4096) * 4096;

QImage Decode(const QByteArray& bytes, const char* format) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > MaxImageSide || size.height() > MaxImageSide ||
                           qint64(size.width()) * size.height() > MaxImagePixels))
        return {};
    QImage image;
    if (!reader.read(&image)) return {};
    return image;
}

// Bits per pixel as stored in a BMP's header (core or info header), 0 when unreadable.
int BmpBitCount(const QByteArray& bytes) {
    if (bytes.size() < 30) return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const quint32 headerSize = quint32(p[14]) | (quint32(p[15]) << 8) | (quint32(p[16]) << 16) |
                               (quint32(p[17]) << 24);
    const int offset = headerSize == 12 ? 24 : 28;
    return int(p[offset]) | (int(p[offset + 1]) << 8);
}

// An uncompressed BMP must hold all the rows its header announces; Qt would fill a short file
// with zeros, which hides a broken image.
bool BmpHasAllRows(const QByteArray& bytes) {
    if (bytes.size() < 26) return false;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    auto u16 = [&](int o) { return quint32(p[o]) | (quint32(p[o + 1]) << 8); };
    auto u32 = [&](int o) { return u16(o) | (u16(o + 2) << 16); };
    const quint32 offBits = u32(10);
    const quint32 headerSize = u32(14);
    qint64 width = 0, height = 0, bits = 0, compression = 0;
    if (headerSize == 12) {
        width = u16(18), height = u16(20), bits = u16(24);
    } else {
        if (bytes.size() < 34) return false;
        width = qint32(u32(18)), height = qint32(u32(22)), bits = u16(28), compression = u32(30);
    }
    if (compression != 0 && compression != 3) return true; // run-length data: Qt checks it
    const qint64 stride = (std::abs(width) * bits + 31) / 32 * 4;
    return qint64(bytes.size()) >= qint64(offBits) + stride * std::abs(height);
}

TBitmap32Ptr FinishOpaque(const QImage& image) {
    if (image.isNull()) return nullptr;
    auto bmp = std::make_shared<TBitmap32>(BitmapFromImage(image.convertToFormat(QImage::Format_RGB32)));
    SetOpaqueExceptMagenta(*bmp);
    return bmp;
}

} // namespace

TBitmap32 BitmapFromImage(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    TBitmap32 bmp(argb.width(), argb.height());
    for (int y = 0; y < argb.height(); ++y)
        std::memcpy(bmp.Scanline(y), argb.constScanLine(y), std::size_t(argb.width()) * 4);
    return bmp;
}

QImage ImageFromBitmap(const TBitmap32& bmp) {
    QImage image(bmp.Width(), bmp.Height(), QImage::Format_ARGB32);
    for (int y = 0; y < bmp.Height(); ++y)
        std::memcpy(image.scanLine(y), bmp.Scanline(y), std::size_t(bmp.Width()) * 4);
    return image;
}

void PremultiplyAlpha(TBitmap32& bmp) {
    for (TPixel32& p : bmp.Pixels()) {
        if (p == 0x00FFFFFF) {
            p = 0;
            continue;
        }
        const unsigned a = PixelA(p);
        p = MakePixel32(std::uint8_t(PixelR(p) * a / 256), std::uint8_t(PixelG(p) * a / 256),
                        std::uint8_t(PixelB(p) * a / 256), std::uint8_t(a));
    }
}

void SetOpaqueExceptMagenta(TBitmap32& bmp) {
    for (TPixel32& p : bmp.Pixels()) {
        const TPixel32 rgb = p & 0x00FFFFFF;
        p = rgb == KeyPixel32 ? KeyPixel32 : (rgb | 0xFF000000u);
    }
}

TBitmap32Ptr DecodeSkinImage(const QByteArray& bytes, const QString& referenceName,
                             bool premultiplyPng) {
    switch (KindOf(referenceName)) {
    case ImageKind::Bmp: {
        if (!BmpHasAllRows(bytes)) return nullptr;
        const QImage image = Decode(bytes, "bmp");
        if (image.isNull()) return nullptr;
        if (BmpBitCount(bytes) == 32)
            return std::make_shared<TBitmap32>(BitmapFromImage(image));
        return FinishOpaque(image);
    }
    case ImageKind::Jpeg:
        return FinishOpaque(Decode(bytes, "jpeg"));
    case ImageKind::Png: {
        const QImage image = Decode(bytes, "png");
        if (image.isNull()) return nullptr;
        auto bmp = std::make_shared<TBitmap32>(BitmapFromImage(image));
        if (premultiplyPng) PremultiplyAlpha(*bmp);
        return bmp;
    }
    case ImageKind::None:
        break;
    }
    return nullptr;
}

TBitmap32Ptr DecodeMasterBitmap(const QByteArray& bytes) {
    if (!BmpHasAllRows(bytes)) return nullptr;
    const QImage image = Decode(bytes, "bmp");
    if (image.isNull()) return nullptr;
    if (BmpBitCount(bytes) == 32) return std::make_shared<TBitmap32>(BitmapFromImage(image));
    return FinishOpaque(image);
}

int ComputeCornerType(const TsMaskData& md, const TBitmap32* source) {
    if (!source || md.R.IsEmpty()) return 0;
    const int cellW = MaskCellWidth(md);
    const int cellH = MaskCellHeight(md);
    // Every range ends at most at the image's width - 1 or height - 1 (exclusive).
    const int maxX = source->Width() - 1;
    const int maxY = source->Height() - 1;
    struct Range {
        int from, to;
    };
    auto clip = [](int from, int to, int limit) {
        return Range{std::max(from, 0), std::min(to, limit)};
    };
    const Range columns[2] = {clip(md.R.Left, md.R.Left + md.WL, maxX),
                              clip(md.R.Left + cellW - md.WR, md.R.Left + cellW, maxX)};
    const Range rows[2] = {clip(md.R.Top, md.R.Top + md.WT, maxY),
                           clip(md.R.Top + cellH - md.WB, md.R.Top + cellH, maxY)};
    for (const Range& rowRange : rows)
        for (const Range& columnRange : columns)
            for (int y = rowRange.from; y < rowRange.to; ++y) {
                const TPixel32* line = source->Scanline(y);
                for (int x = columnRange.from; x < columnRange.to; ++x)
                    if ((line[x] & 0x00FFFFFF) == KeyPixel32) return 1;
            }
    return 0;
}

} // namespace tornivex
