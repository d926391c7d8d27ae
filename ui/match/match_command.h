#pragma once

#include "model/birth_details.h"
#include "model/chart_reading.h"
#include "model/positions_mode.h"

class QWidget;

namespace orbalis {

class Dialogs;
class MatchWindow;

// "&Match With a Saved Reading…": asks for a reading file with the checks and
// messages of "&Open Previously Saved Reading" (the file's name, then the
// form's rules on its values), computes the saved reading with the positions
// of `mode`, asks whether the person on screen is the bride, and shows the
// marriage match of the two. Returns the match window, or nothing when the
// user cancels or the file is refused; the reading on screen is never
// changed.
MatchWindow* MatchWithSavedReading(Dialogs& dialogs, QWidget* parent, const BirthDetails& birth,
                                   const ChartReading& reading,
                                   PositionsMode mode = PositionsMode::Classic);

}  // namespace orbalis
