#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "matching/moon_match.h"
#include "model/moon_pada.h"

namespace orbalis::matching {
namespace {

// A Moon by nakshatra numbered 1..27, as almanacs number them, and pada.
MoonPlacement Star(int nakshatra, int pada) {
    return MoonPlacementOf(nakshatra - 1, pada);
}

std::vector<std::string> PassedKeys(const Poruthams& poruthams) {
    std::vector<std::string> keys;
    for (int i = 0; i < kPoruthamCount; ++i)
        if (poruthams.passed[static_cast<std::size_t>(i)])
            keys.emplace_back(PoruthamNames[static_cast<std::size_t>(i)].key);
    return keys;
}

std::vector<std::string> FlagKeys(const MatchFlags& flags) {
    std::vector<std::string> keys;
    for (int i = 0; i < kMatchFlagCount; ++i)
        if (flags.bits.test(static_cast<std::size_t>(i)))
            keys.emplace_back(MatchFlagTexts[static_cast<std::size_t>(i)].key);
    return keys;
}

std::vector<double> Scores(const Ashtakoota& scores) {
    std::vector<double> points;
    for (int i = 0; i < kKootaCount; ++i) points.push_back(scores.points(static_cast<Koota>(i)));
    return points;
}

// The worked examples of the rule reference, row by row.
TEST(Matching, WorkedExamples) {
    struct Case {
        const char* name;
        MoonPlacement groom, bride;
        std::vector<double> scores;  // varna … nadi
        double total;
        std::vector<std::string> poruthams, flags;
    };
    const Case cases[] = {
        {"Ashwini 1 / Bharani 1",
         Star(1, 1),
         Star(2, 1),
         {1, 2, 3, 2, 5, 6, 7, 8},
         34,
         {"gana", "stree_deergha", "yoni", "rasi", "rasyadhipati", "rajju", "vedha"},
         {"dina_27th_same_sign", "dina_same_sign_boy_star_precedes", "dina_mod9_rule"}},
        {"Uttara Phalguni 1 / Rohini 1",
         Star(12, 1),
         Star(4, 1),
         {1, 0.5, 3, 1, 0, 6, 7, 8},
         26.5,
         {"dina", "gana", "yoni", "rajju", "vedha"},
         {"dina_mod9_rule", "stree_deergha_madhyama_8_to_13"}},
        {"Krittika 1 / Krittika 3",
         Star(3, 1),
         Star(3, 3),
         {1, 2, 3, 4, 3, 6, 0, 0},
         19,
         {"gana", "yoni", "rasi", "rasyadhipati", "vedha"},
         {"nadi_dosha", "nadi_exc_same_nak_diff_sign", "nadi_exc_same_nak_diff_pada",
          "bhakoot_dosha", "dina_same_star_madhyamam", "dina_mod9_rule"}},
        {"Shravana 3 / Purva Bhadrapada 4",
         Star(22, 3),
         Star(25, 4),
         {0, 2, 1.5, 2, 3, 6, 7, 8},
         29.5,
         {"gana", "mahendra", "stree_deergha", "yoni", "rasi", "rasyadhipati", "vasya", "rajju",
          "vedha"},
         {"tara_dosha"}},
        {"Uttara Ashadha 2 / Mula 4",
         Star(21, 2),
         Star(19, 4),
         {0, 1, 1.5, 1, 3, 0, 0, 8},
         14.5,
         {"yoni", "rasyadhipati", "rajju", "vedha"},
         {"bhakoot_dosha", "gana_dosha", "tara_dosha"}},
        {"Magha 1 / Revati 2",
         Star(10, 1),
         Star(27, 2),
         {0, 1, 3, 2, 5, 1, 0, 0},
         12,
         {"dina", "yoni", "rasyadhipati"},
         {"nadi_dosha", "nadi_exc_sign_lords_friendly", "bhakoot_dosha",
          "bhakoot_exc_sign_lords_friendly", "gana_dosha", "gana_exc_sign_lords_friendly",
          "dina_mod9_rule", "gana_girl_deva_boy_rakshasa", "stree_deergha_madhyama_8_to_13",
          "rasi_shashtashtaka_6_8", "rajju_same_but_aroha_avaroha_differ"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const MoonMatch match = MatchMoons(c.groom, c.bride);
        EXPECT_EQ(Scores(match.ashtakoota), c.scores);
        EXPECT_EQ(match.ashtakoota.total(), c.total);
        EXPECT_EQ(PassedKeys(match.poruthams), c.poruthams);
        EXPECT_EQ(FlagKeys(match.flags), c.flags);
    }
}

// Every pair of nakshatra and pada: the total is the sum of the eight and
// lies in 0..36, no koota passes its maximum, Tara is never below 1.5.
TEST(Matching, EveryPairAddsUp) {
    for (int g = 0; g < 108; ++g) {
        for (int b = 0; b < 108; ++b) {
            const Ashtakoota scores = ScoreAshtakoota(MoonPlacementOf(g / 4, g % 4 + 1),
                                                      MoonPlacementOf(b / 4, b % 4 + 1));
            int sum = 0;
            for (int k = 0; k < kKootaCount; ++k) {
                const int half = scores.halfPoints[static_cast<std::size_t>(k)];
                ASSERT_GE(half, 0);
                ASSERT_LE(half, 2 * KootaNames[static_cast<std::size_t>(k)].maximum);
                sum += half;
            }
            ASSERT_EQ(scores.totalHalfPoints, sum) << g << " " << b;
            ASSERT_LE(scores.total(), 36.0);
            ASSERT_GE(scores.points(Koota::Tara), 1.5);
        }
    }
}

// The tables hold together: yoni points are symmetric and nothing only for
// sworn enemies; graha maitri follows the natural relations; vedha is mutual.
TEST(Matching, TablesAgreeWithTheirRules) {
    for (int a = 0; a < kYoniCount; ++a)
        for (int b = 0; b < kYoniCount; ++b) {
            const auto ua = static_cast<std::size_t>(a), ub = static_cast<std::size_t>(b);
            EXPECT_EQ(YoniPoints[ua][ub], YoniPoints[ub][ua]) << YoniNames[ua] << YoniNames[ub];
            EXPECT_EQ(YoniPoints[ua][ub] == 0, SwornEnemy[ua] == b)
                << YoniNames[ua] << YoniNames[ub];
        }
    for (int a = 0; a < kLordCount; ++a)
        for (int b = 0; b < kLordCount; ++b) {
            const auto ua = static_cast<std::size_t>(a), ub = static_cast<std::size_t>(b);
            int friends = 0, enemies = 0;
            for (Relation r : {NaturalRelations[ua][ub], NaturalRelations[ub][ua]}) {
                friends += r == kFriend || r == kSelf;
                enemies += r == kEnemy;
            }
            // F/F 5, F/N 4, N/N 3, F/E 1, N/E 0.5, E/E 0 (in half points)
            const int expected = enemies == 2   ? 0
                                 : enemies == 1 ? (friends == 1 ? 2 : 1)
                                                : 6 + 2 * friends;
            EXPECT_EQ(GrahaMaitriPoints[ua][ub], expected) << LordNames[ua] << LordNames[ub];
        }
    for (int a = 0; a < kNakshatraCount; ++a)
        for (int b : NakshatraTable[static_cast<std::size_t>(a)].vedha) {
            if (b == kNoStar) continue;
            EXPECT_FALSE(CheckPoruthams(MoonPlacementOf(b, 1), MoonPlacementOf(a, 1))
                             .passes(Porutham::Vedha))
                << kNakshatraNames[static_cast<std::size_t>(a)];
        }
}

TEST(Matching, PlacementAtTheEdges) {
    struct Case {
        double longitude;
        int nakshatra, pada, sign;
    };
    const Case cases[] = {
        {0.0, 1, 1, 0},      {3.33333, 1, 1, 0}, {3.33334, 1, 2, 0}, {13.33333, 1, 4, 0},
        {13.33334, 2, 1, 0}, {29.9999, 3, 1, 0}, {30.0, 3, 2, 1},    {359.9999, 27, 4, 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.longitude);
        const MoonPlacement moon = MoonPlacementAt(c.longitude);
        EXPECT_EQ(moon.nakshatra + 1, c.nakshatra);
        EXPECT_EQ(moon.pada, c.pada);
        EXPECT_EQ(MoonPada(c.longitude), c.pada);
        EXPECT_EQ(moon.sign, c.sign);
    }
}

// Sagittarius and Capricorn change vashya group at 15°; from a pada alone, the
// pada that straddles 15° counts with the first half.
TEST(Matching, VashyaSplitsAtFifteenDegrees) {
    struct Case {
        const char* name;
        MoonPlacement moon;
        VashyaGroup group;
    };
    const Case cases[] = {
        {"Sagittarius 14.9°", MoonPlacementAt(254.9), kManava},
        {"Sagittarius 15°", MoonPlacementAt(255.0), kChatushpada},
        {"Purva Ashadha 1 by pada", Star(20, 1), kManava},
        {"Purva Ashadha 2 by pada", Star(20, 2), kChatushpada},
        {"Capricorn 14.9°", MoonPlacementAt(284.9), kChatushpada},
        {"Capricorn 15°", MoonPlacementAt(285.0), kJalachara},
        {"Shravana 2 by pada", Star(22, 2), kChatushpada},
        {"Shravana 3 by pada", Star(22, 3), kJalachara},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(VashyaGroupOf(c.moon), c.group);
    }
}

TEST(Matching, KootasAtTheirEdges) {
    struct Case {
        const char* name;
        MoonPlacement groom, bride;
        Koota koota;
        double points;
        VashyaPoints table = VashyaPoints::Symmetric;
    };
    const Case cases[] = {
        {"varna: Brahmin groom, Shudra bride", Star(8, 1), Star(6, 1), Koota::Varna, 1},
        {"varna: Shudra groom, Brahmin bride", Star(6, 1), Star(8, 1), Koota::Varna, 0},
        {"varna: same", Star(1, 1), Star(2, 1), Koota::Varna, 1},
        {"tara: same star", Star(9, 1), Star(9, 4), Koota::Tara, 3},
        {"tara: 3rd from the bride", Star(3, 1), Star(1, 1), Koota::Tara, 1.5},
        {"gana: Rakshasa groom, Deva bride", Star(10, 1), Star(27, 1), Koota::Gana, 1},
        {"gana: Deva groom, Rakshasa bride", Star(27, 1), Star(10, 1), Koota::Gana, 0},
        {"gana: Manushya groom, Deva bride", Star(2, 1), Star(1, 1), Koota::Gana, 5},
        {"bhakoot: 2nd sign", Star(5, 1), Star(1, 1), Koota::Bhakoot, 0},
        {"bhakoot: 3rd sign", Star(6, 1), Star(1, 1), Koota::Bhakoot, 7},
        {"bhakoot: 5th sign", Star(10, 1), Star(1, 1), Koota::Bhakoot, 0},
        {"bhakoot: 7th sign", Star(15, 1), Star(1, 1), Koota::Bhakoot, 7},
        {"bhakoot: 8th sign", Star(17, 1), Star(1, 1), Koota::Bhakoot, 0},
        {"nadi: same", Star(1, 1), Star(6, 1), Koota::Nadi, 0},
        {"vashya: Manava groom, Chatushpada bride", Star(6, 1), Star(1, 1), Koota::Vashya, 1},
        {"vashya asymmetric: Manava groom, Chatushpada bride", Star(6, 1), Star(1, 1),
         Koota::Vashya, 0, VashyaPoints::Asymmetric},
        {"vashya asymmetric: Chatushpada groom, Manava bride", Star(1, 1), Star(6, 1),
         Koota::Vashya, 1, VashyaPoints::Asymmetric},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ScoreAshtakoota(c.groom, c.bride, c.table).points(c.koota), c.points);
    }
}

TEST(Matching, PoruthamsAtTheirEdges) {
    struct Case {
        const char* name;
        MoonPlacement groom, bride;
        Porutham porutham;
        bool passes;
    };
    const Case cases[] = {
        {"dina: 2nd star", Star(2, 1), Star(1, 1), Porutham::Dina, true},
        {"dina: 3rd star", Star(3, 1), Star(1, 1), Porutham::Dina, false},
        {"dina: same star", Star(4, 1), Star(4, 2), Porutham::Dina, false},
        {"gana: Rakshasa with Rakshasa", Star(3, 1), Star(9, 1), Porutham::Gana, true},
        {"gana: Manushya with Rakshasa", Star(2, 1), Star(3, 1), Porutham::Gana, false},
        {"mahendra: 4th star", Star(4, 1), Star(1, 1), Porutham::Mahendra, true},
        {"mahendra: 5th star", Star(5, 1), Star(1, 1), Porutham::Mahendra, false},
        {"stree deergha: 13th star", Star(13, 1), Star(1, 1), Porutham::StreeDeergha, false},
        {"stree deergha: 14th star", Star(14, 1), Star(1, 1), Porutham::StreeDeergha, true},
        {"yoni: cat and rat", Star(7, 1), Star(10, 1), Porutham::Yoni, false},
        {"rasi: same sign", Star(2, 1), Star(1, 1), Porutham::Rasi, true},
        {"rasi: 6th sign", Star(13, 1), Star(1, 1), Porutham::Rasi, false},
        {"rasi: 7th sign", Star(15, 1), Star(1, 1), Porutham::Rasi, true},
        {"rasyadhipati: Sun and Venus", Star(12, 1), Star(4, 1), Porutham::Rasyadhipati, false},
        {"vasya: Capricorn held by Pisces", Star(22, 3), Star(25, 4), Porutham::Vasya, true},
        {"vasya: Pisces not held by Capricorn", Star(25, 4), Star(22, 3), Porutham::Vasya, false},
        {"rajju: both Pada", Star(1, 1), Star(10, 1), Porutham::Rajju, false},
        {"vedha: Mrigashira and Dhanishtha", Star(5, 1), Star(23, 1), Porutham::Vedha, false},
        {"vedha: Chitra and Mrigashira", Star(14, 1), Star(5, 1), Porutham::Vedha, false},
        {"vedha: same star", Star(14, 1), Star(14, 2), Porutham::Vedha, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CheckPoruthams(c.groom, c.bride).passes(c.porutham), c.passes);
    }
}

// Each dosha with and without an exception; the exception is never set alone.
TEST(Matching, DoshasAndTheirExceptions) {
    struct Case {
        const char* name;
        MoonPlacement groom, bride;
        KootaDosha dosha;
        std::vector<std::string> exceptions;
    };
    const Case cases[] = {
        {"nadi, no exception", Star(1, 1), Star(6, 1), KootaDosha::Nadi, {}},
        {"nadi, same sign",
         Star(6, 1),
         Star(7, 1),
         KootaDosha::Nadi,
         {"nadi_exc_same_sign_diff_nak", "nadi_exc_sign_lords_same"}},
        {"bhakoot, no exception", Star(21, 2), Star(19, 4), KootaDosha::Bhakoot, {}},
        {"bhakoot, 6/8 with one lord",
         Star(1, 1),
         Star(17, 1),
         KootaDosha::Bhakoot,
         {"bhakoot_exc_sign_lords_same", "bhakoot_exc_navamsa_lords_friendly"}},
        {"bhakoot, navamsa lords",
         Star(1, 1),
         Star(4, 1),
         KootaDosha::Bhakoot,
         {"bhakoot_exc_navamsa_lords_friendly"}},
        {"gana, no exception", Star(21, 2), Star(19, 4), KootaDosha::Gana, {}},
        {"gana, friendly lords",
         Star(10, 1),
         Star(27, 2),
         KootaDosha::Gana,
         {"gana_exc_sign_lords_friendly"}},
        {"tara, no exception", Star(22, 3), Star(25, 4), KootaDosha::Tara, {}},
        {"tara, one lord", Star(3, 1), Star(1, 1), KootaDosha::Tara, {"tara_exc_lords_friendly"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const KootaDoshaInfo& info = KootaDoshas[static_cast<std::size_t>(c.dosha)];
        const MoonMatch match = MatchMoons(c.groom, c.bride);
        EXPECT_TRUE(match.flags.has(info.flag));
        std::vector<std::string> exceptions;
        for (int f = static_cast<int>(info.firstException);
             f <= static_cast<int>(info.lastException); ++f)
            if (match.flags.bits.test(static_cast<std::size_t>(f)))
                exceptions.emplace_back(MatchFlagTexts[static_cast<std::size_t>(f)].key);
        EXPECT_EQ(exceptions, c.exceptions);
    }
    // Without the dosha, no exception of it is set even where its condition holds.
    const MoonMatch sameLords = MatchMoons(Star(1, 1), Star(2, 1));
    EXPECT_FALSE(sameLords.flags.has(MatchFlag::NadiSignLordsSame));
    EXPECT_FALSE(sameLords.flags.has(MatchFlag::BhakootSignLordsSame));
}

TEST(Matching, Bands) {
    struct Case {
        int totalHalfPoints;
        const char* band;
    };
    const Case cases[] = {
        {35, "not recommended"}, {36, "average"}, {49, "average"}, {50, "good"}, {65, "good"},
        {66, "excellent"}};
    for (const Case& c : cases) {
        Ashtakoota scores;
        scores.totalHalfPoints = c.totalHalfPoints;
        EXPECT_EQ(GunaBandText(scores.band()), c.band) << c.totalHalfPoints;
    }
}

}  // namespace
}  // namespace orbalis::matching
