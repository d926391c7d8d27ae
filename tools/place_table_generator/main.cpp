// Writes the place table compiled into the program from three GeoNames files
// (cities15000.txt, admin1Codes.txt, countryInfo.txt; CC-BY-4.0). When any is
// missing it writes an empty table, and the program says the finder is
// unavailable.
//
//     place_table_generator DATA_FOLDER OUTPUT.cpp

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <unordered_map>
#include <vector>

#include "places/latin_letters.h"
#include "places/place_table.h"

namespace {

using orbalis::place_table::kAlternateBit;

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

bool ReadRows(const std::string& path, std::size_t minFields,
              std::vector<std::vector<std::string>>& rows) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields = SplitTabs(line);
        if (fields.size() >= minFields) rows.push_back(std::move(fields));
    }
    return true;
}

// One pool of NUL-terminated texts; equal texts are stored once.
class Pool {
  public:
    std::uint32_t Add(const std::string& text) {
        const auto [it, added] =
            offsets_.try_emplace(text, static_cast<std::uint32_t>(bytes_.size()));
        if (added) {
            bytes_ += text;
            bytes_ += '\0';
        }
        return it->second;
    }
    const std::string& Bytes() const { return bytes_; }

  private:
    std::string bytes_;
    std::unordered_map<std::string, std::uint32_t> offsets_;
};

struct City {
    std::string name, asciiName, alternates;
    std::string countryCode, stateKey, zone;
    long latitudeE5, longitudeE5, population;
};

long ScaledDegrees(const std::string& text) {
    return std::lround(std::strtod(text.c_str(), nullptr) * 1e5);
}

