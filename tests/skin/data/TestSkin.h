#pragma once
// Small skins built in the tests themselves: an options text, a master image and a PNG, packed
// with our own writer.
#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

#include "SkinPackage.h"

namespace tornivex::testing {

QByteArray EncodeImage(const QImage& image, const char* format);
// A 24-bit BMP with the 12-byte core header, pixel (x, y) from `pixel` as 0xRRGGBB.
QByteArray CoreHeaderBmp24(int width, int height, unsigned (*pixel)(int x, int y));

// 400 x 200 grey master with magenta at (152, 30) (the BUTTON border's top-left corner).
QImage TestMasterImage();
// 78 x 40 PNG with alpha used as the EXBORDER image.
QImage TestGlowImage();

// The options text of the test skin; `extra` is appended verbatim.
QByteArray TestOptionsText(const QByteArray& extra = QByteArray());
inline constexpr int TestSkinSectionCount = 11; // sections in TestOptionsText()

// Options.dat, Master.bmp, Xb.png.
std::vector<TSkinPackageEntry> TestSkinEntries(const QByteArray& options = TestOptionsText());
QByteArray TestSkinPackage(const QByteArray& options = TestOptionsText());

} // namespace tornivex::testing
