#pragma once

#include <string>

#include "cli/reading_command.h"
#include "matching/ashtakoota.h"
#include "model/catalogue.h"
#include "model/positions_mode.h"

namespace orbalis::cli {

// `orbalis-cli match GROOM.orb BRIDE.orb`: the marriage match of two reading
// files, the first the groom's: both Moons, the Ashtakoota, the doshas and
// their exceptions, the ten poruthams, both readings' classical Kuja dosha per
// reference and the Manglik balance, as text or JSON. A file the window would
// refuse ends the command with its message and exit status 2. The text is in
// the language of `words`, the JSON in English.
ReadingOutcome MatchFromFiles(const std::string& groomPath, const std::string& bridePath,
                              ReadingFormat format, PositionsMode mode = PositionsMode::Classic,
                              matching::VashyaPoints table = matching::VashyaPoints::Symmetric,
                              const Catalogue& words = English());

}  // namespace orbalis::cli
