#pragma once

#include "model/catalogue.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orbalis {

struct TimeZoneRow {
    std::string_view text;  // shown in the zone list, never parsed
    std::int16_t hours;     // west-positive: clock + hours + minutes = universal time
    std::int16_t minutes;   // 0, +-30 or +-45, same sign as hours
};

inline constexpr int kTimeZoneCount = 77;
extern const std::array<TimeZoneRow, kTimeZoneCount> TimeZoneTable;

inline constexpr int kSignCount = 12;
// Index k is sign k from Aries, and chart box k.
inline constexpr std::array<std::string_view, kSignCount> SignAbbreviations = {
    "Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};

// English names of the signs; their first three letters are the abbreviations.
inline constexpr std::array<std::string_view, kSignCount> SignNames = {
    N_("Aries"), N_("Taurus"),  N_("Gemini"),      N_("Cancer"),    N_("Leo"),      N_("Virgo"),
    N_("Libra"), N_("Scorpio"), N_("Sagittarius"), N_("Capricorn"), N_("Aquarius"), N_("Pisces")};

// Sign indexes by name, for rules that speak of particular signs.
enum ZodiacSign : int {
    kAries,
    kTaurus,
    kGemini,
    kCancer,
    kLeo,
    kVirgo,
    kLibra,
    kScorpio,
    kSagittarius,
    kCapricorn,
    kAquarius,
    kPisces
};

// Sanskrit names of the signs, in the same order.
inline constexpr std::array<std::string_view, kSignCount> SanskritSignNames = {
    N_("Mesha"), N_("Vrishabha"), N_("Mithuna"), N_("Kataka"), N_("Simha"),  N_("Kanya"),
    N_("Thula"), N_("Vrishcika"), N_("Dhanush"), N_("Makara"), N_("Kumbha"), N_("Meena")};

// Sign index 0..11 of a three-letter abbreviation, or nothing.
std::optional<int> SignIndex(std::string_view abbreviation);

// The 27 nakshatras of 13 deg 20 min each, from 0 deg Aries, in the spellings
// the lord and pada table matches: the one name of each wherever a reading, a
// match, a file or a document shows it.
inline constexpr int kNakshatraCount = 27;
inline constexpr std::array<std::string_view, kNakshatraCount> kNakshatraNames = {
    N_("Aswini"),
    N_("Bharani"),
    N_("Krittika"),
    N_("Rohini"),
    N_("Mrigsira"),
    N_("Ardra"),
    N_("Punarvasu"),
    N_("Pushya"),
    N_("Aslesha"),
    N_("Magha"),
    N_("Purbha Phalguni"),
    N_("Uttara Phalguni"),
    N_("Hasta"),
    N_("Chitra"),
    N_("Swati"),
    N_("Vishakha"),
    N_("Anuradha"),
    N_("Jyeshtha"),
    N_("Mula"),
    N_("Purva Ashadha"),
    N_("Uttara Ashadha"),
    N_("Shravana"),
    N_("Dhanishtha"),
    N_("Shatbisha"),
    N_("Poorva Bhadrapada"),
    N_("Uttara Bhadrapada"),
    N_("Revati")};

struct NakshatraLordRow {
    std::string_view name;
    std::string_view lord;
    std::string_view pada;  // how many quarters of the nakshatra lie in this row's sign
};

inline constexpr int kNakshatraLordRows = 36;
extern const std::array<NakshatraLordRow, kNakshatraLordRows> NakshatraLordTable;

// Lord and pada of a nakshatra: the first row of that name wins. An unknown
// lagna sign or nakshatra leaves both as they were.
void LookupLordAndPada(std::string_view nakshatra, std::string_view lagnaSign, std::string& lord,
                       std::string& pada);

}  // namespace orbalis
