#pragma once
// Small helpers for the line-based text files Quillo reads (settings of mail
// programs, Internet shortcuts).
#include <string_view>
#include <vector>

namespace quillo {

// The text without leading and trailing spaces, tabs and carriage returns.
std::string_view TrimBlanks(std::string_view text);

// Splits text at line ends.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace quillo
