#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "cli/batch.h"
#include "cli/guna_table.h"
#include "cli/match_batch.h"
#include "cli/match_command.h"
#include "reading/reading_file.h"

#include "csv_rows.h"
#include "temp_folder.h"

namespace orbalis::cli {
namespace {

using testing::CsvRows;
using testing::ParseCsv;
using testing::ReadBytes;
using testing::TempFolder;

std::string SaveReading(const TempFolder& folder, std::string_view file, const BirthTexts& texts) {
    return folder.Write(file,
                        EncodeReadingFile(BirthDetailsFromForm(EntriesFromTexts(texts).entries)));
}

// Delhi, 15 August 1985, 10:30 IST (Moon in Pushya), and Mumbai, 10 April
// 1987, 08:15 IST (Moon in Magha).
const BirthTexts kDelhi = {"Ravi Kumar", "1985-08-15", "10:30",     "34",    "28N38",
                           "77E12",      "0",          "New Delhi", "Delhi", "India"};
const BirthTexts kMumbai = {"Kiran Rao", "1987-04-10", "08:15",  "34",          "19N04",
                            "72E52",     "0",          "Mumbai", "Maharashtra", "India"};

// Checked by hand against the rule tables: Pushya 3 and Magha 3.
constexpr std::string_view kRaviWithKiran = R"golden(Marriage match
Groom: Ravi Kumar, Moon in Cancer, Pushya, pada 3
Bride: Kiran Rao, Moon in Leo, Magha, pada 3

Ashtakoota (36 gunas)
Koota          Groom          Bride          Points
Varna          Brahmin        Kshatriya      1 of 1
Vashya         Jalachara      Vanachara      1 of 2
Tara           Mitra          Vipat          1.5 of 3
Yoni           Sheep          Rat            1 of 4
Graha maitri   Moon           Sun            5 of 5
Gana           Deva           Rakshasa       0 of 6
Bhakoot        Cancer         Leo            0 of 7
Nadi           Madhya         Antya          8 of 8
Total: 17.5 of 36 gunas (not recommended)

Doshas
Nadi dosha: none
Bhakoot dosha: present; cancelled in some readings by: Friendly sign lords; Friendly navamsa lords
  Friendly sign lords: The lords of the two Moon signs are natural friends of each other.
  Friendly navamsa lords: The lords of the Moons' navamsa signs are the same or natural friends of each other.
Gana dosha: present; cancelled in some readings by: Friendly sign lords
  Friendly sign lords: The lords of the two Moon signs are the same or natural friends of each other.
Tara dosha: present; cancelled in some readings by: Friendly lords
  Friendly lords: The lords of the Moon signs, or of their navamsa signs, are the same or natural friends.

Poruthams (* most families require it)
Dina            agrees  The groom's star is the 26th from the bride's, one of the agreeing counts.
Gana            fails   Deva and Rakshasa: a Rakshasa with another gana.
Mahendra        fails   The groom's star is the 26th from the bride's, not the 4th, 7th, 10th or every third after it to the 25th.
Stree deergha   agrees  The groom's star is the 26th from the bride's, beyond the 13th.
Yoni            agrees  Sheep and Rat are not sworn enemies.
Rasi            agrees  The groom's sign is the 12th from the bride's, beyond the 6th.
Rasyadhipati    agrees  Moon and Sun: neither counts the other an enemy.
Vasya           fails   Cancer is not held by Leo.
Rajju *         agrees  Kati and Pada: different rajjus.
Vedha *         agrees  Pushya and Magha do not obstruct each other.
7 of 10 poruthams agree, Rajju and Vedha among them

Manglik match: the classical house rule

Ravi Kumar, Mars in Cancer
From                      Mars in the  Dosha house  Classical verdict
Lagna in Virgo            11th house   no           no dosha
Moon (Chandra) in Cancer  1st house    yes          dosha, cancelled by Mars with Jupiter or the Moon
Venus (Shukra) in Gemini  2nd house    yes          dosha, cancelled by Mars with Jupiter or the Moon
Manglik status: Manglik, cancelled — Mars with the Moon.

Kiran Rao, Mars in Taurus
From                        Mars in the  Dosha house  Classical verdict
Lagna in Aries              2nd house    yes          dosha
Moon (Chandra) in Leo       10th house   no           no dosha
Venus (Shukra) in Aquarius  4th house    yes          dosha
Manglik status: High Manglik — Mars in the 2nd from the Lagna and the 4th from Venus.

Kuja dosha is not balanced: only Kiran Rao is Manglik (High Manglik).

Traditional remedies (parihara)
These are traditional practices that families and astrologers commonly name; Orbalis lists them without recommending any.
Marrying a Manglik partner: two Manglik charts balance each other (dosha samya), which is itself the first traditional answer.
Kumbh vivah: a symbolic marriage of the Manglik person to a clay or metal pot, which is then broken or immersed.
Tree or image marriage: the same rite with a peepal or banana tree, or an image of Vishnu.
Mantra and recitation: the mantras of Mars (Mangal, Angaraka), such as "om kram krim kraum sah bhaumaya namah" or "om angarakaya namah"; the Mangala Chandika Stotra; the Hanuman Chalisa; the Mahamrityunjaya mantra.
Fasting on Tuesdays: a fast on Tuesday, the day of Mars, often with the worship of Hanuman.
Temple worship: Hanuman temples on Tuesdays; the shrine of Angaraka (Chevvai) at Vaitheeswaran Koil; Palani; the Mangalanathar temple at Sirukudi.
Gem and charity: red coral, the gem of Mars, worn on an astrologer's advice; gifts of red things on Tuesdays.
Lal Kitab measures: household and charity measures after the Lal Kitab.

Conclusion
By the Moons the match is not recommended, with 17.5 of 36 gunas. 7 of the ten poruthams agree, Rajju and Vedha among them. Present: Bhakoot dosha, Gana dosha, Tara dosha; each has an exception that some readings accept. Kuja dosha is not balanced: only Kiran Rao is Manglik (High Manglik).
)golden";

TEST(MarriageMatch, TextIsTheWholeMatch) {
    TempFolder folder;
    const std::string ravi = SaveReading(folder, "ravi.orb", kDelhi);
    const std::string kiran = SaveReading(folder, "kiran.orb", kMumbai);
    const ReadingOutcome text = MatchFromFiles(ravi, kiran, ReadingFormat::Text);
    ASSERT_EQ(text.exitStatus, 0) << text.error;
    EXPECT_EQ(text.output, kRaviWithKiran);
}

// The JSON holds the same match under its keys; the groom is the first file.
TEST(MarriageMatch, JsonKeysFollowTheGroom) {
    TempFolder folder;
    const std::string ravi = SaveReading(folder, "ravi.orb", kDelhi);
    const std::string kiran = SaveReading(folder, "kiran.orb", kMumbai);
    struct Case {
        const char* name;
        std::string groom, bride;
        nlohmann::json ashtakoota;
        int poruthams;
    };
    const Case cases[] = {
        {"Ravi the groom", ravi, kiran,
         nlohmann::json::parse(R"({"varna":1,"vashya":1,"tara":1.5,"yoni":1,"graha_maitri":5,
             "gana":0,"bhakoot":0,"nadi":8,"total":17.5,"band":"not recommended"})"),
         7},
        {"Kiran the groom", kiran, ravi,
         nlohmann::json::parse(R"({"varna":0,"vashya":1,"tara":1.5,"yoni":1,"graha_maitri":5,
             "gana":1,"bhakoot":0,"nadi":8,"total":17.5,"band":"not recommended"})"),
         4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ReadingOutcome outcome = MatchFromFiles(c.groom, c.bride, ReadingFormat::Json);
        ASSERT_EQ(outcome.exitStatus, 0) << outcome.error;
        const auto json = nlohmann::json::parse(outcome.output);
        EXPECT_EQ(json.at("ashtakoota"), c.ashtakoota);
        EXPECT_EQ(json.at("poruthams").at("count"), c.poruthams);
        EXPECT_EQ(json.at("exceptions").at("bhakoot_dosha"), true);
        EXPECT_EQ(json.at("readings").at(0).at("role"), "groom");
        EXPECT_EQ(json.at("readings").at(0).at("file"), c.groom);
        EXPECT_EQ(json.at("conclusion"),
                  "Kuja dosha is not balanced: only Kiran Rao is Manglik (High Manglik).");
        EXPECT_EQ(json.at("manglikBalance"), "not_balanced");
    }
}

