#include "ErrorDisplay.h"

#include "Errors.h"

namespace tornivex::platform {

QString WithClosingFullStop(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.') return message + u'.';
    return message;
}

QString ErrorDisplayText(const std::exception& error) {
    if (const auto* own = dynamic_cast<const tornivex::Exception*>(&error)) {
        return WithClosingFullStop(QString::fromStdU16String(own->InnermostMessage()));
    }
    return WithClosingFullStop(QString::fromUtf8(error.what()));
}

}  // namespace tornivex::platform
