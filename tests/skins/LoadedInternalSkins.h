#pragma once
// The internal skins loaded by the skin manager's own rules, once per test program.
#include "sSkinManager.h"

#include <QString>

namespace tornivex::testing {

// A manager holding both internal skins with `skinName` loaded. Any box the load would show
// fails the test that asked.
const TsSkinManager& ManagerWithSkin(const QString& skinName);

// The options text of an internal skin as packed.
QByteArray PackedOptionsText(const QString& skinName);

} // namespace tornivex::testing
