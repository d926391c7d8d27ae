#pragma once

#include <string>

#include "model/birth_details.h"
#include "model/catalogue.h"
#include "model/chart_reading.h"

namespace orbalis {

// The text export of a reading: 41 lines for people to read, in the
// Windows-1252 code page, each ended with CR LF. The three separator lines
// hold a lone CR, so their bytes are CR CR LF.
std::string TextExport(const BirthDetails& birth, const ChartReading& reading);

// The same lines in the language of `words`, in UTF-8: the code page holds
// no Devanagari or Tamil letters.
std::string TextExportUtf8(const BirthDetails& birth, const ChartReading& reading,
                           const Catalogue& words);

}  // namespace orbalis
