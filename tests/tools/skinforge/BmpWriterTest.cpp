// The BMP and PNG encoders write exactly the layouts the skins rely on.
#include "BmpWriter.h"
#include "PngWriter.h"

#include <QImage>
#include <QtEndian>

#include <gtest/gtest.h>

namespace tornivex::forge {
namespace {

QImage TwoByTwo() {
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(1, 2, 3));
    image.setPixel(1, 0, qRgb(4, 5, 6));
    image.setPixel(0, 1, qRgb(7, 8, 9));
    image.setPixel(1, 1, qRgb(255, 0, 255));
    return image;
}

TEST(BmpWriter, CoreHeader24HasBottomUpPaddedRows) {
    const QByteArray b = EncodeBmpCore24(TwoByTwo());
    // 14 file header + 12 core header + 2 rows of 6 pixel bytes padded to 8.
    ASSERT_EQ(b.size(), 14 + 12 + 16);
    EXPECT_EQ(b.left(2), QByteArray("BM"));
    EXPECT_EQ(qFromLittleEndian<quint32>(b.constData() + 2), 42u);
    EXPECT_EQ(qFromLittleEndian<quint32>(b.constData() + 10), 26u); // pixel offset
    EXPECT_EQ(qFromLittleEndian<quint32>(b.constData() + 14), 12u);
    EXPECT_EQ(qFromLittleEndian<quint16>(b.constData() + 18), 2);
    EXPECT_EQ(qFromLittleEndian<quint16>(b.constData() + 20), 2);
    EXPECT_EQ(qFromLittleEndian<quint16>(b.constData() + 22), 1);
    EXPECT_EQ(qFromLittleEndian<quint16>(b.constData() + 24), 24);
    // The bottom row comes first, blue-green-red, then two bytes of padding.
    EXPECT_EQ(b.mid(26, 8), QByteArray("\x09\x08\x07\xFF\x00\xFF\x00\x00", 8));
    EXPECT_EQ(b.mid(34, 8), QByteArray("\x03\x02\x01\x06\x05\x04\x00\x00", 8));
    QImage decoded;
    ASSERT_TRUE(decoded.loadFromData(b, "BMP"));
    EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), TwoByTwo());
}

TEST(BmpWriter, InfoHeader24RoundTrips) {
    const QByteArray b = EncodeBmpInfo24(TwoByTwo());
    ASSERT_EQ(b.size(), 14 + 40 + 16);
    EXPECT_EQ(qFromLittleEndian<quint32>(b.constData() + 14), 40u);
    EXPECT_EQ(qFromLittleEndian<quint16>(b.constData() + 28), 24);
    QImage decoded;
    ASSERT_TRUE(decoded.loadFromData(b, "BMP"));
    EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), TwoByTwo());
}

TEST(BmpWriter, InfoHeader8WritesAFullPaletteAndIndexes) {
    QImage indexed(3, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(10, 20, 30), qRgb(200, 100, 50)});
    indexed.setPixel(0, 0, 1);
    indexed.setPixel(1, 0, 0);
    indexed.setPixel(2, 0, 1);
    const QByteArray b = EncodeBmpInfo8(indexed);
    ASSERT_EQ(b.size(), 14 + 40 + 256 * 4 + 4);
    EXPECT_EQ(qFromLittleEndian<quint16>(b.constData() + 28), 8);
    EXPECT_EQ(qFromLittleEndian<quint32>(b.constData() + 46), 256u); // colours used
    EXPECT_EQ(b.mid(54, 8), QByteArray("\x1E\x14\x0A\x00\x32\x64\xC8\x00", 8));
    EXPECT_EQ(b.mid(54 + 1024, 4), QByteArray("\x01\x00\x01\x00", 4));
    QImage decoded;
    ASSERT_TRUE(decoded.loadFromData(b, "BMP"));
    EXPECT_EQ(decoded.pixel(0, 0), qRgb(200, 100, 50));
    EXPECT_EQ(decoded.pixel(1, 0), qRgb(10, 20, 30));
}

TEST(BmpWriter, RefusesWhatTheLayoutsCannotHold) {
    EXPECT_THROW(EncodeBmpCore24(QImage()), std::invalid_argument);
    EXPECT_THROW(EncodeBmpCore24(QImage(70000, 1, QImage::Format_RGB32)), std::invalid_argument);
    EXPECT_THROW(EncodeBmpInfo8(TwoByTwo()), std::invalid_argument); // not indexed
}

TEST(PngWriter, AlwaysWritesEightBitRgba) {
    const QByteArray opaque = EncodePngRgba(TwoByTwo()); // no alpha in the source at all
    ASSERT_GT(opaque.size(), 26);
    EXPECT_EQ(int(quint8(opaque[24])), 8);
    EXPECT_EQ(int(quint8(opaque[25])), 6);
    QImage translucent(1, 1, QImage::Format_ARGB32);
    translucent.setPixel(0, 0, qRgba(200, 100, 50, 128));
    QImage decoded;
    ASSERT_TRUE(decoded.loadFromData(EncodePngRgba(translucent), "PNG"));
    EXPECT_EQ(decoded.convertToFormat(QImage::Format_ARGB32).pixel(0, 0), qRgba(200, 100, 50, 128));
}

} // namespace
} // namespace tornivex::forge
