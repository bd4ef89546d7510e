#include "sCommonData.h"

#include "skin/data/SkinEngine.h"
#include "skin/data/sSkinManager.h"

namespace tornivex {

TsSkinManager* TsCommonData::SkinManager() const {
    return FSkinManager ? FSkinManager : DefaultManager();
}

bool TsCommonData::Skinned() const {
    const TsSkinManager* manager = SkinManager();
    return manager && manager->Active() && manager->CommonSkinData().Active &&
           manager->IsValidSkinIndex(SkinIndex);
}

}  // namespace tornivex
