#ifndef IRRIKA_PLATFORM_ERRORS_H
#define IRRIKA_PLATFORM_ERRORS_H

// The run-time errors the program raises and reports by their message text. Each class
// carries the text the user sees, formatted the way the original run-time formats it.

#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string &message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// "Assertion failure (ConcreteCollections, line 140)"
class EAssertionFailed : public Exception {
public:
    EAssertionFailed(const std::string &message, const std::string &unit, int line);
    const std::string &Unit() const { return unit_; }
    int Line() const { return line_; }

private:
    std::string unit_;
    int line_;
};

// "List index out of bounds (%d)", with the 0-based index.
class EListError : public Exception {
public:
    explicit EListError(int index);
};

// "'%s' is not a valid floating point value"
class EConvertError : public Exception {
public:
    explicit EConvertError(const std::string &text);
    explicit EConvertError(const std::string &message, bool /*verbatim*/) : Exception(message) {}
};

// "Floating point division by zero"
class EZeroDivide : public Exception {
public:
    EZeroDivide();
};

// "Floating point overflow": a number beyond the double range.
class EOverflow : public Exception {
public:
    EOverflow();
};

// "Range check error": an integer conversion whose result does not fit.
class ERangeError : public Exception {
public:
    ERangeError();
};

// "Invalid floating point operation": rounding a NaN or an infinity.
class EInvalidOp : public Exception {
public:
    EInvalidOp();
};

// Raises EAssertionFailed("Assertion failure", unit, line) when condition is false.
void Assert(bool condition, const char *unit, int line);

#endif
