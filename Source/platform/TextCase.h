#ifndef IRRIKA_PLATFORM_TEXTCASE_H
#define IRRIKA_PLATFORM_TEXTCASE_H

// Letter-case handling of names: lookups by name ignore case (ASCII, as the names are).

#include <string>

std::string UpperCase(std::string text);
bool SameText(const std::string &a, const std::string &b);
// The text without the blanks, tabs and carriage returns at either end.
std::string Trim(const std::string &text);

#endif
