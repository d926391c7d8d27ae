#include "model/reference_tables.h"

#include "model/birth_details.h"

namespace orbalis {

// Rows whose text has blanks after the commas, and row 34's "+5.3" for 5 h 30,
// are written as the zone list has always shown them.
constexpr std::array<TimeZoneRow, kTimeZoneCount> kTimeZones = {{
    {"Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0},            // 0
    {"Alaska/Hawaii Standard Time,AHST,-10.0", 10, 0},          // 1
    {"Alaska/Hawaii War Time,AHWT,-9.0", 9, 0},                 // 2
    {"Atlantic Standard Time,AST,-4.0", 4, 0},                  // 3
    {"Atlantic War Time,AWT,-3.0", 3, 0},                       // 4
    {"Australian Central Daylight Time,ACDT,+10.5", -10, -30},  // 5
    {"Australian Central Standard Time,ACST,+9.5", -9, -30},    // 6
    {"Australian Eastern Daylight Time,AEDT,+11.0", -11, 0},    // 7
    {"Australian Eastern Standard Time,AEST,+10.0", -10, 0},    // 8
    {"Australian Western Daylight Time,AWDT,+9.0", -9, 0},      // 9
    {"Australian Western Standard Time,AWST,+8.0", -8, 0},      // 10
    {"Azores Time, AT, -2.0", 2, 0},                            // 11
    {"Baghdad Time, BAT, +3.0", -3, 0},                         // 12
    {"Bering Standard Time,BET,-11.0", 11, 0},                  // 13
    {"Brazil Zone 2,BZT2,-3.0", 3, 0},                          // 14
    {"British Double Summer Time,BDST,+2.0", -2, 0},            // 15
    {"British Summer Time,BST,+1.0", -1, 0},                    // 16
    {"British War Time,BWT,+2.0", -2, 0},                       // 17
    {"Central Daylight Time,CDT,-5.0", 5, 0},                   // 18
    {"Central European Daylight,CED,+2.0", -2, 0},              // 19
    {"Central European Time,CET,+1.0", -1, 0},                  // 20
    {"Central Standard Time,CST,-6.0", 6, 0},                   // 21
    {"Central War Time,CWT,-5.0", 5, 0},                        // 22
    {"China Coast Time,CCT,+8.0", -8, 0},                       // 23
    {"Eastern Daylight Time,EDT,-4.0", 4, 0},                   // 24
    {"Eastern European Daylight Time,EED,+3.0", -3, 0},         // 25
    {"Eastern European Time,EET,+2.0", -2, 0},                  // 26
    {"Eastern Standard Time,EST,-5.0", 5, 0},                   // 27
    {"Eastern War Time,EWT,-4.0", 4, 0},                        // 28
    {"Greenwich Mean Time,GMT,0.0", 0, 0},                      // 29
    {"Guam Standard Time,GST,+10.0", -10, 0},                   // 30
    {"Hawaiian Daylight Time,HDT,-9.5", 9, 30},                 // 31
    {"Hawaiian Standard Time,HST,-10.5", 10, 30},               // 32
    {"Hawaiian War Time,HWT,-9.5", 9, 30},                      // 33
    {"Indian Time, IST, +5.3", -5, -30},                        // 34
    {"Int'l Date Line East,IDLE,+12.0", -12, 0},                // 35
    {"Int'l Date Line West,IDLW,-12.0", 12, 0},                 // 36
    {"Iran Time, IT, +3.5", -3, -30},                           // 37
    {"Japan Standard Time,JST,+9.0", -9, 0},                    // 38
    {"Java Time, JT, +7.5", -7, -30},                           // 39
    {"Middle European Daylight Time,MED,+2.0", -2, 0},          // 40
    {"Middle European Time,MET,+1.0", -1, 0},                   // 41
    {"Moluccas Time, MT, +8.5", -8, -30},                       // 42
    {"Mountain Daylight Time,MDT,-6.0", 6, 0},                  // 43
    {"Mountain Standard Time,MST,-7.0", 7, 0},                  // 44
    {"Mountain War Time,MWT,-6.0", 6, 0},                       // 45
    {"New Zealand Std Summer Time,NZST,+13.0", -13, 0},         // 46
    {"New Zealand Std Time,NZT,+12.0", -12, 0},                 // 47
    {"New Zealand Summer Time,NZS,+12.5", -12, -30},            // 48
    {"New Zealand Time,NZ,+11.5", -11, -30},                    // 49
    {"Newfoundland Standard Time,NST,-3.5", 3, 30},             // 50
    {"Nome Time, NT, -11.0", 11, 0},                            // 51
    {"North Sumatra Time,NST,+6.5", -6, -30},                   // 52
    {"Pacific Daylight Time,PDT,-7.0", 7, 0},                   // 53
    {"Pacific Standard Time,PST,-8.0", 8, 0},                   // 54
    {"Pacific War Time,PWT,-7.0", 7, 0},                        // 55
    {"South Australia Daylight Time,SAD,+10.5", -10, -30},      // 56
    {"South Australia Daylight Time,SDT,+10.5", -10, -30},      // 57
    {"South Australia Standard Time,SAST,+9.5", -9, -30},       // 58
    {"South Australia Standard Time,SAT,+9.5", -9, -30},        // 59
    {"South Sumatra Time,SST,+7.0", -7, 0},                     // 60
    {"Universal Time, UT, 0.0", 0, 0},                          // 61
    {"USSR Zone 10,UZ10,+11.0", -11, 0},                        // 62
    {"USSR Zone 3,USZ3,+4.0", -4, 0},                           // 63
    {"USSR Zone 4,USZ4,+5.0", -5, 0},                           // 64
    {"USSR Zone 5,USZ5,+6.0", -6, 0},                           // 65
    {"USSR Zone 6,USZ6,+7.0", -7, 0},                           // 66
    {"West Africa Time,WAT,-1.0", 1, 0},                        // 67
    {"Yukon Daylight Time,YDT,-8.0", 8, 0},                     // 68
    {"Yukon Standard Time,YST,-9.0", 9, 0},                     // 69
    {"Yukon War Time,YWT,-8.0", 8, 0},                          // 70
    // Offsets in use today that the rows above lack; saved readings name rows
    // by number, so new rows only ever go at the end.
    {"Afghanistan Time,AFT,+4.5", -4, -30},                    // 71
    {"Australian Central Western Time,ACWST,+8.75", -8, -45},  // 72
    {"Chatham Standard Time,CHAST,+12.75", -12, -45},          // 73
    {"Line Islands Time,LINT,+14.0", -14, 0},                  // 74
    {"Marquesas Time,MART,-9.5", 9, 30},                       // 75
    {"Nepal Time,NPT,+5.75", -5, -45},                         // 76
}};
const std::array<TimeZoneRow, kTimeZoneCount> TimeZoneTable = kTimeZones;

// A nakshatra whose quarters fall in two signs has a row for each sign.
constexpr std::array<NakshatraLordRow, kNakshatraLordRows> kNakshatraLords = {{
    {"Aswini", "Ketu", "4"},                // 0
    {"Bharani", "Venus", "4"},              // 1
    {"Krittika", "Sun", "1"},               // 2
    {"Krittika", "Sun", "3"},               // 3
    {"Rohini", "Moon", "4"},                // 4
    {"Mrigsira", "Mars", "2"},              // 5
    {"Mrigsira", "Mars", "2"},              // 6
    {"Ardra", "Rahu", "4"},                 // 7
    {"Punarvasu", "Jupiter", "3"},          // 8
    {"Punarvasu", "Jupiter", "1"},          // 9
    {"Pushya", "Saturn", "4"},              // 10
    {"Aslesha", "Mercury", "4"},            // 11
    {"Magha", "Ketu", "4"},                 // 12
    {"Purbha Phalguni", "Venus", "4"},      // 13
    {"Uttara Phalguni", "Sun", "1"},        // 14
    {"Uttara Phalguni", "Sun", "3"},        // 15
    {"Hasta", "Moon", "4"},                 // 16
    {"Chitra", "Mars", "2"},                // 17
    {"Chitra", "Mars", "2"},                // 18
    {"Swati", "Rahu", "4"},                 // 19
    {"Vishakha", "Jupiter", "3"},           // 20
    {"Vishakha", "Jupiter", "1"},           // 21
    {"Anuradha", "Saturn", "4"},            // 22
    {"Jyeshtha", "Mercury", "4"},           // 23
    {"Mula", "Ketu", "4"},                  // 24
    {"Purva Ashadha", "Venus", "4"},        // 25
    {"Uttara Ashadha", "Sun", "1"},         // 26
    {"Uttara Ashadha", "Sun", "3"},         // 27
    {"Shravana", "Moon", "4"},              // 28
    {"Dhanistha", "Mars", "2"},             // 29
    {"Dhanishtha", "Mars", "2"},            // 30
    {"Shatbisha", "Rahu", "4"},             // 31
    {"Poorva Bhadrapada", "Jupiter", "3"},  // 32
    {"Poorva Bhadrapada", "Jupiter", "1"},  // 33
    {"Uttara Bhadrapada", "Saturn", "4"},   // 34
    {"Revati", "Mercury", "4"},             // 35
}};
const std::array<NakshatraLordRow, kNakshatraLordRows> NakshatraLordTable = kNakshatraLords;

namespace {

// Every reading looks signs up dozens of times: the three letters are packed
// into one number, and a multiply-and-shift hash, free of collisions for the
// twelve abbreviations, picks the one sign they can be.
constexpr std::uint32_t PackedLetters(std::string_view text) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(text[0])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(text[1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(text[2]));
}

constexpr std::uint32_t kSignHashMultiplier = 124891;
constexpr int kSignHashBits = 5;

constexpr std::size_t SignSlot(std::uint32_t packed) {
    return static_cast<std::uint32_t>(packed * kSignHashMultiplier) >> (32 - kSignHashBits);
}

struct SignHashTable {
    std::array<std::uint32_t, kSignCount> packed{};
    std::array<std::int8_t, 1 << kSignHashBits> signOfSlot{};
    bool collisionFree = true;
};

constexpr SignHashTable kSignHash = [] {
    SignHashTable table;
    table.signOfSlot.fill(-1);
    for (std::size_t i = 0; i < kSignCount; ++i) {
        table.packed[i] = PackedLetters(SignAbbreviations[i]);
        std::int8_t& slot = table.signOfSlot[SignSlot(table.packed[i])];
        if (slot >= 0) table.collisionFree = false;
        slot = static_cast<std::int8_t>(i);
    }
    return table;
}();
static_assert(kSignHash.collisionFree, "two sign abbreviations share a hash slot");

}  // namespace

std::optional<int> SignIndex(std::string_view abbreviation) {
    if (abbreviation.size() != 3) return std::nullopt;
    const std::uint32_t packed = PackedLetters(abbreviation);
    const int sign = kSignHash.signOfSlot[SignSlot(packed)];
    if (sign < 0 || kSignHash.packed[static_cast<std::size_t>(sign)] != packed) return std::nullopt;
    return sign;
}

void LookupLordAndPada(std::string_view nakshatra, std::string_view lagnaSign, std::string& lord,
                       std::string& pada) {
    if (!SignIndex(lagnaSign)) return;
    for (const auto& row : NakshatraLordTable) {
        if (row.name == nakshatra) {
            lord = row.lord;
            pada = row.pada;
            return;
        }
    }
}

void ApplyZoneRow(BirthDetails& birth, int zoneIndex) {
    const TimeZoneRow& row = TimeZoneTable.at(static_cast<std::size_t>(zoneIndex));
    birth.zoneIndex = static_cast<std::int16_t>(zoneIndex);
    birth.zoneHours = row.hours;
    birth.zoneMinutes = row.minutes;
    birth.zoneHoursAbs = static_cast<std::int16_t>(row.hours < 0 ? -row.hours : row.hours);
    birth.zoneMinutesAbs = static_cast<std::int16_t>(row.minutes < 0 ? -row.minutes : row.minutes);
}

}  // namespace orbalis
