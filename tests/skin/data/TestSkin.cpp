#include "TestSkin.h"

#include <QBuffer>

namespace tornivex::testing {
namespace {

void Append16(QByteArray& out, unsigned v) {
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}
void Append32(QByteArray& out, unsigned v) {
    Append16(out, v & 0xFFFF);
    Append16(out, v >> 16);
}

} // namespace

QByteArray EncodeImage(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray CoreHeaderBmp24(int width, int height, unsigned (*pixel)(int x, int y)) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    QByteArray out("BM");
    Append32(out, unsigned(14 + 12 + rowBytes * height));
    Append32(out, 0);
    Append32(out, 14 + 12);
    Append32(out, 12); // BITMAPCOREHEADER
    Append16(out, unsigned(width));
    Append16(out, unsigned(height));
    Append16(out, 1);
    Append16(out, 24);
    for (int y = height - 1; y >= 0; --y) { // bottom-up rows
        QByteArray row;
        for (int x = 0; x < width; ++x) {
            const unsigned rgb = pixel(x, y);
            row.append(char(rgb & 0xFF)).append(char((rgb >> 8) & 0xFF)).append(char((rgb >> 16) & 0xFF));
        }
        row.append(QByteArray(rowBytes - row.size(), '\0'));
        out.append(row);
    }
    return out;
}

QImage TestMasterImage() {
    QImage image(400, 200, QImage::Format_RGB32);
    image.fill(QColor(0x80, 0x80, 0x80));
    image.setPixel(152, 30, 0xFFFF00FF);
    image.setPixel(20, 160, 0xFF102030);
    return image;
}

QImage TestGlowImage() {
    QImage image(78, 40, QImage::Format_ARGB32);
    image.fill(qRgba(200, 100, 50, 128));
    return image;
}

QByteArray TestOptionsText(const QByteArray& extra) {
    QByteArray text =
        "; test skin\r\n"
        "[GLOBALINFO]\r\n"
        "VERSION=8.00\r\n"
        "AUTHOR=Tester\r\n"
        "TITLEHEIGHT=26\r\n"
        "BORDERWIDTH=4\r\n"
        "FORMOFFSET=9\r\n"
        "ALIGNOFFSET=4\r\n"
        "ALIGNOFFSETT=7\r\n"
        "BISPACE=2\r\n"
        "BIKEEPHUE=2\r\n"
        "MASTERBITMAP=MASTER.BMP\r\n"
        "COLOR=13353918\r\n"
        "FONTCOLOR=0\r\n"
        "TCBOTTOM=7624733\r\n"
        "TCTOP=13679362\r\n"
        "BORDERCOLOR=9143679\r\n"
        "BOXCHECKED=@0217@0000@0262@0030@3@1\r\n"
        "EXBORDER=!XB.PNG!2!0!3!0026!0026!0026!0026!1\r\n"
        "BICLOSEALONE=N/A\r\n"
        "SICONCLOSE=@0300@0000@0345@0028@3@1\r\n"
        "SH_SOURCE=1\r\n"
        "SH_MASK=^0303^0092^0320^0126^0007^0006^0007^0008^1^1^1^1\r\n"
        "SH_OPACITY=33\r\n"
        "LO_SOURCE=1\r\n"
        "LO_MASK=^0282^0111^0293^0133^0005^0005^0005^0005^1^1^1^1\r\n"
        "LO_OPACITY=133\r\n"
        "\r\n"
        "[BUTTON]\r\n"
        "STATES=3\n"
        "COLOR=16773594\n"
        "FONTCOLOR=16777215\n"
        "HOTFONTCOLOR=16777215\n"
        "GRADIENTPERCENT=50\n"
        "HOTGRADIENTPERCENT=75\n"
        "GRADIENTDATA=5124104;13143628;51;1;0;13143628;5124104;46;1;0;5124104;5124104;0;1;0\n"
        "HOTGRADIENTDATA=255;65280;150;1;0\n"
        "IMAGEPERCENT=50\n"
        "HOTIMAGEPERCENT=25\n"
        "TRANSPARENCY=0\n"
        "GCOL=10453299\n"
        "GSIZE=0\n"
        "HGCOL=10453299\n"
        "HGSIZE=2\n"
        "BORDERSMASK=^0152^0030^0206^0056^0008^0008^0009^0004^3^1^1^1\n"
        "PATTERN=~0147~0010~0148~0056~01~0\n"
        "HOTPATTERN=N/A\n"
        "\r"
        "[EDIT]\r"
        "STATES=1\r"
        "COLOR=15921906\r"
        "HOTCOLOR=255\r"
        "BORDERSMASK=^0010^0150^0016^0156^0001^0001^0001^0001^1^0^0^0\r"
        "[MYBUTTON]\r\n"
        "  PARENTCLASS = BUTTON  \r\n"
        "GLOW=300\r\n"
        "OUTERMODE=300\r\n"
        "COLOR=N/A\r\n"
        "[SYSBTN]\r\n"
        "COLOR=-16777201\r\n"
        "[SYSCHILD]\r\n"
        "PARENTCLASS=SYSBTN\r\n"
        "[NOGRAD]\r\n"
        "GRADIENTPERCENT=50\r\n"
        "[SELECTION]\r\n"
        "STATES=2\r\n"
        "COLOR=100\r\n"
        "FONTCOLOR=200\r\n"
        "HOTCOLOR=300\r\n"
        "HOTFONTCOLOR=400\r\n"
        "[FORM]\r\n"
        "PATTERN=~0000~0110~0222~0190~00~0\r\n"
        "IMGTOPLEFT=@0020@0160@0030@0170@1@0\r\n"
        "[GLYPHS]\r\n"
        "GLYPHMASK=@0217@0000@0262@0030@3@1\r\n"
        "BORDERSMASK=^0000^0000^0060^0020^0000^0000^0000^0000^3^1^0^0\r\n"
        "[SCROLLBTNLEFT]\r\n"
        "PARENTCLASS=GLYPHS\r\n";
    return text + extra;
}

std::vector<TSkinPackageEntry> TestSkinEntries(const QByteArray& options) {
    return {{"Options.dat", options},
            {"Master.bmp", EncodeImage(TestMasterImage(), "BMP")},
            {"Xb.png", EncodeImage(TestGlowImage(), "PNG")}};
}

QByteArray TestSkinPackage(const QByteArray& options) { return WriteSkinPackage(TestSkinEntries(options)); }

} // namespace tornivex::testing
