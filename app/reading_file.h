#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "app/birth_details.h"
#include "app/input_rules.h"

namespace orbalis {

// A reading file holds the birth details of a reading, one value a line, each
// character shifted by this many code points so that the file does not read
// as plain text. The smallest two-digit offset above 13, so that a shifted
// character is never a line end and few of the high characters drop out.
inline constexpr int kShiftOffset = 14;

inline constexpr int kReadingFileLineCount = 17;
// Longest line taken from a reading file; the rest of a longer line is ignored.
inline constexpr std::size_t kReadingFileLineLimit = 1024;
// Bytes read from a reading file at most; lines past them count as missing.
inline constexpr std::size_t kReadingFileByteLimit = 1 << 20;

// Each byte plus (Shift) or minus (Unshift) kShiftOffset; a byte whose new
// code would leave 0..255 is dropped.
std::string ShiftText(std::string_view codePageBytes);
std::string UnshiftText(std::string_view codePageBytes);

// The 17 lines of a reading file for these birth details: name, month, day,
// year, hour, minute, zone row, longitude and latitude degrees and minutes,
// "True"/"False" for east, south and daylight saving, city, state, country;
// each trimmed, in the code page, shifted and ended with CR LF.
std::string EncodeReadingFile(const BirthDetails& birth);

// The values of a reading file, unshifted, as UTF-8; a missing line is empty.
// Lines may end in CR LF or LF.
using ReadingFileLines = std::array<std::string, kReadingFileLineCount>;
ReadingFileLines DecodeReadingFile(std::string_view fileBytes);

// The form after opening a reading file. Text boxes take their line as it
// is; a list keeps its entry when the line names none of its entries.
FormEntries ApplyReadingFile(const ReadingFileLines& lines, FormEntries form);

// Reading files are recognised by the last three characters of their name,
// exactly "orb".
bool HasReadingFileExtension(std::string_view path);

}  // namespace orbalis
