#include "sample_readings.h"

namespace orbalis::testing {

BirthDetails DelhiBirth1985() {
    BirthDetails birth;
    birth.name = "Asha Verma";
    birth.day = 15;
    birth.month = 8;
    birth.year = 1985;
    birth.hour = 10;
    birth.minute = 30;
    ApplyZoneRow(birth, 34);
    birth.latitudeDegrees = 28;
    birth.latitudeMinutes = 39;
    birth.longitudeDegrees = 77;
    birth.longitudeMinutes = 13;
    birth.isEast = true;
    birth.isSouth = false;
    birth.city = "New Delhi";
    birth.state = "Delhi";
    birth.country = "India";
    return birth;
}

FormEntries DelhiEntries() {
    FormEntries e;
    e.name = "Ravi Kumar";
    e.latitudeDegrees = "28";
    e.latitudeMinutes = "38";
    e.longitudeDegrees = "77";
    e.longitudeMinutes = "12";
    e.city = "New Delhi";
    e.state = "Delhi";
    e.country = "India";
    e.day = 15;
    e.monthIndex = 7;
    e.year = 1985;
    e.hour = 10;
    e.minute = 30;
    e.zoneIndex = 34;
    return e;
}

FormEntries LondonEntries1988() {
    return {.name = "Emma Clarke",
            .latitudeDegrees = "51",
            .latitudeMinutes = "30",
            .longitudeDegrees = "0",
            .longitudeMinutes = "7",
            .city = "London",
            .state = "England",
            .country = "United Kingdom",
            .east = false,
            .west = true,
            .day = 5,
            .monthIndex = 5,
            .year = 1988,
            .hour = 14,
            .minute = 20,
            .zoneIndex = 29,
            .daylightSaving = true};
}

FormEntries MumbaiEntries1987() {
    FormEntries e;
    e.name = "Kiran Rao";
    e.latitudeDegrees = "19";
    e.latitudeMinutes = "04";
    e.longitudeDegrees = "72";
    e.longitudeMinutes = "52";
    e.city = "Mumbai";
    e.state = "Maharashtra";
    e.country = "India";
    e.day = 10;
    e.monthIndex = 3;
    e.year = 1987;
    e.hour = 8;
    e.minute = 15;
    e.zoneIndex = 34;
    return e;
}

ChartReading DelhiReading1985() {
    ChartReading reading;
    reading.ayanamsaText = "-23\u00b0 39' 14\"";
    reading.ayanamsaDisplay = "23\u00b0 39' 14\"";
    reading.lagnaPositionText = "28 Vir 57";
    reading.midheavenPositionText = "00 Can 14";
    reading.moonPositionText = "13 Can 07";
    reading.nakshatra = "Pushya";
    reading.rashi = "Kataka";
    reading.moonSignName = "Cancer";
    reading.planetName = {"Sun",    "Moon", "Mercury", "Venus",     "Mars",     "Jupiter",
                          "Saturn", "Rahu", "Ketu",    "Ascendant", "Midheaven"};
    reading.planetSanskritName = {"Surya", "Chandra", "Budha", "Shukra", "Mangala", "Guru",
                                  "Shani", "Rahu",    "Ketu",  "Lagna",  "Madhya"};
    reading.planetPositionText = {"28 Can 52", "13 Can 07", "21 Can 37", "21 Gem 20",
                                  "20 Can 05", "17 Cap 15", "28 Lib 19", "18 Ari 35",
                                  "18 Lib 35", "28 Vir 57", "00 Can 14"};
    reading.siderealDegrees = {118.870376, 103.128356, 111.633192, 81.349958,
                               110.092646, 287.253181, 208.331724, 18.597528,
                               198.597528, 178.963127, 90.236006};
    reading.lagnaSign = "Vir";
    reading.lagnaRashiName = "Kanya";
    reading.lord = "Saturn";
    // Moved in whole: assigning the one-letter literal in place draws a false
    // -Wrestrict from GCC 12 at -O3.
    reading.pada = std::string("4");
    return reading;
}

ReadingDisplay DelhiDisplay1985() {
    ReadingDisplay display;
    display.chartBoxes[0] = "Rahu";
    display.chartBoxes[2] = "Shukra";
    display.chartBoxes[3] = "Surya\r\nChandra\r\nBudha\r\nMangala";
    display.chartBoxes[5] = "Asc";
    display.chartBoxes[6] = "Shani\r\nKetu";
    display.chartBoxes[9] = "Guru";
    display.fromLagna = {"Position of Mars from Lagna is 11", "Percentage of Kuja dosha is 0.125%",
                         "The person is Manglik"};
    display.fromMoon = {"Position of Mars from Chandra is 1", "Percentage of Kuja dosha is 0.125%",
                        "The person is Manglik"};
    return display;
}

ChartReading CrowdedReading() {
    ChartReading reading = DelhiReading1985();
    reading.lagnaPositionText = "18 Leo 25";
    reading.midheavenPositionText = "03 Tau 57";
    reading.moonPositionText = "05 Can 40";
    reading.planetSanskritName = {"Surya",        "Chandra",   "Budha (R) ", "Shukra (R) ",
                                  "Mangala (R) ", "Guru (R) ", "Shani (R) ", "Rahu",
                                  "Ketu",         "Lagna",     "Madhya"};
    reading.planetPositionText = {"10 Leo 12", "05 Can 40", "22 Leo 03", "14 Leo 51",
                                  "08 Leo 30", "27 Leo 44", "02 Leo 18", "11 Tau 09",
                                  "11 Sco 09", "18 Leo 25", "03 Tau 57"};
    reading.lagnaSign = "Leo";
    reading.lagnaRashiName = "Simha";
    return reading;
}

ReadingDisplay CrowdedDisplay() {
    ReadingDisplay display;
    display.chartBoxes[4] = kCrowdedBoxText;
    display.chartBoxes[3] = "Chandra";
    display.chartBoxes[1] = "Rahu";
    display.chartBoxes[7] = "Ketu";
    display.fromLagna = {"Position of Mars from Lagna is 1", "Percentage of Kuja dosha is 0%",
                         "The person is Non Manglik"};
    display.fromMoon = {"Position of Mars from Chandra is 2", "Percentage of Kuja dosha is 0.125%",
                        "The person is Manglik"};
    return display;
}

}  // namespace orbalis::testing
