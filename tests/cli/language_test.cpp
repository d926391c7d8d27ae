// The companion in Hindi and Tamil: --lang translates the texts for people,
// leaves JSON in English, and refuses a language it has no catalogue for.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/birth_arguments.h"
#include "reading/reading_file.h"
#include "run_program.h"
#include "temp_folder.h"

namespace orbalis::cli {
namespace {

using testing::ProgramRun;
using testing::RunProgram;
using testing::TempFolder;

const std::string kBirth =
    " --date 1985-08-15 --time 10:30 --zone 34 --lat 28N39 --lon 77E13 --city 'New Delhi' "
    "--state Delhi --country India";

std::string SaveReading(const TempFolder& folder, std::string_view file, const BirthTexts& texts) {
    return folder.Write(file,
                        EncodeReadingFile(BirthDetailsFromForm(EntriesFromTexts(texts).entries)));
}

TEST(CompanionLanguage, TranslatesTheTextsForPeople) {
    TempFolder folder;
    const std::string groom = SaveReading(folder, "ravi.orb",
                                          {"Ravi", "1985-08-15", "10:30", "34", "28N38", "77E12",
                                           "0", "New Delhi", "Delhi", "India"});
    const std::string bride = SaveReading(folder, "kiran.orb",
                                          {"Kiran", "1987-04-10", "08:15", "34", "19N04", "72E52",
                                           "0", "Mumbai", "Maharashtra", "India"});
    const std::string match = "match " + groom + " " + bride;
    struct Case {
        const char* name;
        std::string arguments;
        std::string line;                  // a whole line of the output
        std::vector<std::string> english;  // words that must be gone
    };
    const std::vector<std::string> summaryWords = {
        "Name:",      "Born:",        "Moon sign:",     "From the Lagna",
        "changes at", "please check", "Manglik status", "By the classical rule",
        "Mars in the"};
    const std::vector<std::string> matchWords = {
        "agrees",     "fails", "Total:", "Groom:",         "gunas",      "Poruthams",
        "Conclusion", "sworn", "rajju",  "Manglik status", "Kuja dosha", "Mars in"};
    const Case cases[] = {
        {"summary, Hindi", "reading --format summary --lang hi --name Ravi" + kBirth,
         "नक्षत्र: पुष्य, चंद्र चरण 3 में", summaryWords},
        {"summary, Tamil", "reading --format summary --lang ta --name Ravi" + kBirth,
         "நட்சத்திரம்: பூசம், சந்திரன் 3-ஆம் பாதத்தில்", summaryWords},
        {"text, Hindi, in UTF-8",
         "reading --format text --lang hi --name Ravi" + kBirth,
         "जन्म तिथि: 15 अगस्त 1985\r",
         {"Date of Birth", "Planetary Position", "Lord of the"}},
        {"match, Hindi", match + " --lang hi", "वर: Ravi, चंद्र कर्क, पुष्य, चरण 3 में", matchWords},
        {"match, Tamil", match + " --lang ta", "மணமகள்: Kiran, சந்திரன் சிம்மம், மகம், 3-ஆம் பாதம்",
         matchWords},
        {"dasha, Tamil",
         "dasha --lang ta --name Ravi" + kBirth,
         "நட்சத்திரம்: பூசம், அதிபதி சனி",
         {"Balance", "mahadasha", "Period", "Kuja period"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ProgramRun run = RunProgram(folder, c.arguments);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find("\n" + c.line + "\n"), std::string::npos) << run.out;
        for (const std::string& word : c.english)
            EXPECT_EQ(run.out.find(word), std::string::npos) << word << "\n" << run.out;
    }
    // JSON is for programs: the same whatever the language.
    EXPECT_EQ(RunProgram(folder, match + " --format json --lang ta").out,
              RunProgram(folder, match + " --format json --lang en").out);
}

TEST(CompanionLanguage, RefusesWhatItCannotWrite) {
    TempFolder folder;
    struct Case {
        const char* name;
        std::string arguments;
        std::string message;
    };
    const Case cases[] = {
        {"unknown language", "reading --lang xx --name Ravi" + kBirth,
         "no language \"xx\"; the available ones are en, hi, ta"},
        {"code page for Hindi",
         "reading --format text --encoding windows-1252 --lang hi --name Ravi" + kBirth,
         "--encoding windows-1252 cannot hold the letters of --lang hi"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ProgramRun run = RunProgram(folder, c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace orbalis::cli
