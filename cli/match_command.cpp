#include "cli/match_command.h"

#include <nlohmann/json.hpp>

#include "reading/reading.h"
#include "cli/json_reading.h"
#include "dosha/manglik_match.h"

namespace orbalis::cli {

ReadingOutcome MatchFromFiles(const std::string& firstPath, const std::string& secondPath,
                              ReadingFormat format) {
    const std::string paths[] = {firstPath, secondPath};
    MatchParty parties[2];
    for (int i = 0; i < 2; ++i) {
        ReadingFileBirth file = LoadReadingFileBirth(paths[i]);
        if (!file.birth) return RefusedReadingFile(std::move(file));
        ChartReading chart;
        ComputeChartReading(*file.birth, chart);
        const std::optional<ClassicalKujaDosha> analysis = AnalyseClassicalKujaDosha(chart);
        if (!analysis)
            return RefusedReadingFile({std::nullopt, std::string(kCheckTheFileMessage), paths[i]});
        parties[i] = {file.birth->name, *analysis};
    }
    // Two readings of one name are told apart by their files.
    if (parties[0].name == parties[1].name) {
        for (int i = 0; i < 2; ++i) parties[i].name += " (" + paths[i] + ")";
    }

    ReadingOutcome outcome;
    if (format == ReadingFormat::Text) {
        outcome.output = ManglikMatchText(parties[0], parties[1]);
        return outcome;
    }
    nlohmann::ordered_json j;
    j["readings"] = nlohmann::ordered_json::array();
    for (int i = 0; i < 2; ++i) {
        nlohmann::ordered_json reading;
        reading["file"] = paths[i];
        reading["name"] = parties[i].name;
        reading["kujaDoshaDetails"] = KujaDoshaDetailsJson(parties[i].analysis);
        j["readings"].push_back(std::move(reading));
    }
    const ManglikMatch match = MatchKujaDosha(parties[0], parties[1]);
    j["balanced"] = match.balanced;
    j["conclusion"] = match.conclusion;
    j["reason"] = match.reason;
    outcome.output = j.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
    return outcome;
}

}  // namespace orbalis::cli
