#pragma once

#include <string>

#include "cli/reading_result.h"
#include "model/catalogue.h"

namespace orbalis::cli {

// A reading in a few lines for a person at a terminal, UTF-8: the name, the
// birth with its UTC offset, the far-zone warning if any, the Lagna, the
// Moon sign, the nakshatra with the Moon's own pada, the Manglik status with
// its notes, the results form's two verdicts, the classical rows and their
// closing line, and a line for each answer that changes within 15 minutes of
// the given time.
std::string ReadingSummary(const FullReading& reading, const Catalogue& words = English());

// "Born:      15 August 1985, 10:30 (UTC+05:30), New Delhi, Delhi, India,
// 28° 39′ N, 77° 13′ E".
std::string BirthLine(const BirthDetails& birth, const Catalogue& words = English());

}  // namespace orbalis::cli
