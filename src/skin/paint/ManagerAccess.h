#pragma once
// How painting reaches a skin manager's loaded tables. Painting code reads a manager only through
// these two functions; the one other reader is the control state object (`TsCommonData`), which
// asks its manager whether it is active and skinned.

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
