#include "cli/reading_command.h"

#include <memory>

#include "reading/far_zone.h"
#include "reading/reading_file.h"
#include "reading/text_export.h"
#include "cli/json_reading.h"
#include "cli/place_birth.h"
#include "cli/reading_result.h"
#include "cli/reading_summary.h"
#include "places/place_search.h"
#include "model/utc_offset.h"

namespace orbalis::cli {
namespace {

ReadingOutcome Refused(std::string message) {
    ReadingOutcome outcome;
    outcome.exitStatus = kReadingRefused;
    outcome.error = std::move(message);
    return outcome;
}

ReadingOutcome Render(const BirthDetails& birth, ReadingFormat format, PositionsMode mode,
                      const PlaceFill* fill = nullptr) {
    auto reading = std::make_unique<FullReading>();
    std::string refusal;
    if (!ComputeFullReading(birth, mode, *reading, refusal)) return Refused(std::move(refusal));
    ReadingOutcome outcome;
    outcome.error = FarZoneWarning(birth);
    if (format == ReadingFormat::Text) {
        outcome.output = TextExport(reading->birth, reading->chart);
    } else if (format == ReadingFormat::Summary) {
        outcome.output = ReadingSummary(*reading);
    } else if (!fill) {
        outcome.output = ReadingJsonText(*reading);
    } else {
        nlohmann::ordered_json json = ReadingJson(*reading);
        json["utc_offset"] = UtcOffsetText(60 * BirthUtcOffsetMinutes(reading->birth));
        json["place"] = PlaceLabel(*fill->place);
        json["place_zone"] = fill->place->zone;
        outcome.output = JsonText(json);
    }
    return outcome;
}

}  // namespace

ReadingOutcome ReadingFromTexts(const BirthTexts& texts, ReadingFormat format,
                                PositionsMode mode) {
    BirthEntries entries = EntriesFromTexts(texts);
    if (entries.problem) return Refused(std::move(*entries.problem));
    return Render(BirthDetailsFromForm(entries.entries), format, mode);
}

ReadingOutcome ReadingAtPlace(std::string_view place, const BirthTexts& texts,
                              ReadingFormat format, PositionsMode mode) {
    const PlaceFill fill = FillFromPlace(place, texts, CandidateLayout::Lines);
    if (!fill.problem.empty()) return Refused(fill.problem);
    BirthEntries entries = EntriesFromTexts(WithPlace(texts, fill));
    if (entries.problem) return Refused(std::move(*entries.problem));
    ReadingOutcome outcome = Render(BirthDetailsFromForm(entries.entries), format, mode, &fill);
    if (!fill.note.empty())
        outcome.error = outcome.error.empty() ? fill.note : fill.note + "\n" + outcome.error;
    return outcome;
}

ReadingOutcome RefusedReadingFile(ReadingFileBirth file) {
    // The window's message first, then for a refused file the reason.
    if (!file.reason.empty()) file.message += "\n" + file.reason;
    return Refused(std::move(file.message));
}

ReadingOutcome ReadingFromFile(const std::string& path, ReadingFormat format,
                               PositionsMode mode) {
    ReadingFileBirth file = LoadReadingFileBirth(path);
    if (!file.birth) return RefusedReadingFile(std::move(file));
    return Render(*file.birth, format, mode);
}

}  // namespace orbalis::cli
