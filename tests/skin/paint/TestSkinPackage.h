#pragma once
// A skin manager loaded from a tiny package built in the test: an options text and a master image.

#include "skin/data/SkinPackage.h"
#include "skin/data/sSkinManager.h"

#include <QBuffer>
#include <QImage>

#include <memory>

namespace tornivex::paint::test {

inline QByteArray EncodeBmp(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
    return bytes;
}

// Loads `options` (with "MASTERBITMAP=MASTER.BMP" in [GLOBALINFO]) and `master` as skin "T".
inline std::unique_ptr<TsSkinManager> LoadTestSkin(const QByteArray& options, const QImage& master) {
    auto manager = std::make_unique<TsSkinManager>();
    const QByteArray package = WriteSkinPackage(
        {TSkinPackageEntry{QStringLiteral("Options.dat"), options},
         TSkinPackageEntry{QStringLiteral("MASTER.BMP"), EncodeBmp(master)}});
    manager->InternalSkins().Add(QStringLiteral("T"), package);
    manager->SetSkinName(QStringLiteral("T"));
    return manager;
}

}  // namespace tornivex::paint::test
