#pragma once
// The image entries of an internal skin, forged in package order (the options text, written by
// hand, is packed in front of them).
#include "Preview.h"

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
    std::size_t MasterIndex = 0; // which image is the master
    PreviewRecipe Look;          // what the preview needs beyond the images
};

ForgedSkin ForgeAluminium();
ForgedSkin ForgeTopaz();

} // namespace tornivex::forge
