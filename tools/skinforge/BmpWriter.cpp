#include "BmpWriter.h"

#include <stdexcept>

namespace tornivex::forge {
namespace {

constexpr int FileHeaderSize = 14;
constexpr int CoreHeaderSize = 12;
constexpr int InfoHeaderSize = 40;
constexpr int PixelsPerMetre = 2835; // 72 dpi, what most editors write

void PutU16(QByteArray& out, quint32 value) {
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void PutU32(QByteArray& out, quint32 value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

int RowStride(int width, int bitsPerPixel) { return ((width * bitsPerPixel + 31) / 32) * 4; }

void PutFileHeader(QByteArray& out, int headerSize, int paletteBytes, int pixelBytes) {
    const int offset = FileHeaderSize + headerSize + paletteBytes;
    out.append("BM", 2);
    PutU32(out, quint32(offset + pixelBytes));
    PutU32(out, 0); // two reserved words
    PutU32(out, quint32(offset));
}

void PutInfoHeader(QByteArray& out, const QImage& image, int bits, int pixelBytes, int colours) {
    PutU32(out, InfoHeaderSize);
    PutU32(out, quint32(image.width()));
    PutU32(out, quint32(image.height())); // positive: bottom-up rows
    PutU16(out, 1);
    PutU16(out, quint32(bits));
    PutU32(out, 0); // no compression
    PutU32(out, quint32(pixelBytes));
    PutU32(out, PixelsPerMetre);
    PutU32(out, PixelsPerMetre);
    PutU32(out, quint32(colours));
    PutU32(out, 0);
}

void PutRows24(QByteArray& out, const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int padding = RowStride(rgb.width(), 24) - rgb.width() * 3;
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            out.append(char(qBlue(row[x])));
            out.append(char(qGreen(row[x])));
            out.append(char(qRed(row[x])));
        }
        out.append(padding, '\0');
    }
}

void RequireSize(const QImage& image, int limit) {
    if (image.isNull() || image.width() > limit || image.height() > limit)
        throw std::invalid_argument("BMP encoder: image is empty or too large");
}

} // namespace

QByteArray EncodeBmpCore24(const QImage& image) {
    RequireSize(image, 0xFFFF);
    const int pixelBytes = RowStride(image.width(), 24) * image.height();
    QByteArray out;
    out.reserve(FileHeaderSize + CoreHeaderSize + pixelBytes);
    PutFileHeader(out, CoreHeaderSize, 0, pixelBytes);
    PutU32(out, CoreHeaderSize);
    PutU16(out, quint32(image.width()));
    PutU16(out, quint32(image.height()));
    PutU16(out, 1);
    PutU16(out, 24);
    PutRows24(out, image);
    return out;
}

QByteArray EncodeBmpInfo24(const QImage& image) {
    RequireSize(image, 0x7FFF);
    const int pixelBytes = RowStride(image.width(), 24) * image.height();
    QByteArray out;
    out.reserve(FileHeaderSize + InfoHeaderSize + pixelBytes);
    PutFileHeader(out, InfoHeaderSize, 0, pixelBytes);
    PutInfoHeader(out, image, 24, pixelBytes, 0);
    PutRows24(out, image);
    return out;
}

QByteArray EncodeBmpInfo8(const QImage& image) {
    RequireSize(image, 0x7FFF);
    if (image.format() != QImage::Format_Indexed8 || image.colorCount() > 256)
        throw std::invalid_argument("BMP encoder: 8-bit output needs an indexed image");
    const int stride = RowStride(image.width(), 8);
    const int pixelBytes = stride * image.height();
    constexpr int paletteEntries = 256;
    QByteArray out;
    out.reserve(FileHeaderSize + InfoHeaderSize + paletteEntries * 4 + pixelBytes);
    PutFileHeader(out, InfoHeaderSize, paletteEntries * 4, pixelBytes);
    PutInfoHeader(out, image, 8, pixelBytes, paletteEntries);
    const QList<QRgb> table = image.colorTable();
    for (int i = 0; i < paletteEntries; ++i) {
        const QRgb c = i < table.size() ? table[i] : qRgb(0, 0, 0);
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append('\0');
    }
    for (int y = image.height() - 1; y >= 0; --y) {
        out.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width());
        out.append(stride - image.width(), '\0');
    }
    return out;
}

} // namespace tornivex::forge
