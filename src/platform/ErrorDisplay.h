#pragma once
#include <exception>

#include <QString>

namespace tornivex::platform {

// The text the application's error display shows for a caught error: the innermost non-empty
// message, with "." appended when its last character's code is above that of ".".
QString ErrorDisplayText(const std::exception& error);

// The "." rule alone.
QString WithClosingFullStop(const QString& message);

}  // namespace tornivex::platform
