#pragma once

#include <string>

#include "model/birth_details.h"
#include "model/chart_reading.h"

namespace orbalis {

// The text export of a reading: 41 lines for people to read, in the
// Windows-1252 code page, each ended with CR LF. The three separator lines
// hold a lone CR, so their bytes are CR CR LF.
std::string TextExport(const BirthDetails& birth, const ChartReading& reading);

}  // namespace orbalis
