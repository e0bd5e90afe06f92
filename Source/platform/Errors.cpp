#include "Errors.h"

namespace {
std::string FormatAssertion(const std::string &message, const std::string &unit, int line)
{
    return message + " (" + unit + ", line " + std::to_string(line) + ")";
}
}  // namespace

EAssertionFailed::EAssertionFailed(const std::string &message, const std::string &unit, int line)
    : Exception(FormatAssertion(message, unit, line)), unit_(unit), line_(line)
{
}

EListError::EListError(int index) : Exception("List index out of bounds (" + std::to_string(index) + ")") {}

EConvertError::EConvertError(const std::string &text)
    : Exception("'" + text + "' is not a valid floating point value")
{
}

EZeroDivide::EZeroDivide() : Exception("Floating point division by zero") {}

EOverflow::EOverflow() : Exception("Floating point overflow") {}

ERangeError::ERangeError() : Exception("Range check error") {}

EInvalidOp::EInvalidOp() : Exception("Invalid floating point operation") {}

void Assert(bool condition, const char *unit, int line)
{
    if (!condition)
        throw EAssertionFailed("Assertion failure", unit, line);
}
