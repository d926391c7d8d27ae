#include "cli/match_command.h"

#include <nlohmann/json.hpp>

#include "cli/json_reading.h"
#include "model/reference_tables.h"
#include "reading/couple_match.h"
#include "reading/match_sheet.h"
#include "reading/reading.h"

namespace orbalis::cli {
namespace {

using namespace matching;

// Whole points as integers, halves as 0.5, 1.5 …
nlohmann::ordered_json Points(int halfPoints) {
    if (halfPoints % 2 == 0) return halfPoints / 2;
    return halfPoints / 2.0;
}

nlohmann::ordered_json MoonJson(const MoonPlacement& moon) {
    nlohmann::ordered_json j;
    j["sign"] = SignNames[static_cast<std::size_t>(moon.sign)];
    j["nakshatra"] = kNakshatraNames[static_cast<std::size_t>(moon.nakshatra)];
    j["nakshatraNumber"] = moon.nakshatra + 1;
    j["pada"] = moon.pada;
    if (moon.longitudeDegrees) j["longitude"] = *moon.longitudeDegrees;
    return j;
}

nlohmann::ordered_json AshtakootaJson(const Ashtakoota& scores) {
    nlohmann::ordered_json j;
    for (int k = 0; k < kKootaCount; ++k)
        j[std::string(KootaNames[static_cast<std::size_t>(k)].key)] =
            Points(scores.halfPoints[static_cast<std::size_t>(k)]);
    j["total"] = Points(scores.totalHalfPoints);
    j["band"] = GunaBandText(scores.band(), English());
    return j;
}

nlohmann::ordered_json PoruthamsJson(const Poruthams& poruthams) {
    nlohmann::ordered_json j;
    for (int p = 0; p < kPoruthamCount; ++p)
        j[std::string(PoruthamNames[static_cast<std::size_t>(p)].key)] =
            poruthams.passed[static_cast<std::size_t>(p)];
    j["count"] = poruthams.count();
    return j;
}

nlohmann::ordered_json ExceptionsJson(const MatchFlags& flags) {
    nlohmann::ordered_json j;
    for (int f = 0; f < kMatchFlagCount; ++f)
        j[std::string(MatchFlagTexts[static_cast<std::size_t>(f)].key)] =
            flags.bits.test(static_cast<std::size_t>(f));
    return j;
}

}  // namespace

ReadingOutcome MatchFromFiles(const std::string& groomPath, const std::string& bridePath,
                              ReadingFormat format, PositionsMode mode, VashyaPoints table,
                              const Catalogue& words) {
    const std::string paths[] = {groomPath, bridePath};
    BirthDetails births[2];
    ChartReading charts[2];
    for (int i = 0; i < 2; ++i) {
        ReadingFileBirth file = LoadReadingFileBirth(paths[i]);
        if (!file.birth) {
            // Of two files, the one refused is named, as a damaged one is.
            if (file.reason.empty())
                file.reason = paths[i] + ": the " + (i == 0 ? "first" : "second") +
                              " reading file holds an entry the form refuses";
            return RefusedReadingFile(std::move(file));
        }
        std::string refusal;
        if (!ComputeChartReading(*file.birth, mode, charts[i], refusal))
            return {kReadingRefused, {}, paths[i] + ": " + refusal};
        births[i] = *file.birth;
    }
    // Two readings of one name are told apart by their files.
    std::string names[2] = {births[0].name, births[1].name};
    if (names[0] == names[1]) {
        for (int i = 0; i < 2; ++i) names[i] += " (" + paths[i] + ")";
    }
    std::optional<CoupleMatch> match = MatchCouple(names[0], charts[0], names[1], charts[1], table);
    if (!match) {
        const int lacking = AnalyseClassicalKujaDosha(charts[0]) ? 1 : 0;
        return RefusedReadingFile(
            {std::nullopt, std::string(kCheckTheFileMessage), paths[lacking]});
    }

    match->sameBirth = CompareBirths(births[0], births[1]);
    ReadingOutcome outcome;
    if (format == ReadingFormat::Text) {
        outcome.output = MatchSheetText(ComposeMatchSheet(*match, words), words);
        return outcome;
    }
    const MatchSheet sheet = ComposeMatchSheet(*match, English());
    nlohmann::ordered_json j;
    j["positions"] = PositionsModeName(mode);
    j["vashyaTable"] = VashyaPointsName(table);
    j["readings"] = nlohmann::ordered_json::array();
    const MatchParty* parties[] = {&match->groom, &match->bride};
    const MoonPlacement* moons[] = {&match->moons.groom, &match->moons.bride};
    for (int i = 0; i < 2; ++i) {
        const MatchSheetPerson& person = sheet.people[static_cast<std::size_t>(i)];
        nlohmann::ordered_json reading;
        reading["role"] = person.role;
        reading["file"] = paths[i];
        reading["name"] = person.name;
        reading["moon"] = MoonJson(*moons[i]);
        reading["kujaDoshaDetails"] = KujaDoshaDetailsJson(parties[i]->analysis);
        reading["manglik"] = ManglikJson(AssessManglik(charts[i]).value());
        j["readings"].push_back(std::move(reading));
    }
    j["ashtakoota"] = AshtakootaJson(match->moons.ashtakoota);
    j["poruthams"] = PoruthamsJson(match->moons.poruthams);
    j["exceptions"] = ExceptionsJson(match->moons.flags);
    const ManglikMatch& manglik = match->manglik;
    j["balanced"] = manglik.balanced;
    j["manglikBalance"] = ManglikBalanceWords[static_cast<std::size_t>(manglik.verdict)];
    j["balancedBy"] = manglik.verdict == ManglikBalance::BalancedByPartner
                          ? nlohmann::ordered_json(manglik.party == 0 ? "groom" : "bride")
                          : nlohmann::ordered_json();
    j["saturnHouse"] = manglik.verdict == ManglikBalance::BalancedByPartner
                           ? nlohmann::ordered_json(manglik.saturnHouse)
                           : nlohmann::ordered_json();
    j["conclusion"] = sheet.manglikConclusion;
    j["note"] = sheet.manglikNote;
    j["reason"] = sheet.manglikReason;
    j["summary"] = sheet.conclusion;
    j["sameBirth"] = match->sameBirth != SameBirth::No;
    outcome.output = JsonText(j);
    return outcome;
}

}  // namespace orbalis::cli
