#include "LocaleChanges.h"

namespace tornivex::platform {

// The settings come from the environment, which does not change under a running program.
void AnnounceSystemLocaleChanges() {}

}  // namespace tornivex::platform
