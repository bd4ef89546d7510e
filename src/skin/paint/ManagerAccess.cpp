#include "ManagerAccess.h"

#include "skin/data/SkinEngine.h"
#include "skin/data/sSkinManager.h"

namespace tornivex::paint {

const TLoadedSkin* LoadedSkinOf(const TsSkinManager* manager) {
    if (!manager || !manager->Active() || manager->gd().empty()) return nullptr;
    return &manager->Skin();
}

const TsSkinManager* ManagerOrDefault(const TsSkinManager* manager) {
    return manager ? manager : DefaultManager();
}

}  // namespace tornivex::paint
