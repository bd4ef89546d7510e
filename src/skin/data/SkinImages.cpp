#include "SkinImages.h"

#include "BmpHeader.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include <algorithm>
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

TBitmap32Ptr FinishOpaque(const QImage& image) {
    if (image.isNull()) return nullptr;
    auto bmp = std::make_shared<TBitmap32>(BitmapFromImage(image.convertToFormat(QImage::Format_RGB32)));
    SetOpaqueExceptMagenta(*bmp);
    return bmp;
}

QImage Decode(const QByteArray& bytes, const char* format) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    // The format is known: no probing of every image plugin (that loads them all at start-up).
    reader.setAutoDetectImageFormat(false);
    // A forged header must not make the loader allocate gigabytes.
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > MaxSkinImageSide || size.height() > MaxSkinImageSide ||
                           qint64(size.width()) * size.height() > MaxSkinImagePixels))
        return {};
    QImage image;
    if (!reader.read(&image)) return {};
    return image;
}

// Uncompressed 24-bit rows (the commonest skin image, the master image among them) go straight
// into the bitmap with the magenta rule: one pass and one allocation instead of Qt's image, its
// conversion and a copy, which at start-up cost more than the rest of the skin's load. The header
// check has made sure every row is in the file.
TBitmap32Ptr DecodeBmp24(const QByteArray& bytes, const TBmpHeader& header) {
    if (std::int64_t(header.Width) * header.Height > MaxSkinImagePixels) return nullptr;
    auto bmp = std::make_shared<TBitmap32>(header.Width, header.Height);
    const auto* rows = reinterpret_cast<const std::uint8_t*>(bytes.constData()) + header.DataOffset;
    const std::int64_t stride = header.RowBytes();
    for (int y = 0; y < header.Height; ++y) {
        const std::uint8_t* in = rows + stride * (header.TopDown ? y : header.Height - 1 - y);
        TPixel32* out = bmp->Scanline(y);
        for (int x = 0; x < header.Width; ++x, in += 3)
            out[x] = OpaqueExceptMagenta(TPixel32(in[0]) | (TPixel32(in[1]) << 8) | (TPixel32(in[2]) << 16));
    }
    return bmp;
}

// A BMP whose header passes the checks, decoded; 32-bit images keep their alpha, the others get
// the magenta rule.
TBitmap32Ptr DecodeBmp(const QByteArray& bytes) {
    const TBmpHeaderResult read = ReadBmpHeader(bytes);
    if (!read.Header) return nullptr;
    if (read.Header->BitCount == 24 && read.Header->Compression == 0) return DecodeBmp24(bytes, *read.Header);
    const QImage image = Decode(bytes, "bmp");
    if (image.isNull()) return nullptr;
    if (read.Header->BitCount == 32) return std::make_shared<TBitmap32>(BitmapFromImage(image));
    return FinishOpaque(image);
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
    for (TPixel32& p : bmp.Pixels()) p = OpaqueExceptMagenta(p);
}

TBitmap32Ptr DecodeSkinImage(const QByteArray& bytes, const QString& referenceName,
                             bool premultiplyPng) {
    switch (KindOf(referenceName)) {
    case ImageKind::Bmp:
        return DecodeBmp(bytes);
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

TBitmap32Ptr DecodeMasterBitmap(const QByteArray& bytes) { return DecodeBmp(bytes); }

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
