#pragma once

#include <optional>
#include <string>

#include "matching/ashtakoota.h"

namespace orbalis::cli {

// `orbalis-cli guna-table`: the Ashtakoota and the poruthams of groom–bride
// pairs of nakshatra (1..27) and pada (1..4), as CSV. Without a filter every
// one of the 11,664 pairs, in order of the groom's star and pada, then the
// bride's; with one, the pairs it lets through, highest total first.
struct GunaTableFilter {
    std::optional<int> groomNakshatra, groomPada, brideNakshatra, bridePada;
    bool any() const { return groomNakshatra || groomPada || brideNakshatra || bridePada; }
};

// The header row and the columns of each pair.
inline constexpr std::string_view kGunaTableHeader =
    "boy_nak,boy_pada,girl_nak,girl_pada,varna,vashya,tara,yoni,graha_maitri,gana,bhakoot,nadi,"
    "total,p_dina,p_gana,p_mahendra,p_stree_deergha,p_yoni,p_rasi,p_rasyadhipati,p_vasya,"
    "p_rajju,p_vedha";

// The whole table as text, rows ending in CR LF.
std::string GunaTable(const GunaTableFilter& filter,
                      matching::VashyaPoints table = matching::VashyaPoints::Symmetric);

}  // namespace orbalis::cli
