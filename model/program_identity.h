#pragma once

#include <string_view>

#include "model/version.h"

namespace orbalis {

// Caption of every window.
inline constexpr std::string_view kWindowCaption = "Orbalis v" ORBALIS_VERSION;
// Caption of every message box.
inline constexpr std::string_view kProgramTitle = "Orbalis";
inline constexpr std::string_view kProductName = "Orbalis";
inline constexpr std::string_view kVersionText = ORBALIS_VERSION;

// Web addresses the program opens, all in one place.
inline constexpr std::string_view kSiteAddress = "https://www.orbalis.org/";
inline constexpr std::string_view kOnlineHelpAddress = "https://www.orbalis.org/help/";
inline constexpr std::string_view kDownloadAddress = "https://www.orbalis.org/download/";
// Place search: the query text is appended, percent-encoded.
inline constexpr std::string_view kPlaceSearchAddress =
    "https://www.openstreetmap.org/search?query=";

}  // namespace orbalis
