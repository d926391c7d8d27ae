#pragma once

#include <QString>
#include <optional>

#include "app/birth_details.h"
#include "app/reading_file.h"

class QWidget;

namespace orbalis {

class Dialogs;

// "Save &As" and the toolbar's "Save": asks for a reading file and writes the
// birth details of the reading on screen. The chosen name becomes
// lastFileName; a cancel changes nothing.
void SaveReadingFile(Dialogs& dialogs, QWidget* parent, const BirthDetails& birth,
                     QString& lastFileName);

// "&Open Previously Saved Reading": asks for a reading file and returns its
// lines, or nothing when the user cancels or the name does not end in "orb"
// (then "Please Check The File." is shown). A file that cannot be read gives
// empty lines, which the form's rules then report.
std::optional<ReadingFileLines> OpenReadingFile(Dialogs& dialogs, QWidget* parent);

}  // namespace orbalis
