#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "model/birth_details.h"
#include "model/catalogue.h"
#include "reading/input_rules.h"

namespace orbalis {

// A reading file holds the birth details of a reading, one value a line, each
// character shifted by this many code points so that the file does not read
// as plain text. The smallest two-digit offset above 13, so that a shifted
// character is never a line end and few of the high characters drop out.
inline constexpr int kShiftOffset = 14;

inline constexpr int kReadingFileLineCount = 17;
// Longest line taken from a reading file; the rest of a longer line is ignored.
inline constexpr std::size_t kReadingFileLineLimit = 1024;
// A file the program writes is well under a kilobyte; anything larger than
// this is not a reading file and is refused unread.
inline constexpr std::size_t kReadingFileByteLimit = 64 * 1024;

// What the program says of a reading file it cannot take.
inline constexpr std::string_view kCheckTheFileMessage = N_("Please Check The File.");

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

// The lines of a reading file when every line it holds can be taken as it
// stands: lines 2 to 7 the plain decimal text of an entry of their list,
// lines 8 to 11 one to three digits, lines 12 to 14 "True" or "False", lines
// 1 and 15 to 17 letters and blanks that fit their box. Missing lines count
// as empty (the form's rules report them); a present line that breaks its
// rule gives nothing, so that a damaged file never fills the form.
std::optional<ReadingFileLines> ParseReadingFile(std::string_view fileBytes);

// A reading file on disk, or why it was refused.
struct ReadingFileLoad {
    std::optional<ReadingFileLines> lines;  // nothing: kCheckTheFileMessage
    std::string reason;                     // the path and why, when refused
};

// Opens, checks and parses the reading file at path (a path in the file
// system's encoding): the name must end in "orb", the file must be a regular
// readable file within kReadingFileByteLimit (a FIFO or device is never
// waited on), and ParseReadingFile must take it.
ReadingFileLoad LoadReadingFile(const std::string& path);

// The birth details a reading file gives on a fresh form, or the message that
// refuses it: kCheckTheFileMessage, or the first rule of the form it breaks.
struct ReadingFileBirth {
    std::optional<BirthDetails> birth;
    std::string message;
    std::string reason;  // for a refused file, as in ReadingFileLoad
};
ReadingFileBirth LoadReadingFileBirth(const std::string& path);

// The form after opening a reading file. Text boxes take their line as it
// is; a list keeps its entry when the line names none of its entries.
FormEntries ApplyReadingFile(const ReadingFileLines& lines, FormEntries form);

// Reading files are recognised by the last three characters of their name,
// exactly "orb".
bool HasReadingFileExtension(std::string_view path);

}  // namespace orbalis
