#include "Console.h"

namespace tornivex::platform {

// A terminal takes the bytes as they are, and the program inherits its streams.
void PrepareConsoleOutput() {}

}  // namespace tornivex::platform
