#ifndef IRRIKA_PLATFORM_NUMBERTEXT_H
#define IRRIKA_PLATFORM_NUMBERTEXT_H

// Conversions between numbers and text. The point is the decimal separator everywhere,
// whatever the user's locale: settings files, run files and screens all rely on it.

#include <cstdint>
#include <string>

// General text with up to 15 significant digits: fixed notation for 0 and for
// 1E-4 <= |x| < 1E15, otherwise "1.25E15" / "5E-5" (no "+", no leading exponent zeros).
// No trailing zeros, no decimal point for whole numbers. A finite number is never written
// as text that StrToFloat refuses: where rounding up would leave the double range, the
// last digit rounds toward zero (1.79769313486231E308). NaN and infinities give "NAN",
// "INF" and "-INF".
std::string FloatToStr(double value);

// Text to number: optional blanks, an optional sign, digits with an optional '.', and an
// optional exponent. Anything else (a comma, "inf", "nan", hex, trailing garbage, an empty
// text, a value beyond the double range) raises EConvertError with the text.
double StrToFloat(const std::string &text);
bool TryStrToFloat(const std::string &text, double &value);

// Pattern formatting of the "####0.00" family: as many decimals as the pattern has '0'
// after the point, all integer digits, at least one. A decimal tie rounds away from zero
// (0.125 with "####0.00" gives "0.13"), unlike printf.
std::string FormatFloat(const std::string &pattern, double value);

// Nearest integer, ties to the even one (12.5 -> 12, 13.5 -> 14). NaN and infinities raise
// EInvalidOp, a value outside the 64-bit range ERangeError.
std::int64_t Round(double value);

// Round to a 32-bit integer; outside that range raises ERangeError.
std::int32_t RoundToInt32(double value);

#endif
