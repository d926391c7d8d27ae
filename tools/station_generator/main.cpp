// Writes positions/station_tables.cpp: every retrograde period of Mercury to
// Saturn whose turn-retrograde moment falls in the years 1900 to 2050.
//
// A station is the instant where the planet's geocentric ecliptic longitude
// speed changes sign. Positions are geometric positions of date (no
// aberration, no light time), taken from the Swiss Ephemeris files of Debian's
// swe-basic-data. The speed is sampled once a day at 0h UT; each sign change is
// bisected to a few milliseconds and written in universal time rounded to the
// minute. Rows that the program has always shown are kept with their historical
// text (see kKeptRows); the generator checks that they fall on the dates it
// finds.
//
// Usage: station_generator [output-path]   (stdout when no path is given)
// See README.md in this folder for how to regenerate the committed file.

#include <swephexp.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2050;

struct Planet {
    int sweBody;
    const char* name;       // as in RetrogradePlanet
    const char* tableName;  // the name of the generated array
};

constexpr Planet kPlanets[] = {
    {SE_MERCURY, "Mercury", "kMercuryRows"}, {SE_VENUS, "Venus", "kVenusRows"},
    {SE_MARS, "Mars", "kMarsRows"},          {SE_JUPITER, "Jupiter", "kJupiterRows"},
    {SE_SATURN, "Saturn", "kSaturnRows"},
};

// Rows whose text the program has always shown. Their dates agree with the
// ephemeris; some of their minutes do not, and two read 0:xx for 12:xx.
struct KeptRow {
    const char* planet;
    const char* stationRetrograde;
    const char* stationDirect;
};

constexpr KeptRow kKeptRows[] = {
    {"Mercury", "3,15,1900,13,19,", "4,7,1900,18,42,"},
    {"Mercury", "2,21,2000,0,39,", "3,14,2000,20,28,"},
    {"Mercury", "6,23,2000,8,32,", "7,17,2000,13,9,"},
    {"Mercury", "10,18,2000,13,39,", "11,8,2000,2,32,"},
    {"Mercury", "12,1,2050,17,17,", "12,21,2050,11,33,"},
    {"Venus", "6,16,1900,22,56,", "7,30,1900,2,44,"},
    {"Venus", "3,9,2001,1,36,", "4,20,2001,5,21,"},
    {"Venus", "9,25,2050,22,15,", "11,6,2050,19,4,"},
    {"Mars", "1,13,1901,6,16,", "4,4,1901,7,21,"},
    {"Mars", "7,29,2003,8,32,", "9,27,2003,7,5,"},
    {"Mars", "7,15,2050,5,50,", "9,13,2050,9,41,"},
    {"Jupiter", "3,27,1900,20,39,", "7,29,1900,1,35,"},
    {"Jupiter", "9,29,2000,0,45,", "1,25,2001,14,49,"},
    {"Jupiter", "12,21,2050,13,21,", "4,21,2051,23,46,"},
    {"Saturn", "4,14,1900,6,2,", "9,2,1900,14,39,"},
    {"Saturn", "9,12,2000,10,33,", "1,24,2001,23,10,"},
    {"Saturn", "5,18,2050,13,6,", "10,6,2050,11,5,"},
};

constexpr int kFlags = SEFLG_SWIEPH | SEFLG_SPEED | SEFLG_TRUEPOS;

[[noreturn]] void Fail(const std::string& message) {
    std::cerr << "station_generator: " << message << '\n';
    std::exit(1);
}

// Longitude speed in degrees per day at a moment in universal time.
double LongitudeSpeed(int body, double julianDayUt) {
    double values[6];
    char error[AS_MAXCH] = "";
    const int flags = swe_calc_ut(julianDayUt, body, kFlags, values, error);
    if (flags < 0) Fail(error);
    // Without the ephemeris files the library silently falls back to an
    // analytic theory; that would give other minutes, so refuse it.
    if ((flags & SEFLG_SWIEPH) == 0) Fail("ephemeris files not found (install swe-basic-data)");
    return values[3];
}

