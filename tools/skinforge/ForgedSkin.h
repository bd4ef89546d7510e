#pragma once
// The image entries of an internal skin, forged in package order (the options text, written by
// hand, is packed in front of them).
#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

namespace tornivex::forge {

struct ForgedImage {
    QString Name;     // entry name exactly as packed, e.g. "Master.bmp"
    QByteArray Bytes; // the encoded file
    QImage Preview;   // the same picture, for looking at it
};

struct ForgedSkin {
    QString SkinName;
    std::vector<ForgedImage> Images;
};

ForgedSkin ForgeAluminium();
ForgedSkin ForgeTopaz();

} // namespace tornivex::forge
