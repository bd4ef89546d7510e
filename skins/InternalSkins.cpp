#include "InternalSkins.h"

#include "StoredSkins.h"

#include <QFile>

#include <stdexcept>

// Resources of a static library must be registered by hand, from the global namespace.
static void RegisterInternalSkinResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(tornivex_internal_skins);
        return true;
    }();
    (void)registered;
}

namespace tornivex {
namespace {

QByteArray ReadResource(const QString& path) {
    QFile file(path);
    // The packages are linked into the program; a missing one is a broken build.
    if (!file.open(QIODevice::ReadOnly))
        throw std::logic_error("internal skin resource missing: " + path.toStdString());
    return file.readAll();
}

} // namespace

std::vector<InternalSkinPackage> InternalSkinPackages() {
    RegisterInternalSkinResources();
    return {{"Topaz (internal)", ReadResource(":/skins/topaz.asz")},
            {"Aluminium (internal)", ReadResource(":/skins/aluminium.asz")}};
}

void AddInternalSkins(TsStoredSkins& skins) {
    for (InternalSkinPackage& package : InternalSkinPackages()) {
        TsStoredSkin& item = skins.Add(package.Name, package.Data);
        item.Shadow1Color = 0;
        item.Shadow1Offset = 0;
        item.Shadow1Transparency = 0;
    }
}

} // namespace tornivex
