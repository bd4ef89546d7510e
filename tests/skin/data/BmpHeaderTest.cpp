// The one BMP header reader: real headers are read, forged ones are refused with a reason before
// any size arithmetic, and the image decoder refuses what the reader refuses.
#include <gtest/gtest.h>

#include <QImage>
#include <QtEndian>

#include "BmpHeader.h"
#include "SkinImages.h"
#include "TestSkin.h"

namespace tornivex {
namespace {

using testing::CoreHeaderBmp24;
using testing::EncodeImage;

void Put32(QByteArray& b, int at, quint32 v) { qToLittleEndian<quint32>(v, b.data() + at); }
void Put16(QByteArray& b, int at, quint16 v) { qToLittleEndian<quint16>(v, b.data() + at); }

// A 3 x 2 24-bit BMP with the 40-byte info header, as Qt writes it.
QByteArray InfoHeaderBmp() {
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(0xFF204060);
    return EncodeImage(image, "BMP");
}

TEST(BmpHeader, ReadsCoreAndInfoHeaders) {
    const TBmpHeaderResult core = ReadBmpHeader(CoreHeaderBmp24(5, 4, [](int, int) -> unsigned { return 0; }));
    ASSERT_TRUE(core.Header) << core.Problem.toStdString();
    EXPECT_EQ(core.Header->HeaderSize, 12u);
    EXPECT_EQ(core.Header->Width, 5);
    EXPECT_EQ(core.Header->Height, 4);
    EXPECT_EQ(core.Header->BitCount, 24);
    EXPECT_EQ(core.Header->RowBytes(), 16);

    QByteArray info = InfoHeaderBmp();
    const TBmpHeaderResult read = ReadBmpHeader(info);
    ASSERT_TRUE(read.Header) << read.Problem.toStdString();
    EXPECT_EQ(read.Header->HeaderSize, 40u);
    EXPECT_EQ(read.Header->Width, 3);
    EXPECT_EQ(read.Header->Height, 2);
    EXPECT_FALSE(read.Header->TopDown);
    Put32(info, 22, quint32(-2));  // rows stored top-down
    const TBmpHeaderResult topDown = ReadBmpHeader(info);
    ASSERT_TRUE(topDown.Header);
    EXPECT_TRUE(topDown.Header->TopDown);
    EXPECT_EQ(topDown.Header->Height, 2);
    EXPECT_TRUE(DecodeSkinImage(info, "A.BMP", false));
}

TEST(BmpHeader, ForgedHeadersAreRefusedWithAReason) {
    struct Forgery {
        const char* what;
        void (*forge)(QByteArray&);
        const char* problem;
    };
    const Forgery forgeries[] = {
        {"most negative height", [](QByteArray& b) { Put32(b, 22, 0x80000000u); }, "the height 2147483648 is outside 1..16384"},
        {"most negative width", [](QByteArray& b) { Put32(b, 18, 0x80000000u); }, "the width -2147483648 is outside 1..16384"},
        {"zero width", [](QByteArray& b) { Put32(b, 18, 0); }, "the width 0 is outside 1..16384"},
        {"largest sides", [](QByteArray& b) { Put32(b, 18, 0x7FFFFFFF), Put32(b, 22, 0x7FFFFFFF), Put16(b, 28, 32); },
         "the width 2147483647 is outside 1..16384"},
        {"too many pixels", [](QByteArray& b) { Put32(b, 18, 16384), Put32(b, 22, 16384); }, "16384x16384 is more than 16777216 pixels"},
        {"odd depth", [](QByteArray& b) { Put16(b, 28, 7); }, "7 bits per pixel is not a BMP depth"},
        {"run length on 24 bits", [](QByteArray& b) { Put32(b, 30, 1); }, "compression 1 does not fit 24 bits per pixel"},
        {"unknown header size", [](QByteArray& b) { Put32(b, 14, 20); }, "unknown header size 20"},
        {"data beyond the end", [](QByteArray& b) { Put32(b, 10, 0xFFFFFFF0u); }, "the pixel data offset 4294967280 lies outside the file"},
        {"missing rows", [](QByteArray& b) { Put32(b, 22, 3); }, "the file holds fewer than the 3 rows its header announces"},
        {"short file", [](QByteArray& b) { b.truncate(40); }, "the file ends inside its header"},
        {"no signature", [](QByteArray& b) { b[0] = 'X'; }, "not a BMP file"},
    };
    for (const Forgery& f : forgeries) {
        QByteArray bytes = InfoHeaderBmp();
        f.forge(bytes);
        const TBmpHeaderResult read = ReadBmpHeader(bytes);
        EXPECT_FALSE(read.Header) << f.what;
        EXPECT_EQ(read.Problem.toStdString(), f.problem) << f.what;
        EXPECT_FALSE(DecodeSkinImage(bytes, "A.BMP", false)) << f.what;
        EXPECT_FALSE(DecodeMasterBitmap(bytes)) << f.what;
    }
}

// PNG and JPEG headers are read by the decoder; a side beyond the limit is refused all the same.
TEST(SkinImages, ImagesBeyondTheSizeLimitAreRefusedBeforeDecoding) {
    QImage wide(MaxSkinImageSide + 1, 1, QImage::Format_RGB32);
    wide.fill(0xFF000000);
    EXPECT_FALSE(DecodeSkinImage(EncodeImage(wide, "PNG"), "WIDE.PNG", false));
    QImage square(4097, 4097, QImage::Format_Grayscale8);  // each side allowed, the area is not
    square.fill(0);
    EXPECT_FALSE(DecodeSkinImage(EncodeImage(square, "PNG"), "SQUARE.PNG", false));
    QImage largest(MaxSkinImageSide, 1, QImage::Format_RGB32);
    largest.fill(0xFF000000);
    EXPECT_TRUE(DecodeSkinImage(EncodeImage(largest, "PNG"), "LARGEST.PNG", false));
}

}  // namespace
}  // namespace tornivex
