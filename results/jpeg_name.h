#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orbalis {

inline constexpr char kPathSeparator = '/';
inline constexpr int kMostJpegCopies = 999;

// A path split at its last separator; the folder has no trailing separator
// and is empty when the path has none.
struct PathParts {
    std::string folder;
    std::string file;
};
PathParts SplitPath(std::string_view path);

// The path of the picture for a chosen name: the path up to the first "." of
// its file part, followed by ".jpg". Dots in the folder are kept.
std::string JpegBasePath(std::string_view path);

// A reading of the local clock.
struct ClockReading {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};
ClockReading LocalClockNow();

// "yyyyMMddhhmmsszzz" of the clock, or only "yyyyMMdd" when dateOnly.
std::string TimestampText(bool dateOnly, const ClockReading& clock);

// The picture's file name: the timestamp and ".jpg" for an empty name, ".bmp"
// replaced by ".jpg" in a name with a ".", else the name followed by ".jpg".
std::string JpegFileName(std::string_view file, std::string_view timestampText);

using FileExistsFunction = std::function<bool(const std::string&)>;

// The first path of the picture that names no existing file: the folder (the
// program's folder when empty) and JpegFileName(file), else that name with
// "_001" to "_999" before each of its dots. Nothing when all are taken.
std::optional<std::string> UniqueJpegPath(std::string_view folder, std::string_view file,
                                          const FileExistsFunction& fileExists,
                                          std::string_view programFolder,
                                          std::string_view timestampText);

// The box shown when UniqueJpegPath finds no free name for the file name
// `jpegFileName`.
std::string TooManyCopiesText(std::string_view jpegFileName);
std::string TooManyCopiesTitle(std::string_view jpegFileName);

}  // namespace orbalis
