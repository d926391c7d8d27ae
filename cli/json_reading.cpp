#include "cli/json_reading.h"

#include <memory>
#include <string_view>

#include "charts/divisional_boxes.h"
#include "cli/dasha_output.h"
#include "dasha/dasha_birth.h"
#include "model/moon_pada.h"
#include "model/reference_tables.h"

namespace orbalis::cli {
namespace {

using Json = nlohmann::ordered_json;

Json BirthJson(const BirthDetails& b) {
    Json j;
    j["name"] = b.name;
    j["day"] = b.day;
    j["month"] = b.month;
    j["year"] = b.year;
    j["hour"] = b.hour;
    j["minute"] = b.minute;
    j["zoneIndex"] = b.zoneIndex;
    j["zoneHoursAbs"] = b.zoneHoursAbs;
    j["zoneMinutesAbs"] = b.zoneMinutesAbs;
    j["zoneHours"] = b.zoneHours;
    j["zoneMinutes"] = b.zoneMinutes;
    j["latitudeDegrees"] = b.latitudeDegrees;
    j["latitudeMinutes"] = b.latitudeMinutes;
    j["longitudeDegrees"] = b.longitudeDegrees;
    j["longitudeMinutes"] = b.longitudeMinutes;
    j["isEast"] = b.isEast;
    j["isSouth"] = b.isSouth;
    j["daylightSaving"] = b.daylightSaving;
    j["city"] = b.city;
    j["state"] = b.state;
    j["country"] = b.country;
    return j;
}

Json ChartJson(const ChartReading& r) {
    Json j;
    j["ayanamsaDegrees"] = r.ayanamsaDegrees;
    j["ayanamsaText"] = r.ayanamsaText;
    j["lagnaPositionText"] = r.lagnaPositionText;
    j["midheavenPositionText"] = r.midheavenPositionText;
    j["moonPositionText"] = r.moonPositionText;
    j["nakshatra"] = r.nakshatra;
    j["rashi"] = r.rashi;
    j["moonSignName"] = r.moonSignName;
    j["planetName"] = r.planetName;
    j["planetSanskritName"] = r.planetSanskritName;
    j["planetPositionText"] = r.planetPositionText;
    j["ayanamsaDisplay"] = r.ayanamsaDisplay;
    j["lagnaSign"] = r.lagnaSign;
    j["lagnaRashiName"] = r.lagnaRashiName;
    j["lord"] = r.lord;
    j["pada"] = r.pada;
    return j;
}

Json DoshaJson(const KujaDoshaLines& lines, const std::optional<KujaDoshaCount>& count) {
    Json j;
    j["position"] = lines.position;
    j["percentage"] = lines.percentage;
    j["verdict"] = lines.verdict;
    j["marsHouse"] = count ? Json(count->marsHouse) : Json();
    j["percentageText"] = count ? count->percentage : std::string_view{};
    j["manglik"] = count && count->manglik;
    return j;
}

// A box's text holds its lines joined by CR LF.
Json BoxLines(std::string_view box) {
    Json lines = Json::array();
    while (!box.empty()) {
        const auto end = box.find("\r\n");
        lines.push_back(box.substr(0, end));
        if (end == std::string_view::npos) break;
        box.remove_prefix(end + 2);
    }
    return lines;
}

}  // namespace

Json KujaDoshaDetailsJson(const ClassicalKujaDosha& analysis) {
    Json j;
    j["rule"] = "classical house rule";
    j["marsSign"] = SignNames[static_cast<std::size_t>(analysis.signs.mars)];
    for (int reference = 0; reference < kKujaReferenceCount; ++reference) {
        const auto index = static_cast<std::size_t>(reference);
        const ReferenceDosha& dosha = analysis.references[index];
        Json from;
        from["referenceSign"] = SignNames[static_cast<std::size_t>(dosha.referenceSign)];
        from["marsHouse"] = dosha.marsHouse;
        from["doshaHouse"] = dosha.doshaHouse;
        from["status"] = ClassicalStatusWord(dosha.status());
        from["verdict"] = ClassicalVerdictText(dosha, English());
        from["cancelledBy"] = Json::array();
        for (int rule = 0; rule < kCancellationCount; ++rule) {
            if (!dosha.cancelledBy[static_cast<std::size_t>(rule)]) continue;
            const CancellationText& text = CancellationTexts[static_cast<std::size_t>(rule)];
            from["cancelledBy"].push_back({{"rule", text.name}, {"explanation", text.explanation}});
        }
        j["from" + std::string(KujaReferenceNames[index].key)] = std::move(from);
    }
    return j;
}

Json ManglikJson(const ManglikAssessment& assessment) {
    Json j;
    j["status"] = NameOf(assessment.status).word;
    // The level a family acts on: the one after any softening, as the status says.
    j["level"] = IsManglik(assessment.status) ? Json(NameOf(assessment.status).word) : Json();
    j["title"] = NameOf(assessment.status).title;
    j["line"] = ManglikStatusLine(assessment, English());
    j["loweredBy"] = Json::array();
    for (std::size_t s = 0; s < assessment.loweredBy.size(); ++s)
        if (assessment.loweredBy[s]) j["loweredBy"].push_back(SofteningNames[s].key);
    for (int reference = 0; reference < kKujaReferenceCount; ++reference) {
        const auto index = static_cast<std::size_t>(reference);
        const ReferenceDosha& dosha = assessment.analysis.references[index];
        Json from;
        from["house"] = dosha.marsHouse;
        from["dosha"] = ClassicalStatusWord(dosha.status());
        from["cancelledBy"] = Json::array();
        for (std::size_t rule = 0; rule < dosha.cancelledBy.size(); ++rule)
            if (dosha.cancelledBy[rule])
                from["cancelledBy"].push_back(CancellationTexts[rule].name);
        j["from" + std::string(KujaReferenceNames[index].key)] = std::move(from);
    }
    j["notes"] = ManglikNotes(assessment, English());
    return j;
}

Json DivisionalChartsJson(const ChartReading& reading) {
    // The bodies by their English names, the ascendant first.
    Json charts;
    const DivisionalCharts computed = ComputeDivisionalCharts(PositionsOf(reading));
    for (std::size_t i = 0; i < computed.size(); ++i) {
        const DivisionalChart& chart = computed[i];
        Json signs;
        signs["Ascendant"] = SignAbbreviations[static_cast<std::size_t>(chart.ascendantSign)];
        for (std::size_t body = 0; body < kDivisionalBodyCount; ++body)
            signs[std::string(kBodyNames[body])] =
                SignAbbreviations[static_cast<std::size_t>(chart.bodySigns[body])];
        charts[std::string(kDivisionNames[i].key)] = std::move(signs);
    }
    return charts;
}

Json ReadingJson(const FullReading& reading) {
    Json j;
    j["positions"] = PositionsModeName(reading.positions);
    if (reading.chart.builtInEphemeris) j["ephemeris"] = kBuiltInEphemeris;
    j["birth"] = BirthJson(reading.birth);
    j["reading"] = ChartJson(reading.chart);
    j["moonPada"] = MoonPada(reading.chart.siderealDegrees[kMoon]);
    j["kujaDosha"]["fromLagna"] =
        DoshaJson(reading.display.fromLagna, reading.display.fromLagnaCount);
    j["kujaDosha"]["fromMoon"] = DoshaJson(reading.display.fromMoon, reading.display.fromMoonCount);
    const std::optional<ManglikAssessment> manglik = AssessManglik(reading.chart);
    j["manglik"] = manglik ? ManglikJson(*manglik) : Json();
    Json boxes = Json::array();
    for (std::size_t k = 0; k < reading.display.chartBoxes.size(); ++k) {
        Json box;
        box["sign"] = SignAbbreviations[k];
        box["lines"] = BoxLines(reading.display.chartBoxes[k]);
        boxes.push_back(std::move(box));
    }
    j["chartBoxes"] = std::move(boxes);
    for (std::size_t i = 0; i < kRetrogradeBodies.size(); ++i)
        j["retrograde"][std::string(kBodyNames[kRetrogradeBodies[i]])] = reading.retrograde[i];
    const std::optional<ClassicalKujaDosha> details = AnalyseClassicalKujaDosha(reading.chart);
    j["kujaDoshaDetails"] = details ? KujaDoshaDetailsJson(*details) : Json();
    j["divisionalCharts"] = DivisionalChartsJson(reading.chart);
    j["firmness"] = FirmnessJson(reading.display.firmness);
    auto vimshottari = std::make_unique<dasha::Vimshottari>();
    dasha::ComputeVimshottari(dasha::DashaBirthOf(reading.birth, reading.chart), *vimshottari);
    j["dasha"] = DashaJson(*vimshottari, {});
    return j;
}

Json FirmnessJson(const Firmness& firmness) {
    if (!firmness.givenMinute) return Json();
    Json j;
    auto when = [&firmness](const std::optional<int>& offset) -> Json {
        if (!offset) return nullptr;
        return FirmnessDateTimeText(*firmness.givenMinute + *offset);
    };
    for (std::size_t item = 0; item < firmness.runs.size(); ++item) {
        const FirmnessRun& run = firmness.runs[item];
        j[std::string(FirmnessItemNames[item].key)] = {{"from", when(run.from)},
                                                       {"to", when(run.to)}};
    }
    return j;
}

std::string JsonText(const nlohmann::ordered_json& json) {
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::string ReadingJsonText(const FullReading& reading) {
    return JsonText(ReadingJson(reading));
}

}  // namespace orbalis::cli
