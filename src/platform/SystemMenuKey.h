#pragma once
// Alt+Space opens the program's own window menu (a shortcut of the skinned frame). On Windows Qt
// hands that key to the native window's system menu instead, which a skinned window neither
// shows nor should: there the key is delivered to the program like any other.
namespace tornivex::platform {

// Idempotent; needs the application object.
void DeliverSystemMenuKey();

}  // namespace tornivex::platform
