#include "dosha/interpretation_texts.h"

#include <gtest/gtest.h>

#include "model/chart_reading.h"

#include <array>
#include <cctype>
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orbalis {
namespace {

constexpr std::string_view SharedHouseLordText =
    "You will be intelligent, happy, prosperous, knowledgeable, virtuous, religious and "
    "honorable.";

// One entry of any of the three tables, with a readable name for messages.
struct TextEntry {
    std::string key;
    std::string_view text;
};

std::string BodyKey(int body) {
    return std::string(kBodyNames[body]);
}

std::string HouseKey(int house) {
    return "house " + std::to_string(house);
}

std::vector<TextEntry> BodyDescriptionEntries() {
    std::vector<TextEntry> entries;
    for (int body = 0; body < 7; ++body) {
        entries.push_back({"description of " + BodyKey(body), BodyDescriptions[body]});
    }
    return entries;
}

std::vector<TextEntry> BodyInHouseEntries() {
    std::vector<TextEntry> entries;
    for (int body = 0; body < 7; ++body) {
        for (int house = 1; house <= 12; ++house) {
            entries.push_back(
                {BodyKey(body) + " in " + HouseKey(house), BodyInHouseTexts[body][house - 1]});
        }
    }
    return entries;
}

std::vector<TextEntry> HouseLordEntries() {
    std::vector<TextEntry> entries;
    for (int lord = 1; lord <= 12; ++lord) {
        for (int house = 1; house <= 12; ++house) {
            entries.push_back({"lord of " + HouseKey(lord) + " in " + HouseKey(house),
                               HouseLordTexts[lord - 1][house - 1]});
        }
    }
    return entries;
}

std::vector<TextEntry> AllEntries() {
    std::vector<TextEntry> all = BodyDescriptionEntries();
    for (const auto& entry : BodyInHouseEntries()) all.push_back(entry);
    for (const auto& entry : HouseLordEntries()) all.push_back(entry);
    return all;
}

// Characters as a reader counts them: a UTF-8 multibyte sequence is one.
// Returns -1 for text that is not well-formed UTF-8.
int CharacterCount(std::string_view text) {
    int count = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        if (lead < 0x80) {
            length = 1;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
        } else {
            return -1;
        }
        if (i + length > text.size()) return -1;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return -1;
        }
        i += length;
        ++count;
    }
    return count;
}

TEST(InterpretationTexts, CharacterCountTreatsMultibyteCharactersAsOne) {
    EXPECT_EQ(CharacterCount("abc"), 3);
    EXPECT_EQ(CharacterCount("person\u2019s"), 8);
    EXPECT_EQ(CharacterCount("\xE2\x80"), -1);
    EXPECT_EQ(CharacterCount("a\x80"), -1);
}

TEST(InterpretationTexts, TablesHoldEveryKey) {
    EXPECT_EQ(BodyDescriptionEntries().size(), 7u);
    EXPECT_EQ(BodyInHouseEntries().size(), 84u);
    EXPECT_EQ(HouseLordEntries().size(), 144u);
    for (const auto& entry : AllEntries()) {
        EXPECT_FALSE(entry.text.empty()) << entry.key;
    }
}

TEST(InterpretationTexts, QuotedEntriesStandAtTheirKeys) {
    struct Case {
        const char* key;
        std::string_view actual;
        std::string_view expected;
    };
    const Case cases[] = {
        {"description of Mercury", BodyDescriptions[2],
         "Mercury governs the way that you communicate with those around you."},
        {"description of Venus", BodyDescriptions[3],
         "Venus is the planet that is about how people express socially, romantically and "
         "artistically."},
        {"description of Saturn", BodyDescriptions[6],
         "This is where people are likely to encounter heavy obstacles. It is the planet of "
         "restrictions and limitations."},
        {"Sun in the 6th", BodyInHouseTexts[0][5],
         "These are normally very determined workers but can be very demanding."},
        {"Jupiter in the 1st", BodyInHouseTexts[5][0],
         "These are very broadminded and optimistic people who focus on the brighter side of "
         "life. They are very trustworthy, honest and popular."},
        {"lord of the 1st in the 1st", HouseLordTexts[0][0],
         "You will be beautiful mentally and physically. You will be intelligent and interested "
         "in the opposite sex."},
        {"lord of the 1st in the 4th", HouseLordTexts[0][3],
         "You will have a charming personality. You will receive a lot of love from your mother "
         "and father."},
        {"lord of the 2nd in the 4th", HouseLordTexts[1][3], "You will acquire great riches."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.actual, c.expected) << c.key;
    }
}

TEST(InterpretationTexts, SunDescriptionUsesTheTypographicApostrophe) {
    const std::string_view sun = BodyDescriptions[0];
    EXPECT_NE(sun.find("\u2019"), std::string_view::npos);
    EXPECT_EQ(sun.find('\''), std::string_view::npos);
}

