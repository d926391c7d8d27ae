#include "reading/reading_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <optional>
#include <utility>
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

std::string Reason(const std::string& path, std::string_view why) {
    return path + ": " + std::string(why);
}

// What a line holds, and so what it is checked against.
enum class LineKind {
    Letters,  // a letters-only box: the name, city, state, country
    Month,    // the month's number, 1..12
    Day,      // the number on the day list, 1..31
    Year,     // the number on the year list
    Hour,     // the number on the hour list, 0..24
    Minute,   // the number on the minute list, 0..59
    Zone,     // the position on the time zone list
    Digits,   // a degree or minute box
    Flag,     // "True" or "False"
};

// One line of a reading file: what it holds, the birth detail it is written
// from, and what it puts on the form when read back.
struct ReadingFileLine {
    LineKind kind;
    std::string (*write)(const BirthDetails& birth);
    void (*apply)(const std::string& line, FormEntries& form);
};

constexpr int kMonthCount = 12;

// The numbers of the lists, from first to last, by kind.
constexpr std::pair<int, int> ListRange(LineKind kind) {
    switch (kind) {
        case LineKind::Month:
            return {1, kMonthCount};
        case LineKind::Day:
            return {1, 31};
        case LineKind::Year:
            return {kFirstBirthYear, kLastBirthYear};
        case LineKind::Hour:
            return {0, 24};
        case LineKind::Minute:
            return {0, 59};
        case LineKind::Zone:
            return {0, kTimeZoneCount - 1};
        default:
            return {0, 0};
    }
}

// Selects the entry of a list of the texts "first".."last" that equals line.
void SelectEntry(const std::string& line, LineKind kind, int& entry) {
    const auto [first, last] = ListRange(kind);
    if (IsNumberEntry(line, first, last)) entry = *NumberOfLine(line);
}

std::string Flag(bool value) {
    return TrueFalse(value);
}

// The seventeen lines, in file order: the one description the writer, the
// check and the form's reading of a file all follow.
constexpr std::array<ReadingFileLine, kReadingFileLineCount> kReadingFileLines = {{
    {LineKind::Letters, [](const BirthDetails& b) { return b.name; },
     [](const std::string& l, FormEntries& f) { f.name = l; }},
    {LineKind::Month, [](const BirthDetails& b) { return DecimalText(b.month); },
     [](const std::string& l, FormEntries& f) {
         // The month is stored as its number, one more than its list position.
         if (const std::optional<int> month = NumberOfLine(l);
             month && *month >= 1 && *month <= kMonthCount)
             f.monthIndex = *month - 1;
     }},
    {LineKind::Day, [](const BirthDetails& b) { return DecimalText(b.day); },
     [](const std::string& l, FormEntries& f) { SelectEntry(l, LineKind::Day, f.day); }},
    {LineKind::Year, [](const BirthDetails& b) { return DecimalText(b.year); },
     [](const std::string& l, FormEntries& f) { SelectEntry(l, LineKind::Year, f.year); }},
    {LineKind::Hour, [](const BirthDetails& b) { return DecimalText(b.hour); },
     [](const std::string& l, FormEntries& f) { SelectEntry(l, LineKind::Hour, f.hour); }},
    {LineKind::Minute, [](const BirthDetails& b) { return DecimalText(b.minute); },
     [](const std::string& l, FormEntries& f) { SelectEntry(l, LineKind::Minute, f.minute); }},
    {LineKind::Zone, [](const BirthDetails& b) { return DecimalText(b.zoneIndex); },
     [](const std::string& l, FormEntries& f) {
         // Selects the list position that the line names.
         const std::optional<int> value = NumberOfLine(l);
         if (value && *value < kTimeZoneCount) f.zoneIndex = *value;
     }},
    {LineKind::Digits, [](const BirthDetails& b) { return DecimalText(b.longitudeDegrees); },
     [](const std::string& l, FormEntries& f) { f.longitudeDegrees = l; }},
    {LineKind::Digits, [](const BirthDetails& b) { return DecimalText(b.longitudeMinutes); },
     [](const std::string& l, FormEntries& f) { f.longitudeMinutes = l; }},
    {LineKind::Digits, [](const BirthDetails& b) { return DecimalText(b.latitudeDegrees); },
     [](const std::string& l, FormEntries& f) { f.latitudeDegrees = l; }},
    {LineKind::Digits, [](const BirthDetails& b) { return DecimalText(b.latitudeMinutes); },
     [](const std::string& l, FormEntries& f) { f.latitudeMinutes = l; }},
    {LineKind::Flag, [](const BirthDetails& b) { return Flag(b.isEast); },
     [](const std::string& l, FormEntries& f) {
         f.east = l == "True";
         f.west = !f.east;
     }},
    {LineKind::Flag, [](const BirthDetails& b) { return Flag(b.isSouth); },
     [](const std::string& l, FormEntries& f) {
         f.south = l == "True";
         f.north = !f.south;
     }},
    {LineKind::Flag, [](const BirthDetails& b) { return Flag(b.daylightSaving); },
     [](const std::string& l, FormEntries& f) { f.daylightSaving = l == "True"; }},
    {LineKind::Letters, [](const BirthDetails& b) { return b.city; },
     [](const std::string& l, FormEntries& f) { f.city = l; }},
    {LineKind::Letters, [](const BirthDetails& b) { return b.state; },
     [](const std::string& l, FormEntries& f) { f.state = l; }},
    {LineKind::Letters, [](const BirthDetails& b) { return b.country; },
     [](const std::string& l, FormEntries& f) { f.country = l; }},
}};

// Whether a line holds what its box or list can take.
bool LineIsTakeable(LineKind kind, const std::string& line) {
    switch (kind) {
        case LineKind::Digits:
            return !line.empty() && line.size() <= static_cast<std::size_t>(kNumberBoxLength) &&
                   NumberOfLine(line).has_value();
        case LineKind::Flag:
            return line == "True" || line == "False";
        case LineKind::Letters:
            return line.size() <= static_cast<std::size_t>(kLetterBoxLength) &&
                   IsLetterText(std::string_view(line));
        default: {
            const auto [first, last] = ListRange(kind);
            return IsNumberEntry(line, first, last);
        }
    }
}

}  // namespace

std::string ShiftText(std::string_view codePageBytes) {
    return MoveBytes(codePageBytes, kShiftOffset);
}

std::string UnshiftText(std::string_view codePageBytes) {
    return MoveBytes(codePageBytes, -kShiftOffset);
}

std::string EncodeReadingFile(const BirthDetails& birth) {
    std::string file;
    for (const ReadingFileLine& line : kReadingFileLines) {
        file += ShiftText(Utf8ToCodePage(TrimBlanks(line.write(birth))));
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
        if (!LineIsTakeable(kReadingFileLines[i].kind, lines[i])) return std::nullopt;
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
    for (std::size_t i = 0; i < kReadingFileLines.size(); ++i)
        kReadingFileLines[i].apply(lines[i], form);
    return form;
}

bool HasReadingFileExtension(std::string_view path) {
    constexpr std::string_view kExtension = "orb";
    return path.size() >= kExtension.size() && path.ends_with(kExtension);
}

}  // namespace orbalis
