#pragma once

#include <string>

namespace orbalis::cli {

// The time zone table, one row a line: the row number to give as --zone,
// two blanks, and the row's text as the zone list shows it.
std::string ZoneListing();

}  // namespace orbalis::cli
