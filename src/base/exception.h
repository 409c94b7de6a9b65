#pragma once

#include <exception>
#include <string>

// The base of every exception the program raises: it carries only the message
// shown to the user.
class Exception : public std::exception {
public:
    explicit Exception(std::string message)
        : FMessage(std::move(message))
    {
    }
    const std::string& Message() const noexcept { return FMessage; }
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    std::string FMessage;
};

// An operation the user stopped: not a fault, so nothing is reported.
class EAbort : public Exception {
public:
    using Exception::Exception;
};

// Arithmetic faults of formulas and geometry. The curve generator catches the
// base class to leave out a sample whatever the fault was.
class EMathError : public Exception {
public:
    using Exception::Exception;
};

class EZeroDivide : public EMathError {
public:
    explicit EZeroDivide(std::string message = "Floating point division by zero")
        : EMathError(std::move(message))
    {
    }
};

class EInvalidOp : public EMathError {
public:
    EInvalidOp()
        : EMathError("Invalid floating point operation")
    {
    }
};

class EOverflow : public EMathError {
public:
    EOverflow()
        : EMathError("Floating point overflow")
    {
    }
};

// Integer division (div, mod) by zero: a division by zero with the message of
// whole numbers.
class EDivByZero : public EZeroDivide {
public:
    EDivByZero()
        : EZeroDivide("Division by zero")
    {
    }
};

// A text that does not read as a number where one is required.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};