TEST(InterpretationTexts, SharedSentenceStandsAtExactlyFourKeys) {
    // lord's house, occupied house
    const std::map<std::pair<int, int>, bool> expectedPlaces = {
        {{1, 2}, true}, {{2, 11}, true}, {{3, 3}, true}, {{10, 11}, true}};
    for (int lord = 1; lord <= 12; ++lord) {
        for (int house = 1; house <= 12; ++house) {
            const bool expected = expectedPlaces.count({lord, house}) == 1;
            EXPECT_EQ(HouseLordTexts[lord - 1][house - 1] == SharedHouseLordText, expected)
                << "lord of house " << lord << " in house " << house;
        }
    }
    for (const auto& entry : BodyDescriptionEntries()) {
        EXPECT_EQ(entry.text.find(SharedHouseLordText), std::string_view::npos) << entry.key;
    }
    for (const auto& entry : BodyInHouseEntries()) {
        EXPECT_EQ(entry.text.find(SharedHouseLordText), std::string_view::npos) << entry.key;
    }
}

TEST(InterpretationTexts, AllOtherTextsAreDistinct) {
    std::map<std::string_view, std::string> firstKey;
    for (const auto& entry : AllEntries()) {
        if (entry.text == SharedHouseLordText) continue;
        const auto [it, inserted] = firstKey.emplace(entry.text, entry.key);
        EXPECT_TRUE(inserted) << entry.key << " repeats " << it->second;
    }
    EXPECT_EQ(firstKey.size(), 7u + 84u + 144u - 4u);
}

TEST(InterpretationTexts, NoSentenceIsReusedInAnotherText) {
    // Catches a sentence pasted into two entries even when the entries differ.
    std::map<std::string, std::string> firstKey;
    for (const auto& entry : AllEntries()) {
        if (entry.text == SharedHouseLordText) continue;
        std::string_view rest = entry.text;
        while (!rest.empty()) {
            std::size_t end = rest.find(". ");
            end = end == std::string_view::npos ? rest.size() : end + 1;
            const std::string sentence(rest.substr(0, end));
            rest.remove_prefix(end);
            while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
            const auto [it, inserted] = firstKey.emplace(sentence, entry.key);
            EXPECT_TRUE(inserted || it->second == entry.key)
                << "\"" << sentence << "\" in " << entry.key << " and " << it->second;
        }
    }
}

TEST(InterpretationTexts, LengthsStayWithinTheirRanges) {
    struct Range {
        const char* table;
        std::vector<TextEntry> entries;
        int shortest;
        int longest;
    };
    const Range ranges[] = {
        {"body descriptions", BodyDescriptionEntries(), 67, 759},
        {"body in house", BodyInHouseEntries(), 69, 765},
        {"house lords", HouseLordEntries(), 24, 156},
    };
    for (const auto& range : ranges) {
        for (const auto& entry : range.entries) {
            const int count = CharacterCount(entry.text);
            EXPECT_GE(count, range.shortest) << range.table << ": " << entry.key;
            EXPECT_LE(count, range.longest) << range.table << ": " << entry.key;
        }
    }
}

TEST(InterpretationTexts, TextsAreCleanlyJoinedSentences) {
    for (const auto& entry : AllEntries()) {
        const std::string_view text = entry.text;
        ASSERT_FALSE(text.empty()) << entry.key;
        EXPECT_NE(text.front(), ' ') << entry.key;
        EXPECT_EQ(text.back(), '.') << entry.key;
        EXPECT_EQ(text.find("  "), std::string_view::npos) << entry.key;
        for (std::size_t i = 0; i + 1 < text.size(); ++i) {
            const char c = text[i];
            if (c == '.' || c == ',' || c == ';') {
                EXPECT_FALSE(std::isalpha(static_cast<unsigned char>(text[i + 1])))
                    << entry.key << ": no blank after '" << c << "' at " << i;
            }
            EXPECT_FALSE(std::iscntrl(static_cast<unsigned char>(c))) << entry.key;
        }
    }
}

bool HasWord(std::string_view text, std::string_view word) {
    std::string lower;
    for (char c : text) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (std::size_t at = lower.find(word); at != std::string::npos;
         at = lower.find(word, at + 1)) {
        const bool startsWord = at == 0 || !std::isalpha(static_cast<unsigned char>(lower[at - 1]));
        const std::size_t after = at + word.size();
        const bool endsWord =
            after == lower.size() || !std::isalpha(static_cast<unsigned char>(lower[after]));
        if (startsWord && endsWord) return true;
    }
    return false;
}

TEST(InterpretationTexts, HouseLordTextsAreSecondPersonPredictions) {
    for (const auto& entry : HouseLordEntries()) {
        EXPECT_TRUE(entry.text.starts_with("You will ")) << entry.key << ": " << entry.text;
    }
}

TEST(InterpretationTexts, BodyInHouseTextsSpeakAboutThePeople) {
    for (const auto& entry : BodyInHouseEntries()) {
        EXPECT_FALSE(entry.text.starts_with("You")) << entry.key;
        EXPECT_FALSE(HasWord(entry.text, "you")) << entry.key << ": " << entry.text;
        EXPECT_FALSE(HasWord(entry.text, "your")) << entry.key << ": " << entry.text;
    }
}

}  // namespace
}  // namespace orbalis
