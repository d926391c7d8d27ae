#include "cli/reading_command.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "app/reading_file.h"
#include "app/text_export.h"
#include "cli/json_reading.h"
#include "cli/reading_result.h"

namespace orbalis::cli {
namespace {

ReadingOutcome Refused(std::string message) {
    ReadingOutcome outcome;
    outcome.exitStatus = kReadingRefused;
    outcome.error = std::move(message);
    return outcome;
}

ReadingOutcome Render(const FormEntries& entries, ReadingFormat format) {
    auto reading = std::make_unique<FullReading>();
    ComputeFullReading(BirthDetailsFromForm(entries), *reading);
    ReadingOutcome outcome;
    outcome.output = format == ReadingFormat::Json ? ReadingJsonText(*reading)
                                                   : TextExport(reading->birth, reading->chart);
    return outcome;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

ReadingOutcome ReadingFromTexts(const BirthTexts& texts, ReadingFormat format) {
    BirthEntries entries = EntriesFromTexts(texts);
    if (entries.problem) return Refused(std::move(*entries.problem));
    return Render(entries.entries, format);
}

ReadingOutcome ReadingFromFile(const std::string& path, ReadingFormat format) {
    if (!HasReadingFileExtension(path)) return Refused("Please Check The File.");
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return Refused(path + ": " + std::strerror(errno));

    // A reading file is a few hundred bytes; the limit keeps a wrong file
    // (a disk image, a device) from filling memory.
    std::string bytes(kReadingFileByteLimit, '\0');
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
    if (std::ferror(file.get())) return Refused(path + ": the file cannot be read");

    FormEntries entries = ApplyReadingFile(DecodeReadingFile(bytes), FormEntries{});
    entries.imageWriterAvailable = true;
    if (auto problem = FirstInputProblem(entries)) return Refused(std::move(problem->message));
    return Render(entries, format);
}

}  // namespace orbalis::cli
