#include <gtest/gtest.h>

#include <QImage>

#include <cstring>

#include "SkinImages.h"
#include "TestSkin.h"

namespace tornivex {
namespace {

using testing::CoreHeaderBmp24;
using testing::EncodeImage;

TEST(SkinImages, PremultiplyRule) {
    TBitmap32 bmp(3, 1);
    bmp.Pixel(0, 0) = MakePixel32(200, 100, 50, 128);
    bmp.Pixel(1, 0) = 0x00FFFFFF; // fully transparent white
    bmp.Pixel(2, 0) = MakePixel32(255, 255, 255, 255);
    PremultiplyAlpha(bmp);
    EXPECT_EQ(bmp.Pixel(0, 0), MakePixel32(100, 50, 25, 128));
    EXPECT_EQ(bmp.Pixel(1, 0), 0u);
    EXPECT_EQ(bmp.Pixel(2, 0), MakePixel32(254, 254, 254, 255)); // x * 255 / 256, truncated
}

TEST(SkinImages, CoreHeaderBmpGetsOpaqueAlphaExceptMagenta) {
    const QByteArray bmp = CoreHeaderBmp24(3, 2, [](int x, int y) -> unsigned {
        return x == 1 && y == 0 ? 0xFF00FF : unsigned(0x102030 + x + 16 * y);
    });
    const TBitmap32Ptr decoded = DecodeSkinImage(bmp, "MASTER.BMP", true);
    ASSERT_TRUE(decoded);
    ASSERT_EQ(decoded->Width(), 3);
    ASSERT_EQ(decoded->Height(), 2);
    EXPECT_EQ(decoded->Pixel(0, 0), 0xFF102030u);
    EXPECT_EQ(decoded->Pixel(1, 0), KeyPixel32);
    EXPECT_EQ(decoded->Pixel(2, 1), 0xFF102030u + 2 + 16);
    EXPECT_TRUE(DecodeMasterBitmap(bmp));
}

// 24-bit images are read without Qt: the result must be Qt's reading with the magenta rule, for
// padded rows stored bottom-up and top-down.
TEST(SkinImages, TwentyFourBitBmpDecodesAsQtReadsIt) {
    QImage image(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) image.setPixel(x, y, (x + y) % 4 == 0 ? 0xFFFF00FFu : 0xFF000000u | (x * 0x251D3 + y * 0x7F4A1));
    QByteArray bottomUp = EncodeImage(image, "BMP");
    ASSERT_EQ(bottomUp[28], 24);
    // The same rows stored top-down: a negative height and the rows in the other order.
    QByteArray topDown = bottomUp;
    const int offset = int(std::uint8_t(bottomUp[10])) | int(std::uint8_t(bottomUp[11])) << 8, stride = 24;
    const qint32 negative = -5;
    std::memcpy(topDown.data() + 22, &negative, 4);
    for (int y = 0; y < 5; ++y) std::memcpy(topDown.data() + offset + y * stride, bottomUp.constData() + offset + (4 - y) * stride, stride);
    for (const QByteArray& bytes : {bottomUp, topDown}) {
        const TBitmap32Ptr decoded = DecodeSkinImage(bytes, "MASTER.BMP", true);
        ASSERT_TRUE(decoded);
        ASSERT_EQ(decoded->Width(), 7);
        ASSERT_EQ(decoded->Height(), 5);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x) {
                const TPixel32 rgb = image.pixel(x, y) & 0xFFFFFFu;
                EXPECT_EQ(decoded->Pixel(x, y), rgb == 0xFF00FFu ? KeyPixel32 : rgb | 0xFF000000u) << x << "," << y;
            }
    }
}

TEST(SkinImages, EightBitBmpAndJpegAreConvertedToOpaque32Bit) {
    QImage indexed(4, 4, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(255, 0, 255), qRgb(10, 20, 30)});
    indexed.fill(1);
    indexed.setPixel(0, 0, 0);
    const TBitmap32Ptr bmp = DecodeSkinImage(EncodeImage(indexed, "BMP"), "CORNER.BMP", true);
    ASSERT_TRUE(bmp);
    EXPECT_EQ(bmp->Pixel(0, 0), KeyPixel32);
    EXPECT_EQ(bmp->Pixel(1, 1), 0xFF0A141Eu);

    QImage photo(8, 8, QImage::Format_RGB32);
    photo.fill(qRgb(90, 90, 90));
    const TBitmap32Ptr jpeg = DecodeSkinImage(EncodeImage(photo, "JPEG"), "BACK.JPEG", true);
    if (jpeg) { // when the JPEG plugin is present
        EXPECT_EQ(PixelA(jpeg->Pixel(3, 3)), 255);
    }
}

TEST(SkinImages, PngKeepsAlphaAndIsPremultipliedOnlyWhenAsked) {
    const QByteArray png = EncodeImage(testing::TestGlowImage(), "PNG");
    const TBitmap32Ptr plain = DecodeSkinImage(png, "XB.PNG", false);
    const TBitmap32Ptr premultiplied = DecodeSkinImage(png, "XB.PNG", true);
    ASSERT_TRUE(plain && premultiplied);
    EXPECT_EQ(plain->Pixel(0, 0), MakePixel32(200, 100, 50, 128));
    EXPECT_EQ(premultiplied->Pixel(0, 0), MakePixel32(100, 50, 25, 128));
}

TEST(SkinImages, BrokenOrUnknownImagesGiveNull) {
    const QByteArray bmp = CoreHeaderBmp24(3, 2, [](int, int) -> unsigned { return 0; });
    EXPECT_FALSE(DecodeSkinImage(bmp.left(30), "A.BMP", true));
    EXPECT_FALSE(DecodeSkinImage("garbage", "A.PNG", true));
    EXPECT_FALSE(DecodeSkinImage(bmp, "A.GIF", true));
    EXPECT_FALSE(DecodeSkinImage(QByteArray(), "A.JPG", true));
    QByteArray huge = bmp;
    huge[18] = char(0xFF), huge[19] = char(0x7F); // 32767 pixels wide
    EXPECT_FALSE(DecodeSkinImage(huge, "A.BMP", true));
}

TEST(SkinImages, CornerTypeFindsMagentaInTheCornerAreasOnly) {
    TBitmap32 master(40, 20, 0xFF808080);
    TsMaskData md;
    md.R = TRect{0, 0, 30, 20};
    md.ImageCount = 3; // cells of 10 x 10 with the mask below
    md.MaskType = 1;
    md.WL = md.WT = md.WR = md.WB = 2;
    EXPECT_EQ(ComputeCornerType(md, &master), 0);
    master.Pixel(5, 5) = KeyPixel32; // centre of the first cell: not a corner area
    EXPECT_EQ(ComputeCornerType(md, &master), 0);
    master.Pixel(9, 8) = KeyPixel32; // bottom-right corner of the first cell
    EXPECT_EQ(ComputeCornerType(md, &master), 1);
    md.R = TRect{};
    EXPECT_EQ(ComputeCornerType(md, &master), 0);
    md.R = TRect{35, 15, 60, 40}; // reaches past the image: clipped, no crash
    EXPECT_EQ(ComputeCornerType(md, &master), 0);
}

} // namespace
} // namespace tornivex
