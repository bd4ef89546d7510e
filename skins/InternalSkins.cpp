#include "InternalSkins.h"

#include "StoredSkins.h"

#include <QResource>

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

// The packages are linked into the program uncompressed: their bytes are used where they lie, so
// a start copies neither package and touches only the one it loads.
QByteArray ReadResource(const QString& path) {
    const QResource resource(path);
    // A missing or compressed one is a broken build.
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
        throw std::logic_error("internal skin resource missing or compressed: " + path.toStdString());
    return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), qsizetype(resource.size()));
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
