#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "cli/reading_result.h"
#include "dosha/classical_kuja_dosha.h"
#include "dosha/manglik_status.h"
#include "reading/firmness.h"

namespace orbalis::cli {

// A reading as JSON. The keys are the field names of the records and keep
// their order; the README lists them:
//   "positions"   "classic" or "precise", how the bodies were placed,
//   "ephemeris"   "Swiss Ephemeris, built-in" where precise positions came
//                 from the library's built-in ephemeris (no files found);
//                 absent otherwise,
//   "birth"       every field of the birth details,
//   "reading"     every field of the computed record (body tables as arrays
//                 of eleven, Sun to Midheaven),
//   "kujaDosha"   {"fromLagna", "fromMoon"}, each {"position", "percentage",
//                 "verdict", "marsHouse", "percentageText", "manglik"},
//   "manglik"     the one Manglik status (ManglikJson),
//   "chartBoxes"  twelve {"sign", "lines"}, Aries to Pisces,
//   "retrograde"  {"Mercury", "Venus", "Mars", "Jupiter", "Saturn"} flags,
//   "moonPada"    the Moon's own quarter, 1 to 4, of its nakshatra,
//   "kujaDoshaDetails"  the classical house rule (KujaDoshaDetailsJson),
//   "divisionalCharts"  DivisionalChartsJson,
//   "firmness"    how firm the answers are (FirmnessJson),
//   "dasha"       the Vimshottari dasha to the antardashas (DashaJson).
nlohmann::ordered_json ReadingJson(const FullReading& reading);

// The six divisional charts: {"D2", "D3", "D7", "D9", "D10", "D12"}, each
// {"Ascendant", "Sun", ... "Ketu"} with the sign abbreviation ("Ari" ...
// "Pis") of each.
nlohmann::ordered_json DivisionalChartsJson(const ChartReading& reading);

// For each answer of Firmness, by its key ("lagnaSign" ...), {"from", "to"}:
// the first and last minute of its run on the birth's clock,
// "YYYY-MM-DD HH:MM", or null where the run reaches three hours.
nlohmann::ordered_json FirmnessJson(const Firmness& firmness);

// The classical house rule of a reading: {"rule", "marsSign", "fromLagna",
// "fromMoon", "fromVenus"}, each reference {"referenceSign", "marsHouse",
// "doshaHouse", "status" ("none", "dosha", "cancelled"), "verdict",
// "cancelledBy": [{"rule", "explanation"}] for the rules that hold}.
nlohmann::ordered_json KujaDoshaDetailsJson(const ClassicalKujaDosha& analysis);

// The Manglik status: {"status" ("high", "low", "cancelled", "none"),
// "level" (the level the standing doshas give before softening, "high" or
// "low"; null when none stands), "title", "line" (ManglikStatusLine),
// "loweredBy" (the softenings that lowered high to low, by key),
// "fromLagna", "fromMoon", "fromVenus" (each {"house", "dosha" ("none",
// "dosha", "cancelled"), "cancelledBy": the names of the rules that hold}),
// "notes"}.
nlohmann::ordered_json ManglikJson(const ManglikAssessment& assessment);

// The JSON text, indented by two, ending in a line feed. Bytes that are not
// UTF-8 are replaced, never thrown over.
std::string ReadingJsonText(const FullReading& reading);

// Any JSON as the companion prints it: indented by two, ending in a line feed,
// bytes that are not UTF-8 replaced.
std::string JsonText(const nlohmann::ordered_json& json);

}  // namespace orbalis::cli
