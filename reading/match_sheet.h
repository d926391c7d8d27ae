#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "dosha/classical_kuja_dosha.h"
#include "matching/ashtakoota.h"
#include "matching/match_flags.h"
#include "matching/poruthams.h"
#include "model/catalogue.h"
#include "reading/couple_match.h"

namespace orbalis {

// The match sheet: every value and sentence a marriage match shows, composed
// once. The match window lays it out in labels and tables, MatchSheetText
// in plain lines (the companion's text, the copied text and the PDF), and
// the companion's JSON takes its sentences from it, so that no page can say
// a match differently from another.

// The headings, translated where they are shown.
inline constexpr std::string_view kMatchTitle = N_("Marriage match");
inline constexpr std::string_view kAshtakootaHeading = N_("Ashtakoota (36 gunas)");
inline constexpr std::array<std::string_view, 4> kKootaColumnTitles = {N_("Koota"), N_("Groom"),
                                                                       N_("Bride"), N_("Points")};
inline constexpr std::string_view kDoshasHeading = N_("Doshas and their exceptions");
inline constexpr std::string_view kPoruthamsHeading = N_("Poruthams (* most families require it)");
inline constexpr std::array<std::string_view, 3> kPoruthamColumnTitles = {N_("Porutham"),
                                                                          N_("Result"), N_("Why")};
inline constexpr std::string_view kManglikBalanceHeading =
    N_("Manglik balance: the classical house rule");
inline constexpr std::string_view kConclusionHeading = N_("Conclusion");

// The sentence of each SameBirth, empty for No.
inline constexpr std::array<std::string_view, 3> kSameBirthSentences = {
    "",
    N_("Both readings are of the same birth: the same minute and place give both people one "
       "chart."),
    N_("Both readings are of the same birth: a reading matched with itself."),
};

struct MatchSheetPerson {
    std::string_view role;  // "groom" or "bride": the machine value
    std::string name;
    // "Groom: Ravi Kumar, Moon in Cancer, Pushya, pada 3"
    std::string moonLine;
    // "Ravi Kumar, Mars in Cancer": the heading of the classical rows.
    std::string marsLine;
    ClassicalKujaDosha analysis;  // the rows, as ClassicalRow words them
    // "Manglik status: Manglik, cancelled — Mars with the Moon."
    std::string statusLine;
};

struct MatchSheetKoota {
    std::string koota;  // "Graha maitri"
    std::string groom;  // what the koota compared: "Brahmin"
    std::string bride;
    std::string points;  // "1.5 of 3"
};

struct MatchSheetDosha {
    bool present = false;
    // "Bhakoot dosha: present; cancelled in some readings by: Friendly sign lords"
    std::string line;
    // Of a present dosha, each exception that holds: "Friendly sign lords:
    // The lords of the two Moon signs are natural friends of each other."
    std::vector<std::string> exceptions;
};

struct MatchSheetPorutham {
    std::string name;  // "Rajju *": a required one carries the star
    bool agrees = false;
    std::string result;  // "agrees" or "fails"
    std::string reason;
};

struct MatchSheet {
    std::array<MatchSheetPerson, 2> people;  // the groom first
    std::string sameBirth;                   // kSameBirthSentences; empty for two births
    std::array<MatchSheetKoota, matching::kKootaCount> kootas;
    std::string total;  // "Total: 17.5 of 36 gunas (not recommended)"
    std::array<MatchSheetDosha, matching::kKootaDoshaCount> doshas;
    std::array<MatchSheetPorutham, matching::kPoruthamCount> poruthams;
    std::string poruthamCount;  // "7 of 10 poruthams agree, Rajju and Vedha among them"
    // The two-person rule: its conclusion, the note when both are Manglik at
    // different levels, and its reason (each person's status by name).
    std::string manglikConclusion;
    std::string manglikNote;
    std::string manglikReason;
    // A dosha left unbalanced lists the traditional remedies.
    bool remedies = false;
    // A few plain sentences: the band and total, the poruthams with Rajju
    // and Vedha, the doshas, the conclusion of the Manglik balance.
    std::string conclusion;
};

// The sheet in the language of `words`; the companion's JSON takes the
// English one.
MatchSheet ComposeMatchSheet(const CoupleMatch& match, const Catalogue& words = English());

// The sheet as plain text, lines ending in LF, its first line the title;
// `words` gives the headings and should be the sheet's own language.
std::string MatchSheetText(const MatchSheet& sheet, const Catalogue& words = English());

}  // namespace orbalis
