// The matching core on any two Moons: each koota within its maximum, the
// total 0..36 their sum, Tara 1.5 or 3, the kootas whose rule is symmetric
// the same with groom and bride exchanged, an exception flagged only beside
// its dosha, and a word for every koota and porutham compared.
//
// Input: a byte choosing the vashya table (bit 0) and whether the texts are
// made too (bit 1: they take most of the time), then for each of groom and bride
// a byte choosing how the Moon is given, and either a nakshatra and a pada
// (two bytes) or a sidereal longitude (the eight bytes of a double, taken
// modulo 360; non-finite ones skipped).

#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>

#include "dosha/manglik_match.h"
#include "fuzz_check.h"
#include "matching/moon_match.h"
#include "model/reference_tables.h"
#include "reading/match_sheet.h"

namespace {

using namespace orbalis::matching;

class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::optional<std::uint8_t> Byte() {
        if (size_ == 0) return std::nullopt;
        --size_;
        return *data_++;
    }
    std::optional<double> Double() {
        double value = 0.0;
        if (size_ < sizeof value) return std::nullopt;
        std::memcpy(&value, data_, sizeof value);
        data_ += sizeof value;
        size_ -= sizeof value;
        return value;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
};

std::optional<MoonPlacement> Moon(Bytes& bytes) {
    const auto how = bytes.Byte();
    if (!how) return std::nullopt;
    if (*how % 2 == 0) {
        const auto star = bytes.Byte();
        const auto pada = bytes.Byte();
        if (!star || !pada) return std::nullopt;
        return MoonPlacementOf(*star % orbalis::kNakshatraCount, *pada % 4 + 1);
    }
    const auto longitude = bytes.Double();
    if (!longitude || !std::isfinite(*longitude)) return std::nullopt;
    double degrees = std::fmod(*longitude, 360.0);
    if (degrees < 0.0) degrees += 360.0;
    if (degrees >= 360.0) degrees = 0.0;
    return MoonPlacementAt(degrees);
}

void CheckPlacement(const MoonPlacement& moon) {
    FUZZ_CHECK(moon.nakshatra >= 0 && moon.nakshatra < orbalis::kNakshatraCount);
    FUZZ_CHECK(moon.pada >= 1 && moon.pada <= 4);
    FUZZ_CHECK(moon.sign == moon.quarter() / 9);  // nine quarters a sign
}

int PointsOf(const Ashtakoota& scores, Koota koota) {
    return scores.halfPoints[static_cast<std::size_t>(koota)];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes bytes(data, size);
    const auto tableByte = bytes.Byte();
    const std::optional<MoonPlacement> groom = Moon(bytes);
    const std::optional<MoonPlacement> bride = Moon(bytes);
    if (!tableByte || !groom || !bride) return 0;
    const VashyaPoints table = *tableByte % 2 ? VashyaPoints::Asymmetric : VashyaPoints::Symmetric;
    const bool texts = (*tableByte & 2) != 0;
    CheckPlacement(*groom);
    CheckPlacement(*bride);

    const MoonMatch match = MatchMoons(*groom, *bride, table);
    const MoonMatch swapped = MatchMoons(*bride, *groom, table);
    int sum = 0;
    for (int k = 0; k < kKootaCount; ++k) {
        const Koota koota = static_cast<Koota>(k);
        const int half = PointsOf(match.ashtakoota, koota);
        FUZZ_CHECK(half >= 0 && half <= 2 * KootaNames[static_cast<std::size_t>(k)].maximum);
        sum += half;
        if (!texts) continue;
        const KootaSides sides = KootaCompared(koota, *groom, *bride);
        FUZZ_CHECK(!sides.groom.empty() && !sides.bride.empty());
    }
    FUZZ_CHECK(match.ashtakoota.totalHalfPoints == sum);
    FUZZ_CHECK(sum >= 0 && sum <= 72);
    // The two directions of Tara are never both unlucky.
    FUZZ_CHECK(PointsOf(match.ashtakoota, Koota::Tara) == 3 ||
               PointsOf(match.ashtakoota, Koota::Tara) == 6);
    for (const Koota koota : {Koota::Tara, Koota::Yoni, Koota::GrahaMaitri, Koota::Bhakoot,
                              Koota::Nadi, Koota::Vashya}) {
        if (koota == Koota::Vashya && table == VashyaPoints::Asymmetric) continue;
        FUZZ_CHECK(PointsOf(match.ashtakoota, koota) == PointsOf(swapped.ashtakoota, koota));
    }

    FUZZ_CHECK(match.poruthams.count() >= 0 && match.poruthams.count() <= kPoruthamCount);
    for (const KootaDoshaInfo& dosha : KootaDoshas) {
        if (match.flags.has(dosha.flag)) continue;
        for (int f = static_cast<int>(dosha.firstException);
             f <= static_cast<int>(dosha.lastException); ++f)
            FUZZ_CHECK(!match.flags.has(static_cast<MatchFlag>(f)));
    }
    if (!texts) return 0;
    for (int p = 0; p < kPoruthamCount; ++p)
        FUZZ_CHECK(!PoruthamReason(static_cast<Porutham>(p), *groom, *bride).empty());
    // The sheet of the Moons between two fixed charts that are not Manglik.
    const orbalis::MatchParty party{
        "p",
        orbalis::AnalyseClassicalKujaDosha(
            {orbalis::kAries, orbalis::kAries, orbalis::kAries, orbalis::kGemini, orbalis::kAries}),
        orbalis::kAries};
    const orbalis::MatchSheet sheet = orbalis::ComposeMatchSheet(
        {party, party, match, orbalis::MatchKujaDosha(party, party), orbalis::SameBirth::No});
    FUZZ_CHECK(!orbalis::MatchSheetText(sheet).empty());
    return 0;
}
