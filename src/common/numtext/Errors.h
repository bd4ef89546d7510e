#pragma once
// Errors are exceptions carrying a message text. An error may wrap another one; the error
// display shows the innermost non-empty message.
#include <exception>
#include <memory>
#include <string>

namespace tornivex {

class Exception : public std::exception {
public:
    explicit Exception(std::u16string message, std::shared_ptr<const Exception> inner = nullptr);

    const std::u16string& Message() const { return message_; }
    const Exception* Inner() const { return inner_.get(); }
    // The message of the innermost wrapped error that has one, else this error's own.
    std::u16string InnermostMessage() const;
    // UTF-8 form of Message(), for std::exception users.
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    std::u16string message_;
    std::shared_ptr<const Exception> inner_;
    std::string utf8_;
};

// A text that is not a number of the required form.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// The floating-point faults of extended arithmetic.
class EMathError : public Exception {
public:
    using Exception::Exception;
};

class EZeroDivide : public EMathError {
public:
    EZeroDivide();
};

class EInvalidOp : public EMathError {
public:
    EInvalidOp();
};

class EOverflow : public EMathError {
public:
    EOverflow();
};

std::string ToUtf8(const std::u16string& text);
std::u16string FromUtf8(const std::string& text);

}  // namespace tornivex
