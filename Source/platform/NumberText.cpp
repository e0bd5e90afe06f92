#include "NumberText.h"

#include "Errors.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Rewrites the exponent of to_chars ("5e-05", "1.25e+15") as "5E-5", "1.25E15".
std::string TidyExponent(const std::string &text)
{
    const auto e = text.find('e');
    if (e == std::string::npos)
        return text;
    std::string mantissa = text.substr(0, e);
    std::string exponent = text.substr(e + 1);
    bool negative = false;
    if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) {
        negative = exponent[0] == '-';
        exponent.erase(0, 1);
    }
    const auto firstNonZero = exponent.find_first_not_of('0');
    exponent = firstNonZero == std::string::npos ? "0" : exponent.substr(firstNonZero);
    return mantissa + "E" + (negative ? "-" : "") + exponent;
}

// Scientific text of value with 15 significant digits rounded toward zero instead of to
// the nearest. Only asked for just below the largest double, where rounding to the
// nearest went up to 1.79769313486232E308: the text is one unit too far in its last digit.
std::string RoundedTowardZero(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    std::string text(buffer, result.ptr);
    const auto e = text.find('e');
    std::size_t last = e - 1;
    for (; text[last] == '0'; --last)
        text[last] = '9';
    --text[last];
    // No trailing zeros in the mantissa, no point without decimals.
    std::size_t end = e;
    while (text[end - 1] == '0')
        --end;
    if (text[end - 1] == '.')
        --end;
    return text.substr(0, end) + text.substr(e);
}

}  // namespace

std::string FloatToStr(double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    if (value == 0.0)
        return "0";
    // %.15g semantics: scientific when the decimal exponent is below -4 or at least 15,
    // which is exactly the fixed range 1E-4 <= |x| < 1E15.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text = TidyExponent(std::string(buffer, result.ptr));
    double back = 0.0;
    if (!TryStrToFloat(text, back))
        text = TidyExponent(RoundedTowardZero(value));
    return text;
}

bool TryStrToFloat(const std::string &text, double &value)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    std::string clean;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            clean += '-';
        ++i;
    }
    int integerDigits = 0;      // significant digits before the point
    int leadingFractionZeros = 0;
    bool anyDigit = false;
    bool seenSignificant = false;
    while (i < n && IsDigit(text[i])) {
        anyDigit = true;
        if (text[i] != '0' || seenSignificant) {
            seenSignificant = true;
            ++integerDigits;
        }
        clean += text[i++];
    }
    if (i < n && text[i] == '.') {
        clean += text[i++];
        while (i < n && IsDigit(text[i])) {
            anyDigit = true;
            if (!seenSignificant) {
                if (text[i] == '0')
                    ++leadingFractionZeros;
                else
                    seenSignificant = true;
            }
            clean += text[i++];
        }
    }
    if (!anyDigit)
        return false;
    long exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        clean += 'e';
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            if (text[i] == '-')
                clean += '-';
            ++i;
        }
        if (i >= n || !IsDigit(text[i]))
            return false;
        std::string digits;
        while (i < n && IsDigit(text[i]))
            digits += text[i++];
        clean += digits;
        exponent = digits.size() > 6 ? 1000000 : std::strtol(digits.c_str(), nullptr, 10);
        if (clean.find("e-") != std::string::npos)
            exponent = -exponent;
    }
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        return false;

    double parsed = 0.0;
    const auto result = std::from_chars(clean.data(), clean.data() + clean.size(), parsed);
    if (result.ec == std::errc::result_out_of_range) {
        if (!seenSignificant)
            parsed = 0.0;
        else if (integerDigits > 0 ? integerDigits + exponent > 0 : exponent - leadingFractionZeros > 0)
            return false;  // overflow
        else
            parsed = clean[0] == '-' ? -0.0 : 0.0;  // underflow reads as zero
    } else if (result.ec != std::errc() || result.ptr != clean.data() + clean.size()) {
        return false;
    }
    if (!std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

double StrToFloat(const std::string &text)
{
    double value = 0.0;
    if (!TryStrToFloat(text, value))
        throw EConvertError(text);
    return value;
}

std::string FormatFloat(const std::string &pattern, double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    int decimals = 0;
    const auto point = pattern.find('.');
    if (point != std::string::npos)
        for (std::size_t i = point + 1; i < pattern.size() && pattern[i] == '0'; ++i)
            ++decimals;

    // Decimal digits of |value| to 18 significant figures, then a half-up decimal rounding,
    // as the original run-time does it.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 17);
    const std::string sci(buffer, result.ptr);
    const auto e = sci.find('e');
    std::string digits;
    for (std::size_t i = 0; i < e; ++i)
        if (IsDigit(sci[i]))
            digits += sci[i];
    const int exponent = std::atoi(sci.c_str() + e + 1);
    // digits[0] has weight 10^exponent; keep those with weight >= 10^-decimals.
    const int keep = exponent + 1 + decimals;
    std::string kept;  // digits of round(|value| * 10^decimals)
    if (keep <= 0) {
        kept = (keep == 0 && digits[0] >= '5') ? "1" : "0";
    } else {
        kept = digits.substr(0, std::min<std::size_t>(keep, digits.size()));
        while (static_cast<int>(kept.size()) < keep)
            kept += '0';
        if (keep < static_cast<int>(digits.size()) && digits[keep] >= '5') {
            int i = static_cast<int>(kept.size()) - 1;
            while (i >= 0 && kept[i] == '9')
                kept[i--] = '0';
            if (i >= 0)
                ++kept[i];
            else
                kept.insert(kept.begin(), '1');
        }
    }
    while (static_cast<int>(kept.size()) < decimals + 1)
        kept.insert(kept.begin(), '0');
    std::string integerPart = kept.substr(0, kept.size() - decimals);
    const auto nonZero = integerPart.find_first_not_of('0');
    integerPart = nonZero == std::string::npos ? "0" : integerPart.substr(nonZero);
    std::string text = integerPart;
    if (decimals > 0)
        text += "." + kept.substr(kept.size() - decimals);
    const bool allZero = kept.find_first_not_of('0') == std::string::npos;
    if (value < 0 && !allZero)
        text = "-" + text;
    return text;
}

std::int64_t Round(double value)
{
    if (!std::isfinite(value))
        throw EInvalidOp();
    const double rounded = std::nearbyint(value);  // default mode: nearest, ties to even
    if (rounded < -9223372036854775808.0 || rounded >= 9223372036854775808.0)
        throw ERangeError();
    return static_cast<std::int64_t>(rounded);
}

std::int32_t RoundToInt32(double value)
{
    const std::int64_t rounded = Round(value);
    if (rounded < std::numeric_limits<std::int32_t>::min() || rounded > std::numeric_limits<std::int32_t>::max())
        throw ERangeError();
    return static_cast<std::int32_t>(rounded);
}
