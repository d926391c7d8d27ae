#pragma once

#include "model/birth_details.h"
#include "model/chart_reading.h"

class QWidget;

namespace orbalis {

class Dialogs;
class frmManglikMatch;

// "&Match With a Saved Reading…": asks for a reading file with the checks and
// messages of "&Open Previously Saved Reading" (the file's name, then the
// form's rules on its values), computes the saved reading and shows the match
// of the reading on screen with it. Returns the match window, or nothing when
// the user cancels or the file is refused; the reading on screen is never
// changed.
frmManglikMatch* MatchWithSavedReading(Dialogs& dialogs, QWidget* parent, const BirthDetails& birth,
                                       const ChartReading& reading);

}  // namespace orbalis
