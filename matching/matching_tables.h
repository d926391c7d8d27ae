#pragma once

#include <array>
#include <string_view>

#include "model/catalogue.h"
#include "model/reference_tables.h"

namespace orbalis::matching {

// The fixed tables of marriage matching. Nakshatras are numbered 0..26 from
// Ashwini and signs 0..11 from Aries; the other groups are indexes into the
// name arrays below.

inline constexpr int kPadasPerSign = 9;

// The seven planets that rule signs, in the order of the relationship tables.
enum Planet : int {
    kSunLord,
    kMoonLord,
    kMarsLord,
    kMercuryLord,
    kJupiterLord,
    kVenusLord,
    kSaturnLord
};
inline constexpr int kLordCount = 7;
inline constexpr std::array<std::string_view, kLordCount> LordNames = {
    N_("Sun"), N_("Moon"), N_("Mars"), N_("Mercury"), N_("Jupiter"), N_("Venus"), N_("Saturn")};

enum Varna : int { kShudra, kVaishya, kKshatriya, kBrahmin };  // in rising order
inline constexpr std::array<std::string_view, 4> VarnaNames = {N_("Shudra"), N_("Vaishya"),
                                                               N_("Kshatriya"), N_("Brahmin")};

enum VashyaGroup : int { kChatushpada, kManava, kJalachara, kVanachara, kKeeta };
inline constexpr int kVashyaGroupCount = 5;
inline constexpr std::array<std::string_view, kVashyaGroupCount> VashyaGroupNames = {
    N_("Chatushpada"), N_("Manava"), N_("Jalachara"), N_("Vanachara"), N_("Keeta")};

enum Yoni : int {
    kHorse,
    kElephant,
    kSheep,
    kSerpent,
    kDog,
    kCat,
    kRat,
    kCow,
    kBuffalo,
    kTiger,
    kDeer,
    kMonkey,
    kMongoose,
    kLion
};
inline constexpr int kYoniCount = 14;
inline constexpr std::array<std::string_view, kYoniCount> YoniNames = {
    N_("Horse"), N_("Elephant"), N_("Sheep"),    N_("Serpent"), N_("Dog"),
    N_("Cat"),   N_("Rat"),      N_("Cow"),      N_("Buffalo"), N_("Tiger"),
    N_("Deer"),  N_("Monkey"),   N_("Mongoose"), N_("Lion")};

enum Gana : int { kDeva, kManushya, kRakshasa };
inline constexpr std::array<std::string_view, 3> GanaNames = {N_("Deva"), N_("Manushya"),
                                                              N_("Rakshasa")};

enum Nadi : int { kAdi, kMadhya, kAntya };
inline constexpr std::array<std::string_view, 3> NadiNames = {N_("Adi"), N_("Madhya"), N_("Antya")};

// Rajju: the part of the body a star stands for, counted in a snake from the
// foot to the head and back.
enum Rajju : int { kPadaRajju, kKatiRajju, kNabhiRajju, kKantaRajju, kSiroRajju };
inline constexpr std::array<std::string_view, 5> RajjuNames = {"Pada", "Kati", "Nabhi", "Kanta",
                                                               "Siro"};
// Whether the star lies on a rising (aroha) or falling (avaroha) run of the
// snake; the three head stars turn it and lie on neither.
enum RajjuRun : int { kAroha, kAvaroha, kTurning };

inline constexpr int kNoStar = -1;

struct NakshatraTraits {
    Yoni yoni;
    Gana gana;
    Nadi nadi;
    Rajju rajju;
    RajjuRun run;
    std::array<int, 2> vedha;  // the stars that obstruct this one; kNoStar for none
};

inline constexpr std::array<NakshatraTraits, kNakshatraCount> NakshatraTable = {{
    {kHorse, kDeva, kAdi, kPadaRajju, kAroha, {17, kNoStar}},            // Ashwini
    {kElephant, kManushya, kMadhya, kKatiRajju, kAroha, {16, kNoStar}},  // Bharani
    {kSheep, kRakshasa, kAntya, kNabhiRajju, kAroha, {15, kNoStar}},     // Krittika
    {kSerpent, kManushya, kAntya, kKantaRajju, kAroha, {14, kNoStar}},   // Rohini
    {kSerpent, kDeva, kMadhya, kSiroRajju, kTurning, {13, 22}},          // Mrigashira
    {kDog, kManushya, kAdi, kKantaRajju, kAvaroha, {21, kNoStar}},       // Ardra
    {kCat, kDeva, kAdi, kNabhiRajju, kAvaroha, {20, kNoStar}},           // Punarvasu
    {kSheep, kDeva, kMadhya, kKatiRajju, kAvaroha, {19, kNoStar}},       // Pushya
    {kCat, kRakshasa, kAntya, kPadaRajju, kAvaroha, {18, kNoStar}},      // Ashlesha
    {kRat, kRakshasa, kAntya, kPadaRajju, kAroha, {26, kNoStar}},        // Magha
    {kRat, kManushya, kMadhya, kKatiRajju, kAroha, {25, kNoStar}},       // Purva Phalguni
    {kCow, kManushya, kAdi, kNabhiRajju, kAroha, {24, kNoStar}},         // Uttara Phalguni
    {kBuffalo, kDeva, kAdi, kKantaRajju, kAroha, {23, kNoStar}},         // Hasta
    {kTiger, kRakshasa, kMadhya, kSiroRajju, kTurning, {4, 22}},         // Chitra
    {kBuffalo, kDeva, kAntya, kKantaRajju, kAvaroha, {3, kNoStar}},      // Swati
    {kTiger, kRakshasa, kAntya, kNabhiRajju, kAvaroha, {2, kNoStar}},    // Vishakha
    {kDeer, kDeva, kMadhya, kKatiRajju, kAvaroha, {1, kNoStar}},         // Anuradha
    {kDeer, kRakshasa, kAdi, kPadaRajju, kAvaroha, {0, kNoStar}},        // Jyeshtha
    {kDog, kRakshasa, kAdi, kPadaRajju, kAroha, {8, kNoStar}},           // Mula
    {kMonkey, kManushya, kMadhya, kKatiRajju, kAroha, {7, kNoStar}},     // Purva Ashadha
    {kMongoose, kManushya, kAntya, kNabhiRajju, kAroha, {6, kNoStar}},   // Uttara Ashadha
    {kMonkey, kDeva, kAntya, kKantaRajju, kAroha, {5, kNoStar}},         // Shravana
    {kLion, kRakshasa, kMadhya, kSiroRajju, kTurning, {4, 13}},          // Dhanishtha
    {kHorse, kRakshasa, kAdi, kKantaRajju, kAvaroha, {12, kNoStar}},     // Shatabhisha
    {kLion, kManushya, kAdi, kNabhiRajju, kAvaroha, {11, kNoStar}},      // Purva Bhadrapada
    {kCow, kManushya, kMadhya, kKatiRajju, kAvaroha, {10, kNoStar}},     // Uttara Bhadrapada
    {kElephant, kDeva, kAntya, kPadaRajju, kAvaroha, {9, kNoStar}},      // Revati
}};

struct SignTraits {
    Planet lord;
    Varna varna;
    VashyaGroup firstHalf;     // the sign's vashya group up to 15°
    VashyaGroup secondHalf;    // and from 15°; the same but in Sagittarius and Capricorn
    std::array<int, 2> holds;  // the signs it holds in vasya; -1 for none
};

inline constexpr std::array<SignTraits, 12> SignTable = {{
    {kMarsLord, kKshatriya, kChatushpada, kChatushpada, {4, 7}},  // Aries: Leo, Scorpio
    {kVenusLord, kVaishya, kChatushpada, kChatushpada, {3, 6}},   // Taurus: Cancer, Libra
    {kMercuryLord, kShudra, kManava, kManava, {5, -1}},           // Gemini: Virgo
    {kMoonLord, kBrahmin, kJalachara, kJalachara, {7, 8}},        // Cancer: Scorpio, Sagittarius
    {kSunLord, kKshatriya, kVanachara, kVanachara, {6, -1}},      // Leo: Libra
    {kMercuryLord, kVaishya, kManava, kManava, {2, 11}},          // Virgo: Gemini, Pisces
    {kVenusLord, kShudra, kManava, kManava, {5, 9}},              // Libra: Virgo, Capricorn
    {kMarsLord, kBrahmin, kKeeta, kKeeta, {3, -1}},               // Scorpio: Cancer
    {kJupiterLord, kKshatriya, kManava, kChatushpada, {11, -1}},  // Sagittarius: Pisces
    {kSaturnLord, kVaishya, kChatushpada, kJalachara, {0, 10}},   // Capricorn: Aries, Aquarius
    {kSaturnLord, kShudra, kManava, kManava, {0, -1}},            // Aquarius: Aries
    {kJupiterLord, kBrahmin, kJalachara, kJalachara, {9, -1}},    // Pisces: Capricorn
}};

// How a planet regards another by nature (row: the one who regards).
enum Relation : int { kEnemy, kNeutral, kFriend, kSelf };
inline constexpr std::array<std::array<Relation, kLordCount>, kLordCount> NaturalRelations = {{
    //  Sun      Moon      Mars      Mercury   Jupiter   Venus     Saturn
    {{kSelf, kFriend, kFriend, kNeutral, kFriend, kEnemy, kEnemy}},       // Sun
    {{kFriend, kSelf, kNeutral, kFriend, kNeutral, kNeutral, kNeutral}},  // Moon
    {{kFriend, kFriend, kSelf, kEnemy, kFriend, kNeutral, kNeutral}},     // Mars
    {{kFriend, kEnemy, kNeutral, kSelf, kNeutral, kFriend, kNeutral}},    // Mercury
    {{kFriend, kFriend, kFriend, kEnemy, kSelf, kEnemy, kNeutral}},       // Jupiter
    {{kEnemy, kEnemy, kNeutral, kFriend, kNeutral, kSelf, kFriend}},      // Venus
    {{kEnemy, kEnemy, kEnemy, kFriend, kNeutral, kFriend, kSelf}},        // Saturn
}};

// Points, in half points so that the tables stay integral: 3 is 1.5.
using HalfPoints = int;

// Vashya points, groom's group (row) by bride's group (column): the
// symmetric table, where the "food" pairs give half a point.
inline constexpr std::array<std::array<HalfPoints, 5>, 5> SymmetricVashyaPoints = {{
    // Ch Ma Ja Va Ke
    {{4, 2, 2, 1, 2}},  // Chatushpada
    {{2, 4, 1, 0, 2}},  // Manava
    {{2, 1, 4, 2, 2}},  // Jalachara
    {{1, 0, 2, 4, 0}},  // Vanachara
    {{2, 2, 2, 0, 4}},  // Keeta
}};

// The asymmetric table some almanacs use, written as they print it: the
// bride's group (row) by the groom's group (column).
inline constexpr std::array<std::array<HalfPoints, 5>, 5> AsymmetricVashyaPointsByBride = {{
    // Ch Ma Ja Va Ke
    {{4, 0, 0, 1, 0}},  // Chatushpada
    {{2, 4, 2, 1, 2}},  // Manava
    {{1, 2, 4, 2, 2}},  // Jalachara
    {{0, 0, 0, 4, 0}},  // Vanachara
    {{2, 2, 2, 0, 4}},  // Keeta
}};

// Yoni points, the same whichever of the two is the groom: same animal 4,
// friendly 3, neutral 2, inimical 1, sworn enemies 0.
inline constexpr std::array<std::array<int, kYoniCount>, kYoniCount> YoniPoints = {{
    // Hor Ele She Ser Dog Cat Rat Cow Buf Tig Dee Mon Mgs Lio
    {{4, 2, 2, 3, 2, 2, 2, 1, 0, 1, 3, 3, 2, 1}},  // Horse
    {{2, 4, 3, 3, 2, 2, 2, 2, 3, 1, 2, 3, 2, 0}},  // Elephant
    {{2, 3, 4, 2, 1, 2, 1, 3, 3, 1, 2, 0, 3, 1}},  // Sheep
    {{3, 3, 2, 4, 2, 1, 1, 1, 1, 2, 2, 2, 0, 2}},  // Serpent
    {{2, 2, 1, 2, 4, 2, 1, 2, 2, 1, 0, 2, 1, 1}},  // Dog
    {{2, 2, 2, 1, 2, 4, 0, 2, 2, 1, 3, 3, 2, 1}},  // Cat
    {{2, 2, 1, 1, 1, 0, 4, 2, 2, 2, 2, 2, 1, 2}},  // Rat
    {{1, 2, 3, 1, 2, 2, 2, 4, 3, 0, 3, 2, 2, 1}},  // Cow
    {{0, 3, 3, 1, 2, 2, 2, 3, 4, 1, 2, 2, 2, 1}},  // Buffalo
    {{1, 1, 1, 2, 1, 1, 2, 0, 1, 4, 1, 1, 2, 1}},  // Tiger
    {{3, 2, 2, 2, 0, 3, 2, 3, 2, 1, 4, 2, 2, 1}},  // Deer
    {{3, 3, 0, 2, 2, 3, 2, 2, 2, 1, 2, 4, 3, 2}},  // Monkey
    {{2, 2, 3, 0, 1, 2, 1, 2, 2, 2, 2, 3, 4, 2}},  // Mongoose
    {{1, 0, 1, 2, 1, 1, 2, 1, 1, 1, 1, 2, 2, 4}},  // Lion
}};

// Each animal's sworn enemy: the seven pairs that break Yoni porutham.
inline constexpr std::array<Yoni, kYoniCount> SwornEnemy = {
    kBuffalo, kLion,  kMonkey, kMongoose, kDeer,  kRat,     kCat,
    kTiger,   kHorse, kCow,    kDog,      kSheep, kSerpent, kElephant};

// Graha maitri points of the two Moon-sign lords, in half points: same lord
// or friends both ways 5, friend and neutral 4, neutral both ways 3, friend
// and enemy 1, neutral and enemy 0.5, enemies both ways 0.
inline constexpr std::array<std::array<HalfPoints, kLordCount>, kLordCount> GrahaMaitriPoints = {{
    // Sun Moo Mar Mer Jup Ven Sat
    {{10, 10, 10, 8, 10, 0, 0}},  // Sun
    {{10, 10, 8, 2, 8, 1, 1}},    // Moon
    {{10, 8, 10, 1, 10, 6, 1}},   // Mars
    {{8, 2, 1, 10, 1, 10, 8}},    // Mercury
    {{10, 8, 10, 1, 10, 1, 6}},   // Jupiter
    {{0, 1, 6, 10, 1, 10, 10}},   // Venus
    {{0, 1, 1, 8, 6, 10, 10}},    // Saturn
}};

// Gana points, groom's gana (row) by bride's gana (column).
inline constexpr std::array<std::array<int, 3>, 3> GanaPoints = {{
    // Deva Manushya Rakshasa
    {{6, 6, 0}},  // Deva
    {{5, 6, 0}},  // Manushya
    {{1, 0, 6}},  // Rakshasa
}};

// Same-star couples graded by the common south Indian list: best and middling.
inline constexpr std::array<int, 6> SameStarBest = {3, 5, 7, 9, 12, 21};
inline constexpr std::array<int, 8> SameStarMiddling = {0, 1, 2, 4, 6, 11, 13, 16};

// "X counted from Y", Y itself being the first: 1..n.
constexpr int CountFrom(int from, int to, int n) {
    return ((to - from) % n + n) % n + 1;
}

}  // namespace orbalis::matching
