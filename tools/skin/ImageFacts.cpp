#include "ImageFacts.h"

#include "BmpHeader.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

namespace tornivex::skintool {
namespace {

quint32 BigU32(const QByteArray& b, int at) { return qFromBigEndian<quint32>(b.constData() + at); }

QString DescribeBmp(const QByteArray& b) {
    const TBmpHeaderResult read = ReadBmpHeader(b);
    if (!read.Header) return QStringLiteral("broken BMP: ") + read.Problem;
    const TBmpHeader& h = *read.Header;
    if (h.HeaderSize == 12)
        return QStringLiteral("BMP %1x%2, %3-bit, 12-byte core header").arg(h.Width).arg(h.Height).arg(h.BitCount);
    return QStringLiteral("BMP %1x%2, %3-bit, %4-byte header").arg(h.Width).arg(h.Height).arg(h.BitCount).arg(h.HeaderSize);
}

QString DescribePng(const QByteArray& b) {
    if (b.size() < 33 || !b.startsWith("\x89PNG")) return QStringLiteral("not a PNG file");
    const int depth = quint8(b[24]), type = quint8(b[25]);
    const char* kinds[] = {"grey", "?", "RGB", "palette", "grey+alpha", "?", "RGBA"};
    const QString kind = type <= 6 ? QString::fromLatin1(kinds[type]) : QStringLiteral("?");
    return QStringLiteral("PNG %1x%2, %3-bit %4").arg(BigU32(b, 16)).arg(BigU32(b, 20)).arg(depth).arg(kind);
}

} // namespace

QString DescribeImage(const QString& name, const QByteArray& bytes) {
    const QString upper = name.toUpper();
    if (upper.endsWith(".BMP")) return DescribeBmp(bytes);
    if (upper.endsWith(".PNG")) return DescribePng(bytes);
    if (upper.endsWith(".JPG") || upper.endsWith(".JPEG")) {
        QBuffer buffer;
        buffer.setData(bytes);
        QImageReader reader(&buffer, "JPEG");
        const QSize size = reader.size();
        return size.isValid() ? QStringLiteral("JPEG %1x%2").arg(size.width()).arg(size.height())
                              : QStringLiteral("not a JPEG file");
    }
    return QStringLiteral("not an image the skins use");
}

} // namespace tornivex::skintool