struct CivilMoment {
    int year, month, day, hour, minute;
};

// Universal time rounded to the minute, in the Gregorian calendar.
CivilMoment RoundToMinute(double julianDayUt) {
    // Minutes counted from the midnight that begins Julian Day 0.
    const long long minutes = std::llround((julianDayUt - 0.5) * 1440.0);
    const long long dayIndex = minutes / 1440;
    const int minuteOfDay = static_cast<int>(minutes % 1440);
    int year = 0, month = 0, day = 0;
    double hours = 0.0;
    swe_revjul(static_cast<double>(dayIndex) + 1.0, SE_GREG_CAL, &year, &month, &day, &hours);
    return {year, month, day, minuteOfDay / 60, minuteOfDay % 60};
}

std::string EntryText(const CivilMoment& m) {
    std::ostringstream text;
    text << m.month << ',' << m.day << ',' << m.year << ',' << m.hour << ',' << m.minute << ',';
    return text.str();
}

// The date part of an entry: its first three fields.
std::string DatePart(const std::string& entry) {
    std::size_t commas = 0, i = 0;
    for (; i < entry.size() && commas < 3; ++i) {
        if (entry[i] == ',') ++commas;
    }
    return entry.substr(0, i);
}

struct Station {
    double julianDayUt;
    bool turnsRetrograde;
};

std::vector<Station> FindStations(int body, double startUt, double endUt) {
    std::vector<Station> stations;
    double previousDay = startUt;
    bool previousRetrograde = LongitudeSpeed(body, startUt) < 0.0;
    for (double day = startUt + 1.0; day <= endUt; day += 1.0) {
        const bool retrograde = LongitudeSpeed(body, day) < 0.0;
        if (retrograde != previousRetrograde) {
            double low = previousDay, high = day;
            while (high - low > 1e-7) {  // about 9 milliseconds
                const double middle = 0.5 * (low + high);
                if ((LongitudeSpeed(body, middle) < 0.0) == previousRetrograde) {
                    low = middle;
                } else {
                    high = middle;
                }
            }
            stations.push_back({0.5 * (low + high), retrograde});
        }
        previousDay = day;
        previousRetrograde = retrograde;
    }
    return stations;
}

struct Row {
    std::string stationRetrograde;
    std::string stationDirect;
};

std::vector<Row> RetrogradePeriods(const Planet& planet) {
    // Begin half a year early so that a station on 1 January is not missed, and
    // run through 2051 for the direct stations of periods that begin in 2050.
    const double startUt = swe_julday(kFirstYear - 1, 7, 1, 0.0, SE_GREG_CAL);
    const double endUt = swe_julday(kLastYear + 2, 1, 1, 0.0, SE_GREG_CAL);
    const std::vector<Station> stations = FindStations(planet.sweBody, startUt, endUt);

    std::vector<Row> rows;
    for (std::size_t i = 0; i < stations.size(); ++i) {
        if (!stations[i].turnsRetrograde) continue;
        const CivilMoment begins = RoundToMinute(stations[i].julianDayUt);
        if (begins.year < kFirstYear || begins.year > kLastYear) continue;
        if (i + 1 >= stations.size() || stations[i + 1].turnsRetrograde) {
            Fail(std::string(planet.name) + ": no direct station after " + EntryText(begins));
        }
        rows.push_back({EntryText(begins), EntryText(RoundToMinute(stations[i + 1].julianDayUt))});
    }
    return rows;
}

