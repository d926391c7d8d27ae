#include "cli/reading_command.h"

#include <memory>

#include "cli/json_reading.h"
#include "cli/place_birth.h"
#include "cli/reading_result.h"
#include "cli/reading_summary.h"
#include "model/utc_offset.h"
#include "places/place_search.h"
#include "reading/far_zone.h"
#include "reading/reading_file.h"
#include "reading/text_export.h"

namespace orbalis::cli {
namespace {

ReadingOutcome Refused(std::string message) {
    ReadingOutcome outcome;
    outcome.exitStatus = kReadingRefused;
    outcome.error = std::move(message);
    return outcome;
}

ReadingOutcome Render(const BirthDetails& birth, PositionsMode mode, const ReadingWriter& writer,
                      const PlaceFill* fill = nullptr) {
    auto reading = std::make_unique<FullReading>();
    std::string refusal;
    if (!ComputeFullReading(birth, mode, *reading, refusal)) return Refused(std::move(refusal));
    ReadingOutcome outcome;
    outcome.error = FarZoneWarning(birth);
    outcome.output = writer(*reading, fill);
    return outcome;
}

}  // namespace

ReadingWriter ReadingWriterOf(ReadingFormat format, const Catalogue& words) {
    // The writer keeps its own copy: a catalogue shares its texts, so this is cheap.
    return [format, words](const FullReading& reading, const PlaceFill* fill) -> std::string {
        if (format == ReadingFormat::Text)
            return words.isEnglish() ? TextExport(reading.birth, reading.chart)
                                     : TextExportUtf8(reading.birth, reading.chart, words);
        if (format == ReadingFormat::Summary) return ReadingSummary(reading, words);
        if (!fill) return ReadingJsonText(reading);
        nlohmann::ordered_json json = ReadingJson(reading);
        json["utc_offset"] = UtcOffsetText(60 * BirthUtcOffsetMinutes(reading.birth));
        json["place"] = PlaceLabel(*fill->place);
        json["place_zone"] = fill->place->zone;
        return JsonText(json);
    };
}

ReadingOutcome ReadingFromTexts(const BirthTexts& texts, PositionsMode mode,
                                const ReadingWriter& writer) {
    BirthEntries entries = EntriesFromTexts(texts);
    if (entries.problem) return Refused(std::move(*entries.problem));
    return Render(BirthDetailsFromForm(entries.entries), mode, writer);
}

ReadingOutcome ReadingFromTexts(const BirthTexts& texts, ReadingFormat format, PositionsMode mode) {
    return ReadingFromTexts(texts, mode, ReadingWriterOf(format, English()));
}

ReadingOutcome ReadingAtPlace(std::string_view place, const BirthTexts& texts, PositionsMode mode,
                              const ReadingWriter& writer) {
    const PlaceFill fill = FillFromPlace(place, texts, CandidateLayout::Lines);
    if (!fill.problem.empty()) return Refused(fill.problem);
    BirthEntries entries = EntriesFromTexts(WithPlace(texts, fill));
    if (entries.problem) return Refused(std::move(*entries.problem));
    ReadingOutcome outcome = Render(BirthDetailsFromForm(entries.entries), mode, writer, &fill);
    if (!fill.note.empty())
        outcome.error = outcome.error.empty() ? fill.note : fill.note + "\n" + outcome.error;
    return outcome;
}

ReadingOutcome ReadingAtPlace(std::string_view place, const BirthTexts& texts, ReadingFormat format,
                              PositionsMode mode) {
    return ReadingAtPlace(place, texts, mode, ReadingWriterOf(format, English()));
}

ReadingOutcome RefusedReadingFile(ReadingFileBirth file) {
    // The window's message first, then for a refused file the reason.
    if (!file.reason.empty()) file.message += "\n" + file.reason;
    return Refused(std::move(file.message));
}

ReadingOutcome ReadingFromFile(const std::string& path, PositionsMode mode,
                               const ReadingWriter& writer) {
    ReadingFileBirth file = LoadReadingFileBirth(path);
    if (!file.birth) return RefusedReadingFile(std::move(file));
    return Render(*file.birth, mode, writer);
}

ReadingOutcome ReadingFromFile(const std::string& path, ReadingFormat format, PositionsMode mode) {
    return ReadingFromFile(path, mode, ReadingWriterOf(format, English()));
}

}  // namespace orbalis::cli
