#pragma once

#include <string>
#include <string_view>

namespace orbalis {

// The text without blanks (spaces) at either end.
std::string_view TrimBlanks(std::string_view text);

// A whole number written in plain decimal, no sign padding or separators.
std::string DecimalText(long value);

}  // namespace orbalis
