#pragma once
// How painting reaches a skin manager's loaded tables. The pixel painters (elements, text, frames,
// previews) read a manager only through these two functions. The control state layer
// (`TsCommonData` with its commands and queries, and the state fades) also reads the manager's
// settings directly: section look-ups, colour filters, options and animation events.

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
