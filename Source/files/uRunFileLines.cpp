#include "uRunFileLines.h"

#include "Errors.h"
#include "NumberText.h"
#include "uConstants.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <system_error>

TFieldList SplitFields(const std::string &line)
{
    const char separator = uConstants::FieldSeparator[0];
    TFieldList fields;
    std::string current;
    for (const char c : line) {
        if (c == separator) {
            fields.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    return fields;
}

TLineBuilder &TLineBuilder::Add(const std::string &field)
{
    FText += field;
    FText += uConstants::FieldSeparator;
    return *this;
}

TLineBuilder &TLineBuilder::AddInteger(long long value) { return Add(std::to_string(value)); }

TLineBuilder &TLineBuilder::AddValue(double value) { return Add(FloatToStr(value)); }

TLineBuilder &TLineBuilder::AddDisplayValue(double stored, double factor)
{
    const long double shown = static_cast<long double>(stored) * factor;
    // The double product would already be rounded once, and its 15 digits can differ from
    // those of the exact product in the last place. Fifteen significant digits pass through
    // a double unchanged, so the rounded text can go on through the common number text.
    char digits[64];
    const auto written = std::to_chars(digits, digits + sizeof digits, shown, std::chars_format::scientific, 14);
    double rounded = static_cast<double>(shown);
    if (std::isfinite(shown) && written.ec == std::errc()) {
        double parsed = 0.0;
        // Beyond the double range (only just below its limit) the plain product is kept.
        if (std::from_chars(digits, written.ptr, parsed).ec == std::errc())
            rounded = parsed;
    }
    return AddValue(rounded);
}

const std::string &FieldAt(const TFieldList &fields, std::size_t index)
{
    if (index >= fields.size())
        throw EListError(static_cast<int>(index > INT_MAX ? INT_MAX : index));
    return fields[index];
}

int StrToInt(const std::string &text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const std::size_t firstDigit = i;
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            break;
    }
    if (negative)
        value = -value;
    if (i == firstDigit || i != text.size() || value > INT_MAX || value < INT_MIN)
        throw EConvertError("'" + text + "' is not a valid integer value", true);
    return static_cast<int>(value);
}
