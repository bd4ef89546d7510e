#pragma once
#include <functional>

#include <QString>

namespace tornivex::platform {

// The desktop's "open" on a web address. Tests replace the opener to see what was asked.
using ShellOpener = std::function<bool(const QString& address)>;

bool ShellOpen(const QString& address);
void SetShellOpener(ShellOpener opener);  // empty restores the desktop's own

}  // namespace tornivex::platform
