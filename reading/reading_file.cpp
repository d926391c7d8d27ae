#include "reading/reading_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <optional>
#include <vector>

#include "files/unique_descriptor.h"
#include "model/code_page.h"
#include "model/reference_tables.h"
#include "model/text_utils.h"

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

// The raw lines of a file, at most kReadingFileLineCount, each without its
// line end and cut to kReadingFileLineLimit.
std::vector<std::string_view> SplitLines(std::string_view fileBytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < fileBytes.size() && lines.size() < kReadingFileLineCount) {
        std::size_t end = fileBytes.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? fileBytes.size() : end + 1;
        if (end == std::string_view::npos) end = fileBytes.size();
        std::string_view raw = fileBytes.substr(start, end - start);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
        lines.push_back(raw.substr(0, kReadingFileLineLimit));
        start = next;
    }
    return lines;
}

bool IsNumberEntry(const std::string& line, int first, int last) {
    const std::optional<int> value = NumberOfLine(line);
    return value && *value >= first && *value <= last && DecimalText(*value) == line;
}

// Whether line number `index` (0-based) holds what its box or list can take.
bool LineIsTakeable(std::size_t index, const std::string& line) {
    constexpr int kMonthCount = 12;
    switch (index) {
        case 1:
            return IsNumberEntry(line, 1, kMonthCount);
        case 2:
            return IsNumberEntry(line, 1, 31);
        case 3:
            return IsNumberEntry(line, kFirstBirthYear, kLastBirthYear);
        case 4:
            return IsNumberEntry(line, 0, 24);
        case 5:
            return IsNumberEntry(line, 0, 59);
        case 6:
            return IsNumberEntry(line, 0, kTimeZoneCount - 1);
        case 7:
        case 8:
        case 9:
        case 10:
            return !line.empty() && line.size() <= static_cast<std::size_t>(kNumberBoxLength) &&
                   NumberOfLine(line).has_value();
        case 11:
        case 12:
        case 13:
            return line == "True" || line == "False";
        default:
            return line.size() <= static_cast<std::size_t>(kLetterBoxLength) &&
                   IsLetterText(std::string_view(line));
    }
}

std::string Reason(const std::string& path, std::string_view why) {
    return path + ": " + std::string(why);
}


// Selects the entry of a list of the texts "first".."last" that equals line.
void SelectEntry(const std::string& line, int first, int last, int& entry) {
    if (IsNumberEntry(line, first, last)) entry = *NumberOfLine(line);
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
    const std::vector<std::string_view> raw = SplitLines(fileBytes);
    for (std::size_t i = 0; i < raw.size(); ++i) lines[i] = CodePageToUtf8(UnshiftText(raw[i]));
    return lines;
}

std::optional<ReadingFileLines> ParseReadingFile(std::string_view fileBytes) {
    ReadingFileLines lines;
    const std::vector<std::string_view> raw = SplitLines(fileBytes);
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const std::string unshifted = UnshiftText(raw[i]);
        // A byte the shift cannot have written means the line was damaged.
        if (unshifted.size() != raw[i].size()) return std::nullopt;
        lines[i] = CodePageToUtf8(unshifted);
        if (!LineIsTakeable(i, lines[i])) return std::nullopt;
    }
    return lines;
}

ReadingFileLoad LoadReadingFile(const std::string& path) {
    ReadingFileLoad load;
    if (!HasReadingFileExtension(path)) {
        load.reason = Reason(path, "the name does not end in \"orb\"");
        return load;
    }
    // Without O_NONBLOCK, opening a FIFO would wait for a writer for ever.
    const UniqueDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file.Valid()) {
        load.reason = Reason(path, std::strerror(errno));
        return load;
    }
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0) {
        load.reason = Reason(path, std::strerror(errno));
        return load;
    }
    if (!S_ISREG(status.st_mode)) {
        load.reason = Reason(path, "not a regular file");
        return load;
    }
    if (static_cast<std::size_t>(status.st_size) > kReadingFileByteLimit) {
        load.reason = Reason(path, "too large for a reading file");
        return load;
    }
    // One byte more than the limit shows a file that grew since fstat.
    std::string bytes(kReadingFileByteLimit + 1, '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(file.Get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            load.reason = Reason(path, std::strerror(errno));
            return load;
        }
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    if (filled > kReadingFileByteLimit) {
        load.reason = Reason(path, "too large for a reading file");
        return load;
    }
    bytes.resize(filled);
    load.lines = ParseReadingFile(bytes);
    if (!load.lines) load.reason = Reason(path, "a line holds what no entry of the form can take");
    return load;
}

ReadingFileBirth LoadReadingFileBirth(const std::string& path) {
    ReadingFileBirth result;
    ReadingFileLoad load = LoadReadingFile(path);
    if (!load.lines) {
        result.message = std::string(kCheckTheFileMessage);
        result.reason = std::move(load.reason);
        return result;
    }
    FormEntries entries = ApplyReadingFile(*load.lines, FormEntries{});
    if (const std::optional<InputProblem> problem = FirstInputProblem(entries)) {
        result.message = problem->message;
        return result;
    }
    result.birth = BirthDetailsFromForm(entries);
    return result;
}

FormEntries ApplyReadingFile(const ReadingFileLines& lines, FormEntries form) {
    constexpr int kMonthCount = 12;
    form.name = lines[0];
    // The month is stored as its number, one more than its list position.
    if (const std::optional<int> month = NumberOfLine(lines[1]);
        month && *month >= 1 && *month <= kMonthCount)
        form.monthIndex = *month - 1;
    SelectEntry(lines[2], 1, 31, form.day);
    SelectEntry(lines[3], kFirstBirthYear, kLastBirthYear, form.year);
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