// Puts the kept text in place of the generated one, after checking that both
// name the same dates.
void ApplyKeptRows(const Planet& planet, std::vector<Row>& rows) {
    for (const KeptRow& kept : kKeptRows) {
        if (std::string(kept.planet) != planet.name) continue;
        bool found = false;
        for (Row& row : rows) {
            if (DatePart(row.stationRetrograde) != DatePart(kept.stationRetrograde)) continue;
            if (DatePart(row.stationDirect) != DatePart(kept.stationDirect)) {
                Fail(std::string(planet.name) + ": direct station " + row.stationDirect +
                     " differs in date from " + kept.stationDirect);
            }
            if (row.stationRetrograde != kept.stationRetrograde ||
                row.stationDirect != kept.stationDirect) {
                std::cerr << planet.name << ": keeping " << kept.stationRetrograde << ' '
                          << kept.stationDirect << " (ephemeris " << row.stationRetrograde << ' '
                          << row.stationDirect << ")\n";
            }
            row = {kept.stationRetrograde, kept.stationDirect};
            found = true;
        }
        if (!found) {
            Fail(std::string(planet.name) + ": no period begins on the date of " +
                 kept.stationRetrograde);
        }
    }
}

void WriteTables(std::ostream& out, const std::vector<std::vector<Row>>& tables) {
    out << "// Retrograde periods of Mercury to Saturn, 1900 to 2051.\n"
           "// Written by tools/station_generator; do not edit by hand (see its README.md).\n"
           "\n"
           "#include \"positions/station_tables.h\"\n"
           "\n"
           "namespace orbalis {\n"
           "namespace {\n"
           "\n"
           "// One row per line, as written.\n"
           "// clang-format off\n";
    for (std::size_t p = 0; p < tables.size(); ++p) {
        const Planet& planet = kPlanets[p];
        out << "\n// " << planet.name << ": " << tables[p].size() << " periods.\n"
            << "constexpr std::array<StationRow, " << tables[p].size() << "> " << planet.tableName
            << "{{\n";
        for (const Row& row : tables[p]) {
            out << "    {\"" << row.stationRetrograde << "\", \"" << row.stationDirect << "\"},\n";
        }
        out << "}};\n";
    }
    out << "// clang-format on\n"
           "\n// The tables parsed into day numbers when the program is compiled; a row that\n"
           "// is malformed or out of time order stops the build here.\n";
    for (const Planet& planet : kPlanets) {
        out << "constexpr auto k" << planet.name << "Days = StationDayNumbers(" << planet.tableName
            << ");\n";
    }
    for (const Planet& planet : kPlanets) {
        out << "static_assert(AreInTimeOrder(" << planet.tableName << "));\n";
    }
    out << "\n}  // namespace\n"
           "\n"
           "std::span<const StationRow> StationTable(RetrogradePlanet planet) {\n"
           "    switch (planet) {\n";
    for (const Planet& planet : kPlanets) {
        out << "        case RetrogradePlanet::" << planet.name << ":\n"
            << "            return " << planet.tableName << ";\n";
    }
    out << "    }\n"
           "    return {};\n"
           "}\n"
           "\n"
           "std::span<const StationDays> StationDayTable(RetrogradePlanet planet) {\n"
           "    switch (planet) {\n";
    for (const Planet& planet : kPlanets) {
        out << "        case RetrogradePlanet::" << planet.name << ":\n"
            << "            return k" << planet.name << "Days;\n";
    }
    out << "    }\n"
           "    return {};\n"
           "}\n"
           "\n"
           "}  // namespace orbalis\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2) Fail("usage: station_generator [output-path]");
    swe_set_ephe_path(nullptr);  // the library's default path, or SE_EPHE_PATH

    std::vector<std::vector<Row>> tables;
    for (const Planet& planet : kPlanets) {
        std::vector<Row> rows = RetrogradePeriods(planet);
        ApplyKeptRows(planet, rows);
        std::cerr << planet.name << ": " << rows.size() << " periods\n";
        tables.push_back(std::move(rows));
    }
    swe_close();

    if (argc == 2) {
        std::ofstream file(argv[1], std::ios::binary);
        if (!file) Fail(std::string("cannot write ") + argv[1]);
        WriteTables(file, tables);
        if (!file.flush()) Fail(std::string("cannot write ") + argv[1]);
    } else {
        WriteTables(std::cout, tables);
    }
    return 0;
}