bool HasDigit(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsLowerCaseStart(const std::string& name) {
    return name[0] >= 'a' && name[0] <= 'z';
}

// "JAL", "NYC": airport and other codes, not names a person types to find a town.
bool IsCapitalsOnly(const std::string& name) {
    return std::none_of(name.begin(), name.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

// The Latin-script alternate names that add a search key the place does not
// already have, joined by commas. Names written all in lower case are left
// out: in GeoNames they are machine transliterations from other scripts
// ("de li", "dilli"), and they would double the table; so are codes.
std::string UsefulAlternates(const std::string& all, std::set<std::string>& keys) {
    std::string kept;
    std::stringstream names(all);
    std::string name;
    while (std::getline(names, name, ',')) {
        if (name.empty() || name.size() > 40 || HasDigit(name) || IsLowerCaseStart(name) ||
            IsCapitalsOnly(name) || name.find('=') != std::string::npos ||
            !orbalis::IsLatinScript(name))
            continue;
        const std::string key = orbalis::PlaceSearchKey(name);
        if (key.size() < 2 || !keys.insert(key).second) continue;
        if (!kept.empty()) kept += ',';
        kept += name;
    }
    return kept;
}

void WriteText(std::ostream& out, const std::string& bytes) {
    out << "extern const char kPool[] =\n    \"";
    std::size_t column = 0;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '"' || byte == '\\') {
            out << '\\' << c;
        } else if (byte >= 0x20 && byte < 0x7F) {
            out << c;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\%03o", byte);
            out << escaped;
        }
        if (++column >= 100) {
            out << "\"\n    \"";
            column = 0;
        }
    }
    out << "\";\n\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: place_table_generator DATA_FOLDER OUTPUT.cpp\n";
        return 2;
    }
    const std::string folder = argv[1];
    std::vector<std::vector<std::string>> cityRows, stateRows, countryRows;
    const bool haveCities = ReadRows(folder + "/cities15000.txt", 19, cityRows);
    const bool haveStates = ReadRows(folder + "/admin1Codes.txt", 2, stateRows);
    const bool haveCountries = ReadRows(folder + "/countryInfo.txt", 5, countryRows);
    const bool complete = haveCities && haveStates && haveCountries;
    if (!complete) {
        std::cout << "place table: GeoNames files missing in " << folder
                  << "; the place finder will be unavailable\n";
        cityRows.clear();
    }

    Pool pool;
    pool.Add("");
    std::map<std::string, std::size_t> countryIndex;  // ISO code -> row
    std::vector<std::array<std::uint32_t, 3>> countries{{0, 0, 0}};
    for (const auto& row : countryRows) {
        countryIndex[row[0]] = countries.size();
        countries.push_back({pool.Add(row[4]), pool.Add(row[0]), pool.Add(row[1])});
    }
    std::map<std::string, std::size_t> stateIndex;  // "IN.23" -> row
    std::vector<std::array<std::uint32_t, 2>> states{{0, 0}};
    for (const auto& row : stateRows) {
        const std::string code = row[0].substr(row[0].find('.') + 1);
        stateIndex[row[0]] = states.size();
        states.push_back({pool.Add(row[1]), pool.Add(code)});
    }

    std::vector<City> cities;
    for (const auto& row : cityRows) {
        cities.push_back(City{row[1], row[2], row[3], row[8], row[8] + "." + row[10], row[17],
                              ScaledDegrees(row[4]), ScaledDegrees(row[5]),
                              std::strtol(row[14].c_str(), nullptr, 10)});
    }
    // Larger towns first, so a reader of the table meets them first too.
    std::stable_sort(cities.begin(), cities.end(),
                     [](const City& a, const City& b) { return a.population > b.population; });

    std::map<std::string, std::size_t> zoneIndex;
    std::vector<std::uint32_t> zones;
    std::ostringstream placeRows;
    std::vector<std::pair<std::string, std::uint32_t>> keys;
    for (std::size_t i = 0; i < cities.size(); ++i) {
        const City& city = cities[i];
        std::set<std::string> placeKeys;
        for (const std::string* name : {&city.name, &city.asciiName}) {
            const std::string key = orbalis::PlaceSearchKey(*name);
            if (!key.empty() && placeKeys.insert(key).second)
                keys.emplace_back(key, static_cast<std::uint32_t>(i));
        }
        std::set<std::string> primaryKeys = placeKeys;
        const std::string alternates = UsefulAlternates(city.alternates, placeKeys);
        for (const std::string& key : placeKeys) {
            if (!primaryKeys.count(key))
                keys.emplace_back(key, static_cast<std::uint32_t>(i) | kAlternateBit);
        }
        const auto zone = zoneIndex.try_emplace(city.zone, zones.size());
        if (zone.second) zones.push_back(pool.Add(city.zone));
        const auto state = stateIndex.find(city.stateKey);
        const auto country = countryIndex.find(city.countryCode);
        placeRows << "    {" << pool.Add(city.name) << ", " << pool.Add(city.asciiName) << ", "
                  << pool.Add(alternates) << ", " << (state == stateIndex.end() ? 0 : state->second)
                  << ", " << (country == countryIndex.end() ? 0 : country->second) << ", "
                  << zone.first->second << ", " << city.latitudeE5 << ", " << city.longitudeE5
                  << ", " << city.population << "},\n";
    }
    std::sort(keys.begin(), keys.end());

    std::ostringstream keyRows;
    for (const auto& [key, place] : keys)
        keyRows << "    {" << pool.Add(key) << ", " << place << "u},\n";
    if (zones.empty()) zones.push_back(0);

    std::ofstream out(argv[2], std::ios::binary);
    out << "// Written by tools/place_table_generator from GeoNames data (CC-BY-4.0).\n"
           "// Do not edit; it is made again when the data or the generator change.\n\n"
           "#include \"places/place_table.h\"\n\nnamespace orbalis::place_table {\n\n";
    WriteText(out, pool.Bytes());
    out << "extern const std::size_t kPlaceCount = " << cities.size() << ";\n"
        << "extern const PlaceRow kPlaces[] = {\n"
        << placeRows.str() << "    {}};\n\n"
        << "extern const std::size_t kKeyCount = " << keys.size() << ";\n"
        << "extern const KeyRow kKeys[] = {\n"
        << keyRows.str() << "    {}};\n\n"
        << "extern const std::size_t kStateCount = " << states.size() << ";\n"
        << "extern const StateRow kStates[] = {\n";
    for (const auto& [name, code] : states) out << "    {" << name << ", " << code << "},\n";
    out << "};\n\nextern const std::size_t kCountryCount = " << countries.size() << ";\n"
        << "extern const CountryRow kCountries[] = {\n";
    for (const auto& [name, iso2, iso3] : countries)
        out << "    {" << name << ", " << iso2 << ", " << iso3 << "},\n";
    out << "};\n\nextern const std::uint32_t kZones[] = {";
    for (const std::uint32_t zone : zones) out << zone << ", ";
    out << "};\n\n}  // namespace orbalis::place_table\n";
    out.close();
    if (!out) {
        std::cerr << "place_table_generator: cannot write " << argv[2] << "\n";
        return 1;
    }
    std::cout << "place table: " << cities.size() << " places, " << keys.size() << " keys, "
              << pool.Bytes().size() << " bytes of text\n";
    return 0;
}
