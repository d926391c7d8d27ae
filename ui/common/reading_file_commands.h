#pragma once

#include <QString>
#include <optional>

#include "model/birth_details.h"
#include "reading/reading_file.h"

class QWidget;

namespace orbalis {

class Dialogs;

// "Save &As" and the toolbar's "Save": asks for a reading file and writes the
// birth details of the reading on screen. The chosen name becomes
// lastFileName; a cancel changes nothing.
void SaveReadingFile(Dialogs& dialogs, QWidget* parent, const BirthDetails& birth,
                     QString& lastFileName);

// The open dialog of "&Open Previously Saved Reading": the chosen path, or
// nothing when the user cancels.
std::optional<QString> ChooseReadingFileToOpen(Dialogs& dialogs, QWidget* parent);

// "&Open Previously Saved Reading": asks for a reading file and returns its
// checked lines (ReadReadingFileAt), or nothing when the user cancels or the
// file is refused.
std::optional<ReadingFileLines> OpenReadingFile(Dialogs& dialogs, QWidget* parent);

// The checked lines of the reading file at path (LoadReadingFile), without
// touching any form; a refused file shows "Please Check The File." with the
// error icon and gives nothing.
std::optional<ReadingFileLines> ReadReadingFileAt(Dialogs& dialogs, QWidget* parent,
                                                  const QString& path);

// The same check without a message: the lines, or nothing for a refused file.
std::optional<ReadingFileLines> ReadingFileLinesAt(const QString& path);

}  // namespace orbalis
