#pragma once
// The system's error classes. Every error is an exception with a fixed English
// message; a command that raises one ends there and the error display shows it.
#include <exception>
#include <string>
#include <utility>

// The message is kept whole, embedded NUL characters included.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& Message() const { return message_; }

private:
    std::string message_;
};

// A text that is not a number, or a number pattern that is too long.
class EConvertError : public Exception {
    using Exception::Exception;
};

// Floating-point conditions of the Extended environment.
class EMathError : public Exception {
    using Exception::Exception;
};
class EZeroDivide : public EMathError {
public:
    EZeroDivide() : EMathError("Floating point division by zero") {}
};
class EInvalidOp : public EMathError {
public:
    EInvalidOp() : EMathError("Invalid floating point operation") {}
};
class EOverflow : public EMathError {
public:
    EOverflow() : EMathError("Floating point overflow") {}
};

// Integer division by zero.
class EDivByZero : public Exception {
public:
    EDivByZero() : Exception("Division by zero") {}
};

// An input value outside the range the computation has tables for.
class ERangeError : public Exception {
    using Exception::Exception;
};

// The system clipboard could not be opened.
class EClipboardException : public Exception {
    using Exception::Exception;
};

// A chart axis property assignment that the chart refuses.
class AxisException : public Exception {
    using Exception::Exception;
};
