#include "dasha/dasha_texts.h"

namespace orbalis::dasha {

std::string RunningLordsText(const BirthBalance& balance, const RunningPeriods& running,
                             int levels) {
    std::string text;
    for (int level = 0; level < levels; ++level) {
        const int index = running.index[static_cast<std::size_t>(level)];
        if (index == kNoPeriod) break;
        if (level > 0) text += '/';
        text += LordName(PeriodLord(balance, level, index));
    }
    return text;
}

std::string_view DatesAccuracyText(PositionsMode mode) {
    // A minute of arc of Moon moves the dates by up to nine days; the
    // classic lunar series is within two of the ephemeris.
    return mode == PositionsMode::Classic
               ? "Dates good to about three weeks with classic positions (a day or two with "
                 "precise ones)"
               : "Dates good to a day or two";
}

}  // namespace orbalis::dasha
