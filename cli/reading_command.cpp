#include "cli/reading_command.h"

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

ReadingOutcome Render(const BirthDetails& birth, ReadingFormat format) {
    auto reading = std::make_unique<FullReading>();
    ComputeFullReading(birth, *reading);
    ReadingOutcome outcome;
    outcome.output = format == ReadingFormat::Json ? ReadingJsonText(*reading)
                                                   : TextExport(reading->birth, reading->chart);
    return outcome;
}

}  // namespace

ReadingOutcome ReadingFromTexts(const BirthTexts& texts, ReadingFormat format) {
    BirthEntries entries = EntriesFromTexts(texts);
    if (entries.problem) return Refused(std::move(*entries.problem));
    return Render(BirthDetailsFromForm(entries.entries), format);
}

ReadingOutcome ReadingFromFile(const std::string& path, ReadingFormat format) {
    ReadingFileBirth file = LoadReadingFileBirth(path);
    if (!file.birth) {
        // The window's message first, then for a refused file the reason.
        if (!file.reason.empty()) file.message += "\n" + file.reason;
        return Refused(std::move(file.message));
    }
    return Render(*file.birth, format);
}

}  // namespace orbalis::cli
