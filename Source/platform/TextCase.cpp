#include "TextCase.h"

#include <algorithm>
#include <cctype>

std::string UpperCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

bool SameText(const std::string &a, const std::string &b)
{
    return UpperCase(a) == UpperCase(b);
}
