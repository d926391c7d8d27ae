#pragma once

#include <string>
#include <string_view>

namespace orbalis {

// Latin text reduced to ASCII: accented letters lose their marks (ß -> ss,
// Æ -> AE), blanks and separators (- / , . ( ) _) become one blank, apostrophes
// and all other characters are dropped; the ends are trimmed. Digits are kept
// when keepDigits is set.
std::string AsciiLatinText(std::string_view utf8, bool keepDigits);

// The key a place name is searched by: AsciiLatinText with digits, in lower case.
std::string PlaceSearchKey(std::string_view utf8);

// True when every character is ASCII, an accented Latin letter or a
// separator: names in other scripts are not worth a prefix search here.
bool IsLatinScript(std::string_view utf8);

}  // namespace orbalis
