#pragma once
// The one place painting reaches into the skin manager: its loaded tables.

namespace tornivex {
class TsSkinManager;
struct TLoadedSkin;
}  // namespace tornivex

namespace tornivex::paint {

// The manager's loaded skin, or null when there is no manager or no skin is loaded.
const TLoadedSkin* LoadedSkinOf(const TsSkinManager* manager);

// `manager`, or the process's default manager when null.
const TsSkinManager* ManagerOrDefault(const TsSkinManager* manager);

}  // namespace tornivex::paint
