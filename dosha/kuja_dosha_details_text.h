#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "dosha/classical_kuja_dosha.h"
#include "dosha/manglik_status.h"

namespace orbalis {

// The words of one row of the classical Kuja dosha details, as the details
// window, its printout and its copied text show them.
struct ClassicalRowText {
    std::string from;        // "Venus (Shukra) in Gemini"
    std::string house;       // "2nd house"
    std::string doshaHouse;  // "yes" or "no"
    std::string verdict;     // ClassicalVerdictText
};
// Translated where shown.
inline constexpr std::array<std::string_view, 4> kClassicalColumnTitles = {
    N_("From"), N_("Mars in the"), N_("Dosha house"), N_("Classical verdict")};

inline constexpr std::string_view kClassicalDetailsTitle =
    N_("Kuja Dosha Details: the classical house rule");

ClassicalRowText ClassicalRow(const ClassicalKujaDosha& analysis, KujaReference reference,
                              const Catalogue& words = English());

// The rules that hold from at least one reference, in the order of the rules.
std::vector<Cancellation> CancellationsThatHold(const ClassicalKujaDosha& analysis);

// The whole details as plain text, lines ending in LF: the title, the name
// and Mars's sign, the Manglik status with its reasons and notes, a table of
// the three references, the explanation of every cancellation that holds,
// how the classical verdict differs from the percentage on the results form
// and, for a Manglik status only, the traditional remedies.
std::string KujaDoshaDetailsText(const ManglikAssessment& assessment, std::string_view name,
                                 const Catalogue& words = English());

// The three rows of one reading as aligned text lines, a heading line first.
std::string ClassicalTableText(const ClassicalKujaDosha& analysis,
                               const Catalogue& words = English());

}  // namespace orbalis
