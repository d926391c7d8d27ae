#include "cli/zones.h"

#include "model/reference_tables.h"

namespace orbalis::cli {

std::string ZoneListing() {
    std::string listing;
    for (int row = 0; row < kTimeZoneCount; ++row) {
        if (row < 10) listing += ' ';
        listing += std::to_string(row);
        listing += "  ";
        listing += TimeZoneTable[static_cast<std::size_t>(row)].text;
        listing += '\n';
    }
    return listing;
}

}  // namespace orbalis::cli
