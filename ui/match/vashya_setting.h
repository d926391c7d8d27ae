#pragma once

#include "matching/ashtakoota.h"

namespace orbalis {

// The vashya points table the match window uses, kept in the settings between
// runs as the positions mode is; the symmetric table until one is chosen.
matching::VashyaPoints LoadVashyaPoints();
void SaveVashyaPoints(matching::VashyaPoints table);

}  // namespace orbalis
