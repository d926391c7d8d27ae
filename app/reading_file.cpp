#include "app/reading_file.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "app/code_page.h"
#include "app/reference_tables.h"
#include "app/text_utils.h"

namespace orbalis {
namespace {

std::string MoveBytes(std::string_view bytes, int offset) {
    std::string moved;
    moved.reserve(bytes.size());
    for (const char byte : bytes) {
        const int code = static_cast<unsigned char>(byte) + offset;
        if (code >= 0 && code <= 255) moved += static_cast<char>(code);
    }
    return moved;
}

const char* TrueFalse(bool value) {
    return value ? "True" : "False";
}

// A line of decimal digits as a number, or nothing for anything else.
std::optional<int> NumberOfLine(std::string_view line) {
    constexpr std::size_t kMostDigits = 9;
    if (line.empty() || line.size() > kMostDigits) return std::nullopt;
    if (!std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int value = 0;
    std::from_chars(line.data(), line.data() + line.size(), value);
    return value;
}

// Selects the entry of a list of the texts "first".."last" that equals line.
void SelectEntry(const std::string& line, int first, int last, int& entry) {
    const std::optional<int> value = NumberOfLine(line);
    if (value && *value >= first && *value <= last && DecimalText(*value) == line) entry = *value;
}

// Selects the list position that line names.
void SelectPosition(const std::string& line, int count, int& position) {
    const std::optional<int> value = NumberOfLine(line);
    if (value && *value < count) position = *value;
}

}  // namespace

std::string ShiftText(std::string_view codePageBytes) {
    return MoveBytes(codePageBytes, kShiftOffset);
}

std::string UnshiftText(std::string_view codePageBytes) {
    return MoveBytes(codePageBytes, -kShiftOffset);
}

std::string EncodeReadingFile(const BirthDetails& birth) {
    const std::string values[kReadingFileLineCount] = {
        birth.name,
        DecimalText(birth.month),
        DecimalText(birth.day),
        DecimalText(birth.year),
        DecimalText(birth.hour),
        DecimalText(birth.minute),
        DecimalText(birth.zoneIndex),
        DecimalText(birth.longitudeDegrees),
        DecimalText(birth.longitudeMinutes),
        DecimalText(birth.latitudeDegrees),
        DecimalText(birth.latitudeMinutes),
        TrueFalse(birth.isEast),
        TrueFalse(birth.isSouth),
        TrueFalse(birth.daylightSaving),
        birth.city,
        birth.state,
        birth.country,
    };
    std::string file;
    for (const std::string& value : values) {
        file += ShiftText(Utf8ToCodePage(TrimBlanks(value)));
        file += "\r\n";
    }
    return file;
}

ReadingFileLines DecodeReadingFile(std::string_view fileBytes) {
    ReadingFileLines lines;
    std::size_t start = 0;
    for (std::string& line : lines) {
        if (start >= fileBytes.size()) break;
        std::size_t end = fileBytes.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? fileBytes.size() : end + 1;
        if (end == std::string_view::npos) end = fileBytes.size();
        std::string_view raw = fileBytes.substr(start, end - start);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        line = CodePageToUtf8(UnshiftText(raw.substr(0, kReadingFileLineLimit)));
        start = next;
    }
    return lines;
}

FormEntries ApplyReadingFile(const ReadingFileLines& lines, FormEntries form) {
    constexpr int kMonthCount = 12;
    form.name = lines[0];
    // The month is stored as its number, one more than its list position.
    if (const std::optional<int> month = NumberOfLine(lines[1]);
        month && *month >= 1 && *month <= kMonthCount)
        form.monthIndex = *month - 1;
    SelectEntry(lines[2], 1, 31, form.day);
    SelectEntry(lines[3], 1901, 2050, form.year);
    SelectEntry(lines[4], 0, 24, form.hour);
    SelectEntry(lines[5], 0, 59, form.minute);
    SelectPosition(lines[6], kTimeZoneCount, form.zoneIndex);
    form.longitudeDegrees = lines[7];
    form.longitudeMinutes = lines[8];
    form.latitudeDegrees = lines[9];
    form.latitudeMinutes = lines[10];
    form.east = lines[11] == "True";
    form.west = !form.east;
    form.south = lines[12] == "True";
    form.north = !form.south;
    form.daylightSaving = lines[13] == "True";
    form.city = lines[14];
    form.state = lines[15];
    form.country = lines[16];
    return form;
}

bool HasReadingFileExtension(std::string_view path) {
    constexpr std::string_view kExtension = "orb";
    return path.size() >= kExtension.size() && path.ends_with(kExtension);
}

}  // namespace orbalis
