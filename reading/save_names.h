#pragma once

#include <string>
#include <string_view>

namespace orbalis {

// The reading file and the text export share the name last chosen in either
// save dialog (lastFileName); each keeps to its own extension, so that one
// never replaces a file of the other. Each rule serves both for the name a
// dialog offers and for the name a command writes under. An empty name stays
// empty.

// A reading file's name: ".txt" becomes ".orb", and any other name without
// ".orb" at its end gets it, since opening takes only such names.
std::string ReadingFileName(std::string_view name);

// A text export's name: ".orb" becomes ".txt".
std::string TextExportName(std::string_view name);

// The name a save dialog offers before any file name is known: the person's
// name without blanks at either end (names hold only letters and blanks).
std::string SuggestedSaveName(std::string_view personName);

}  // namespace orbalis
