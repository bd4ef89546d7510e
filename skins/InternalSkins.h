#pragma once
// The program's two internal skins, embedded at build time: name and package bytes of each, in
// collection order ("Topaz (internal)" first, "Aluminium (internal)" second).
#include <QByteArray>
#include <QString>

#include <vector>

namespace tornivex {

struct InternalSkinPackage {
    QString Name;
    QByteArray Data; // the skin package, byte for byte
};

std::vector<InternalSkinPackage> InternalSkinPackages();

} // namespace tornivex
