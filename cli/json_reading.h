#pragma once

#include <string>

#include <nlohmann/json.hpp>

#include "cli/reading_result.h"

namespace orbalis::cli {

// A reading as JSON. The keys are the field names of the records and keep
// their order; the README lists them:
//   "positions"   "classic" or "precise", how the bodies were placed,
//   "birth"       every field of the birth details,
//   "reading"     every field of the computed record (body tables as arrays
//                 of eleven, Sun to Midheaven),
//   "kujaDosha"   {"fromLagna", "fromMoon"}, each {"position", "percentage",
//                 "verdict", "marsHouse", "percentageText", "manglik"},
//   "chartBoxes"  twelve {"sign", "lines"}, Aries to Pisces,
//   "retrograde"  {"Mercury", "Venus", "Mars", "Jupiter", "Saturn"} flags.
nlohmann::ordered_json ReadingJson(const FullReading& reading);

// The JSON text, indented by two, ending in a line feed. Bytes that are not
// UTF-8 are replaced, never thrown over.
std::string ReadingJsonText(const FullReading& reading);

// Any JSON as the companion prints it: indented by two, ending in a line feed,
// bytes that are not UTF-8 replaced.
std::string JsonText(const nlohmann::ordered_json& json);

}  // namespace orbalis::cli
