#pragma once
// The error raised while reading a skin: its message names what is wrong and where.
#include <QString>

#include <stdexcept>

namespace tornivex {

class ESkinError : public std::runtime_error {
public:
    explicit ESkinError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& Message() const { return message_; }

private:
    QString message_;
};

} // namespace tornivex
