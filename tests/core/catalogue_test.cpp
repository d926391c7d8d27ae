// The message catalogues: the blanks of a pattern, and every compiled
// catalogue of the build against its English texts.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "model/catalogue.h"
#include "reading/languages.h"

namespace orbalis {
namespace {

TEST(Catalogue, FillsNamedBlanks) {
    struct Case {
        const char* pattern;
        const char* filled;
    } const cases[] = {
        {"Mars is in the {house} house from the {point}.",
         "Mars is in the 7th house from the Lagna."},
        {"{point}: {house}", "Lagna: 7th"},
        {"no blanks", "no blanks"},
        {"{unknown} stays, {house}", "{unknown} stays, 7th"},
        {"an open { without a close", "an open { without a close"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(Fill(c.pattern, {{"house", "7th"}, {"point", "Lagna"}}), c.filled);
    }
}

TEST(Catalogue, EnglishTranslatesNothingAndUnreadableBytesAreRefused) {
    EXPECT_EQ(English()("Kuja Dosha"), "Kuja Dosha");
    EXPECT_EQ(English().inContext("any", "Kuja Dosha"), "Kuja Dosha");
    EXPECT_FALSE(Catalogue::FromCompiled("hi", "not a catalogue"));
    EXPECT_FALSE(Catalogue::FromCompiled("hi", ""));
    EXPECT_EQ(CatalogueFor("xx").code(), "en");
    EXPECT_EQ(CatalogueFor("../hi").code(), "en");
}

TEST(Catalogue, LanguageOfALocaleName) {
    EXPECT_EQ(LanguageOfLocaleName("hi_IN.UTF-8"), "hi");
    EXPECT_EQ(LanguageOfLocaleName("ta_IN"), "ta");
    EXPECT_EQ(LanguageOfLocaleName("en_GB.UTF-8@euro"), "en");
    EXPECT_EQ(LanguageOfLocaleName("C.UTF-8"), "en");
    EXPECT_EQ(LanguageOfLocaleName(""), "en");
}

std::vector<std::string> SortedBlanks(std::string_view text) {
    std::istringstream names{BlanksOf(text)};
    std::vector<std::string> blanks;
    for (std::string name; names >> name;) blanks.push_back(name);
    std::sort(blanks.begin(), blanks.end());
    return blanks;
}

// Every built catalogue keeps each blank of its English texts and names
// itself; whether each text is translated at all is the catalogue check's.
TEST(Catalogue, EveryLanguageKeepsTheBlanks) {
    const auto languages = AvailableLanguages();
    ASSERT_GE(languages.size(), 3u) << "the Hindi and Tamil catalogues are built with the program";
    for (const LanguageChoice& language : languages) {
        if (language.code == "en") continue;
        SCOPED_TRACE(language.code);
        const Catalogue words = CatalogueFor(language.code);
        EXPECT_NE(language.name, "English");
        for (const auto& [english, translated] : words.texts()) {
            EXPECT_EQ(SortedBlanks(translated), SortedBlanks(english)) << english;
        }
    }
}

}  // namespace
}  // namespace orbalis
