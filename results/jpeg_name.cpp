#include "results/jpeg_name.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace orbalis {
namespace {

constexpr std::string_view kJpegExtension = ".jpg";

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
    std::size_t pos = 0;
    while ((pos = text.find(from, pos)) != std::string::npos) {
        text.replace(pos, from.size(), to);
        pos += to.size();
    }
    return text;
}

std::string FolderWithSeparator(std::string_view folder) {
    std::string withSeparator(folder);
    if (withSeparator.empty() || withSeparator.back() != kPathSeparator)
        withSeparator += kPathSeparator;
    const char doubled[] = {kPathSeparator, kPathSeparator, '\0'};
    const char single[] = {kPathSeparator, '\0'};
    return ReplaceAll(std::move(withSeparator), doubled, single);
}

std::string CopyName(std::string_view file, int copy) {
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, "_%03d.", copy);
    return ReplaceAll(std::string(file), ".", suffix);
}

}  // namespace

PathParts SplitPath(std::string_view path) {
    const std::size_t last = path.rfind(kPathSeparator);
    if (last == std::string_view::npos) return {{}, std::string(path)};
    return {std::string(path.substr(0, last)), std::string(path.substr(last + 1))};
}

std::string JpegBasePath(std::string_view path) {
    const std::size_t fileStart = path.rfind(kPathSeparator);
    const std::size_t dot = path.find('.', fileStart == std::string_view::npos ? 0 : fileStart + 1);
    std::string base(path.substr(0, dot));
    base += kJpegExtension;
    return base;
}

ClockReading LocalClockNow() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    const auto sinceEpoch = now.time_since_epoch();
    const auto milliseconds =
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count() % 1000;
    return {local.tm_year + 1900,
            local.tm_mon + 1,
            local.tm_mday,
            local.tm_hour,
            local.tm_min,
            local.tm_sec,
            static_cast<int>(milliseconds < 0 ? milliseconds + 1000 : milliseconds)};
}

std::string TimestampText(bool dateOnly, const ClockReading& clock) {
    char text[32];
    if (dateOnly) {
        std::snprintf(text, sizeof text, "%04d%02d%02d", clock.year, clock.month, clock.day);
    } else {
        std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d%03d", clock.year, clock.month,
                      clock.day, clock.hour, clock.minute, clock.second, clock.millisecond);
    }
    return text;
}

std::string JpegFileName(std::string_view file, std::string_view timestampText) {
    if (file.empty()) return std::string(timestampText) + std::string(kJpegExtension);
    if (file.find('.') != std::string_view::npos)
        return ReplaceAll(std::string(file), ".bmp", kJpegExtension);
    return std::string(file) + std::string(kJpegExtension);
}

std::optional<std::string> UniqueJpegPath(std::string_view folder, std::string_view file,
                                          const FileExistsFunction& fileExists,
                                          std::string_view programFolder,
                                          std::string_view timestampText) {
    const std::string folderPart = FolderWithSeparator(folder.empty() ? programFolder : folder);
    const std::string name = JpegFileName(file, timestampText);
    if (const std::string path = folderPart + name; !fileExists(path)) return path;
    for (int copy = 1; copy <= kMostJpegCopies; ++copy) {
        if (const std::string path = folderPart + CopyName(name, copy); !fileExists(path))
            return path;
    }
    return std::nullopt;
}

std::string TooManyCopiesText(std::string_view jpegFileName) {
    return "There are too many Copies of this file  " + std::string(jpegFileName);
}

std::string TooManyCopiesTitle(std::string_view jpegFileName) {
    return " UNABLE  TO  CREATE  NEW  FILE" + std::string(jpegFileName);
}

}  // namespace orbalis
