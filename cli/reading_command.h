#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "cli/birth_arguments.h"
#include "model/catalogue.h"
#include "model/positions_mode.h"
#include "reading/reading_file.h"

namespace orbalis::cli {

// Text: the text export's bytes; Json; Summary: a few lines for a terminal.
enum class ReadingFormat { Text, Json, Summary };

// What the reading command prints: `output` to standard output, `error` to
// standard error, and the exit status (0, or 2 when the input is refused).
// A zone row far from the longitude's solar time is warned of in `error`,
// and the reading is given all the same.
struct ReadingOutcome {
    int exitStatus = 0;
    std::string output;
    std::string error;
};

inline constexpr int kReadingRefused = 2;

struct FullReading;
struct PlaceFill;

// What a command prints of a computed reading; `fill` is the town that
// completed the birth, or null.
using ReadingWriter = std::function<std::string(const FullReading& reading, const PlaceFill* fill)>;

// The writer of the reading command's formats; the text and the summary in
// the language of `words` (the text in UTF-8 unless it is English), JSON in
// English always.
ReadingWriter ReadingWriterOf(ReadingFormat format, const Catalogue& words = English());

// A reading of the birth given on the command line.
ReadingOutcome ReadingFromTexts(const BirthTexts& texts, ReadingFormat format,
                                PositionsMode mode = PositionsMode::Classic);

// A reading of the birth at a typed place ("Jalandhar, Punjab, India", or the
// beginning of one town's name): the place fills every text left empty, the
// zone row and daylight saving from its clock at that date and time. An
// unknown or ambiguous place is refused with its candidates. JSON adds the
// UTC offset used, the place and its zone name.
ReadingOutcome ReadingAtPlace(std::string_view place, const BirthTexts& texts, ReadingFormat format,
                              PositionsMode mode = PositionsMode::Classic);

// A reading of the birth held in a reading file, as the window opens it: the
// file's values go onto a fresh form, and the form's rules apply. A file the
// window refuses gives its "Please Check The File." and, on the next line,
// the path and why.
ReadingOutcome ReadingFromFile(const std::string& path, ReadingFormat format,
                               PositionsMode mode = PositionsMode::Classic);

// The same for any writer.
ReadingOutcome ReadingFromTexts(const BirthTexts& texts, PositionsMode mode,
                                const ReadingWriter& writer);
ReadingOutcome ReadingAtPlace(std::string_view place, const BirthTexts& texts, PositionsMode mode,
                              const ReadingWriter& writer);
ReadingOutcome ReadingFromFile(const std::string& path, PositionsMode mode,
                               const ReadingWriter& writer);

// The refusal of a reading file the window would not open: its message and,
// for a file refused as a whole, the path and why on the next line.
ReadingOutcome RefusedReadingFile(ReadingFileBirth file);

}  // namespace orbalis::cli
