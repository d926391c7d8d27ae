#pragma once

#include <string>

namespace orbalis {

// True when `path` names an existing file that the user has marked
// read-only (no write permission for anyone). Saves leave such a file as it
// is: the rename that replaces a file would otherwise go through, for the
// superuser even more so.
bool IsMarkedReadOnly(const std::string& path);

}  // namespace orbalis
