#include <gtest/gtest.h>

#include <algorithm>

#include "model/text_utils.h"

namespace orbalis {
namespace {

// A letter takes a column, a vowel sign or virama joined to it none.
TEST(TextColumns, CountsLettersNotTheirMarks) {
    struct Case {
        const char* name;
        const char* text;
        std::size_t columns;
    };
    const Case cases[] = {
        {"ASCII", "Graha maitri", 12},
        {"degree and prime", "28\u00b0 39\u2032 N", 9},
        {"Devanagari with signs", "नाड़ी", 2},  // न ा ड ़ ी
        {"Devanagari conjunct", "शुक्र", 3},     // श ु क ् र
        {"Tamil with pulli", "செவ்வாய்", 4},     // ச ெ வ ் வ ா ய ்
        {"Tamil aytham", "ஃ", 1},              // a letter of its own, not a mark
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TextColumns(c.text), c.columns);
        EXPECT_EQ(TextColumns(PaddedToColumns(c.text, 14)), std::max<std::size_t>(c.columns, 14));
    }
}

}  // namespace
}  // namespace orbalis
