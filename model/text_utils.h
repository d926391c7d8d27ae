#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orbalis {

// The text without blanks (spaces) at either end.
std::string_view TrimBlanks(std::string_view text);

// A whole number written in plain decimal, no sign padding or separators.
std::string DecimalText(long value);

// The text as it may go to a terminal or into a message: control characters
// (those of ASCII and of Unicode's C1 range in UTF-8, and DEL), which could
// start a terminal's escape sequence, become "\x1b" and "\u009b"; line
// breaks and tabs stay as they are.
std::string EscapedControls(std::string_view text);

// How many columns a UTF-8 text takes on a terminal or in a monospaced
// table: one a character, none for the vowel signs and other marks that
// Devanagari and Tamil letters combine with the letter before them.
std::size_t TextColumns(std::string_view text);

// The text followed by blanks up to `columns` columns; a longer text as it is.
std::string PaddedToColumns(std::string_view text, std::size_t columns);

}  // namespace orbalis
