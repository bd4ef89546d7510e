#include "SystemMenuKey.h"

namespace tornivex::platform {

// X11 and Wayland deliver Alt+Space to the program.
void DeliverSystemMenuKey() {}

}  // namespace tornivex::platform
