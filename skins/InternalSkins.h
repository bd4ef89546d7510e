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

class TsStoredSkins;

// Appends both internal skins to a manager's collection as the main window stores them: name and
// package, Shadow1Color black, Shadow1Offset 0, Shadow1Transparency 0, defaults for the rest.
void AddInternalSkins(TsStoredSkins& skins);

} // namespace tornivex
