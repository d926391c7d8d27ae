#include "cli/guna_table.h"

#include <algorithm>
#include <vector>

#include "matching/poruthams.h"

namespace orbalis::cli {
namespace {

struct Pair {
    int groom;  // 0..107: nakshatra × 4 + pada − 1
    int bride;
    matching::Ashtakoota scores;
    matching::Poruthams poruthams;
};

bool Passes(const std::optional<int>& wanted, int value) {
    return !wanted || *wanted == value;
}

void AppendRow(std::string& out, const Pair& pair) {
    auto number = [&out](int value) {
        out += std::to_string(value);
        out += ',';
    };
    number(pair.groom / 4 + 1);
    number(pair.groom % 4 + 1);
    number(pair.bride / 4 + 1);
    number(pair.bride % 4 + 1);
    for (int half : pair.scores.halfPoints) {
        out += matching::PointsText(half);
        out += ',';
    }
    out += matching::PointsText(pair.scores.totalHalfPoints);
    for (bool passed : pair.poruthams.passed) out += passed ? ",true" : ",false";
    out += "\r\n";
}

}  // namespace

std::string GunaTable(const GunaTableFilter& filter, matching::VashyaPoints table) {
    std::vector<Pair> pairs;
    pairs.reserve(108 * 108);
    for (int groom = 0; groom < 108; ++groom) {
        if (!Passes(filter.groomNakshatra, groom / 4 + 1) ||
            !Passes(filter.groomPada, groom % 4 + 1))
            continue;
        const auto groomMoon = matching::MoonPlacementOf(groom / 4, groom % 4 + 1);
        for (int bride = 0; bride < 108; ++bride) {
            if (!Passes(filter.brideNakshatra, bride / 4 + 1) ||
                !Passes(filter.bridePada, bride % 4 + 1))
                continue;
            const auto brideMoon = matching::MoonPlacementOf(bride / 4, bride % 4 + 1);
            pairs.push_back({groom, bride, matching::ScoreAshtakoota(groomMoon, brideMoon, table),
                             matching::CheckPoruthams(groomMoon, brideMoon)});
        }
    }
    if (filter.any()) {
        std::stable_sort(pairs.begin(), pairs.end(), [](const Pair& a, const Pair& b) {
            return a.scores.totalHalfPoints > b.scores.totalHalfPoints;
        });
    }
    std::string out(kGunaTableHeader);
    out += "\r\n";
    out.reserve(pairs.size() * 96);
    for (const Pair& pair : pairs) AppendRow(out, pair);
    return out;
}

}  // namespace orbalis::cli
