#pragma once

#include <array>
#include <cstdio>
#include <string_view>

#include "cli/batch.h"

namespace orbalis::cli {

// `orbalis-cli match-batch`: one marriage match a row. A row holds the
// groom's birth in the batch's columns named with "groom_" before them
// ("groom_name", "groom_date" … or "groom_place") and the bride's with
// "bride_"; other columns are the row's own and are copied.
inline constexpr std::string_view kGroomPrefix = "groom_";
inline constexpr std::string_view kBridePrefix = "bride_";

// The columns added after each row's own, in this order: both Moons, the
// eight koota scores, the total and its band, the count of poruthams that
// agree and the keys of those that fail (separated by blanks), the Manglik
// balance by the two-person rule ("balanced" for both Manglik, neither or
// balanced by the partner's Saturn; "not balanced: groom" or "not balanced:
// bride" naming the one who is Manglik), and why the row was refused.
inline constexpr std::array<std::string_view, 21> kMatchBatchOutputColumns = {"groom_moon_sign",
                                                                              "groom_nakshatra",
                                                                              "groom_pada",
                                                                              "bride_moon_sign",
                                                                              "bride_nakshatra",
                                                                              "bride_pada",
                                                                              "varna",
                                                                              "vashya",
                                                                              "tara",
                                                                              "yoni",
                                                                              "graha_maitri",
                                                                              "gana",
                                                                              "bhakoot",
                                                                              "nadi",
                                                                              "total",
                                                                              "band",
                                                                              "poruthams",
                                                                              "failed_poruthams",
                                                                              "manglik_balance",
                                                                              "status",
                                                                              "error"};

// Reads couples as CSV from `in` and writes one output row per data row to
// `out`, as RunBatch does for births.
BatchSummary RunMatchBatch(std::FILE* in, std::FILE* out, const BatchOptions& options = {});

}  // namespace orbalis::cli
