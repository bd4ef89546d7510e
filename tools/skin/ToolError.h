#pragma once
// The tool's failures: what opening a skin throws, and the tool's own refusals.
#include "SkinSource.h"

namespace tornivex::skintool {

using ToolError = SkinSourceError;

} // namespace tornivex::skintool
