#pragma once

#include <string>
#include <string_view>

namespace orbalis {

// The files the program writes for people and for itself use the single-byte
// Windows-1252 code page, one byte a character (the degree sign is 0xB0).

// UTF-8 text as Windows-1252 bytes. A character the code page cannot hold,
// and a byte that is not valid UTF-8, becomes '?'.
std::string Utf8ToCodePage(std::string_view utf8);

// Windows-1252 bytes as UTF-8. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of the
// same number, so that every byte survives a round trip.
std::string CodePageToUtf8(std::string_view bytes);

}  // namespace orbalis