TEST(MarriageMatch, GunaTableHasEveryPairOrTheFilteredOnesBestFirst) {
    const CsvRows all = ParseCsv(GunaTable({}));
    ASSERT_EQ(all.size(), 11665u);
    EXPECT_EQ(all[1][0] + all[1][1] + all[1][2] + all[1][3], "1111");
    EXPECT_EQ(all.back()[0] + all.back()[1] + all.back()[2] + all.back()[3], "274274");

    // Magha 1 with Revati 2, the reference's sixth worked example.
    EXPECT_EQ(GunaTable({10, 1, 27, 2}),
              std::string(kGunaTableHeader) +
                  "\r\n10,1,27,2,0,1,3,2,5,1,0,0,12,true,false,false,false,true,false,true,false,"
                  "false,false\r\n");

    const CsvRows mine = ParseCsv(GunaTable({10, 1, std::nullopt, std::nullopt}));
    ASSERT_EQ(mine.size(), 109u);
    for (std::size_t i = 2; i < mine.size(); ++i)
        EXPECT_GE(std::stod(mine[i - 1][12]), std::stod(mine[i][12])) << i;
}

TEST(MarriageMatch, BatchWritesOneMatchACoupleInOrderWhateverTheJobs) {
    const std::string input =
        "couple,groom_name,groom_date,groom_time,groom_zone,groom_lat,groom_lon,groom_dst,"
        "groom_city,groom_state,groom_country,bride_name,bride_date,bride_time,bride_zone,"
        "bride_lat,bride_lon,bride_dst,bride_city,bride_state,bride_country\r\n"
        "1,Ravi Kumar,1985-08-15,10:30,34,28N38,77E12,0,New Delhi,Delhi,India,"
        "Kiran Rao,1987-04-10,08:15,34,19N04,72E52,0,Mumbai,Maharashtra,India\r\n"
        "2,Ravi Kumar,1985-08-15,10:30,34,28N38,77E12,0,New Delhi,Delhi,India,"
        "Kiran Rao,1987-13-10,08:15,34,19N04,72E52,0,Mumbai,Maharashtra,India\r\n";
    const std::string expected =
        "1,Ravi Kumar,1985-08-15,10:30,34,28N38,77E12,0,New Delhi,Delhi,India,"
        "Kiran Rao,1987-04-10,08:15,34,19N04,72E52,0,Mumbai,Maharashtra,India,"
        "Cancer,Pushya,3,Leo,Magha,3,1,1,1.5,1,5,0,0,8,17.5,not recommended,7,"
        "gana mahendra vasya,not balanced: bride,ok,\r\n"
        "2,Ravi Kumar,1985-08-15,10:30,34,28N38,77E12,0,New Delhi,Delhi,India,"
        "Kiran Rao,1987-13-10,08:15,34,19N04,72E52,0,Mumbai,Maharashtra,India,"
        ",,,,,,,,,,,,,,,,,,,refused,bride_date: The month must lie between 01 and 12\r\n";
    for (unsigned jobs : {1u, 2u}) {
        SCOPED_TRACE(jobs);
        TempFolder folder;
        const std::string inPath = folder.Write("in.csv", input);
        const std::string outPath = folder.File("out.csv");
        std::FILE* in = std::fopen(inPath.c_str(), "rb");
        std::FILE* out = std::fopen(outPath.c_str(), "wb");
        BatchOptions options;
        options.jobs = jobs;
        const BatchSummary summary = RunMatchBatch(in, out, options);
        std::fclose(in);
        std::fclose(out);
        EXPECT_EQ(summary.exitStatus, kBatchRowsRefused);
        EXPECT_EQ(summary.rowsRefused, 1);
        const std::string output = ReadBytes(outPath);
        EXPECT_EQ(output.substr(output.find("\r\n") + 2), expected);
    }
}

TEST(MarriageMatch, BatchNamesTheMissingColumnWithItsPrefix) {
    TempFolder folder;
    const std::string inPath = folder.Write(
        "in.csv",
        "groom_name,groom_date,groom_time,groom_place,bride_name,bride_date,bride_time\r\n");
    std::FILE* in = std::fopen(inPath.c_str(), "rb");
    std::FILE* out = std::fopen(folder.File("out.csv").c_str(), "wb");
    const BatchSummary summary = RunMatchBatch(in, out);
    std::fclose(in);
    std::fclose(out);
    EXPECT_EQ(summary.exitStatus, kBatchUnreadable);
    EXPECT_EQ(summary.error, "line 1: the header lacks the column \"bride_zone\"");
}

}  // namespace
}  // namespace orbalis::cli
