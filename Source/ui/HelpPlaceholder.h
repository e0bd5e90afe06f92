// PLACEHOLDER (not committed)
#pragma once
#include <string>
inline void SetApplicationHelpFile(const std::string &) {}
