#include "dasha/dasha_texts.h"

#include <utility>

namespace orbalis::dasha {

std::array<std::string_view, kLevelCount> PeriodLords(const BirthBalance& balance, int level,
                                                      int index) {
    std::array<std::string_view, kLevelCount> lords{};
    for (; level >= 0; --level, index /= kLordCount)
        lords[static_cast<std::size_t>(level)] = LordName(PeriodLord(balance, level, index));
    return lords;
}

std::string PeriodLordsText(const BirthBalance& balance, int level, int index,
                            const Catalogue& words) {
    std::string text;
    for (const std::string_view lord : PeriodLords(balance, level, index)) {
        if (lord.empty()) break;
        if (!text.empty()) text += '/';
        text += Tr(words, lord);
    }
    return text;
}

std::string PeriodMarksText(const Vimshottari& dasha, int level, int index,
                            const RunningPeriods& today, const Catalogue& words) {
    const auto at = static_cast<std::size_t>(level);
    const Period& period = PeriodsOfLevel(dasha, level)[static_cast<std::size_t>(index)];
    std::string marks;
    for (const auto& [holds, mark] : {std::pair{today.index[at] == index, kRunningTodayMark},
                                      std::pair{dasha.atBirth.index[at] == index, kAtBirthMark},
                                      std::pair{period.beforeBirth, kBeforeBirthMark},
                                      std::pair{period.kujaPeriod, kKujaPeriodMark}}) {
        if (!holds) continue;
        if (!marks.empty()) marks += ", ";
        marks += Tr(words, mark);
    }
    return marks;
}

std::string RunningLordsText(const BirthBalance& balance, const RunningPeriods& running, int levels,
                             const Catalogue& words) {
    std::string text;
    for (int level = 0; level < levels; ++level) {
        const int index = running.index[static_cast<std::size_t>(level)];
        if (index == kNoPeriod) break;
        if (level > 0) text += '/';
        text += Tr(words, LordName(PeriodLord(balance, level, index)));
    }
    return text;
}

std::string_view DatesAccuracyText(PositionsMode mode, const Catalogue& words) {
    // A minute of arc of Moon moves the dates by up to nine days; the
    // classic lunar series is within two of the ephemeris.
    return mode == PositionsMode::Classic
               ? Tr(words,
                    "Dates good to about three weeks with classic positions (a day or two with "
                    "precise ones)")
               : Tr(words, "Dates good to a day or two");
}

}  // namespace orbalis::dasha
