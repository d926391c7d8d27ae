#pragma once

#include <array>
#include <string>
#include <string_view>

#include "dosha/classical_kuja_dosha.h"

namespace orbalis {

// The classical house rule in the few lines the results form has room for,
// beside its own percentage and verdict.
inline constexpr std::string_view kClassicalBlockTitle =
    N_("Classical house rule (houses 1, 2, 4, 7, 8, 12)");

struct ClassicalBlockLine {
    std::string reference;  // "Lagna", "Moon", "Venus"
    std::string text;       // "Mars in the 1st: dosha, cancelled (Mars with the Moon)"
};

struct ClassicalBlock {
    std::array<ClassicalBlockLine, kKujaReferenceCount> lines;
    // "By the classical rule the person is Manglik", "... not Manglik" or
    // "... Manglik, with every dosha cancelled".
    std::string closing;
};

ClassicalBlock ClassicalBlockOf(const ClassicalKujaDosha& analysis,
                                const Catalogue& words = English());

// "Mars in the 7th: dosha": Mars's house from one reference and its verdict,
// the reasons of a cancellation in brackets.
std::string ClassicalLineText(const ClassicalKujaDosha& analysis, KujaReference reference,
                              const Catalogue& words = English());

// The closing line alone.
std::string ClassicalClosingText(const ClassicalKujaDosha& analysis,
                                 const Catalogue& words = English());

}  // namespace orbalis
