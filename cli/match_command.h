#pragma once

#include <string>

#include "cli/reading_command.h"

namespace orbalis::cli {

// `orbalis-cli match A.orb B.orb`: both readings' classical Kuja dosha per
// reference and the conclusion of the match, as text or JSON. A file the
// window would refuse ends the command with its message and exit status 2.
ReadingOutcome MatchFromFiles(const std::string& firstPath, const std::string& secondPath,
                              ReadingFormat format);

}  // namespace orbalis::cli
