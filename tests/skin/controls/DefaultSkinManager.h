#pragma once
// The default skin manager the control tests paint with: both internal skins, one of them loaded.
#include "InternalSkins.h"
#include "skin/data/sSkinManager.h"

#include <QString>

#include <memory>

namespace tornivex::testing {

inline std::unique_ptr<TsSkinManager> DefaultManagerWithSkin(const QString& skinName) {
    auto manager = std::make_unique<TsSkinManager>();
    manager->SetIsDefault(true);
    AddInternalSkins(manager->InternalSkins());
    manager->SetSkinName(skinName);
    return manager;
}

}  // namespace tornivex::testing
