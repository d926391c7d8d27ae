#pragma once

#include "model/positions_mode.h"

namespace orbalis {

// The positions mode chosen in the results window, kept in the user's
// settings between runs; classic until the user chooses otherwise.
PositionsMode LoadPositionsMode();
void SavePositionsMode(PositionsMode mode);

}  // namespace orbalis
