#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/birth_details.h"
#include "model/catalogue.h"
#include "model/messages.h"

namespace orbalis {

// The entries of the birth-details form, as typed and chosen.
struct FormEntries {
    std::string name;
    std::string latitudeDegrees, latitudeMinutes;
    std::string longitudeDegrees, longitudeMinutes;
    std::string city, state, country;
    bool north = true, south = false;
    bool east = true, west = false;
    int day = 1;                 // value of the day list's text
    int monthIndex = 0;          // 0 = January
    int year = kFirstBirthYear;  // value of the year list's text
    int hour = 0;                // 0..24
    int minute = 0;
    int zoneIndex = 0;  // row of the time zone table
    bool daylightSaving = false;
    bool imageWriterAvailable = true;

    friend bool operator==(const FormEntries&, const FormEntries&) = default;
};

// Which control a refused entry concerns; the form moves the focus there.
enum class FormField {
    None,
    Name,
    LatitudeDegrees,
    LatitudeMinutes,
    LongitudeDegrees,
    LongitudeMinutes,
    City,
    State,
    Country,
    LatitudeDirection,   // the form then selects "North"
    LongitudeDirection,  // the form then selects "East"
};

struct InputProblem {
    std::string message;
    MessageIcon icon;
    FormField focus;
};

// The first rule the entries break, in the order the form checks them, or
// nothing when a reading may start.
std::optional<InputProblem> FirstInputProblem(const FormEntries& entries);

// The form's rule for a day the month lacks (30 February, 31 April), one of
// those FirstInputProblem checks.
std::optional<InputProblem> DateProblem(int year, int monthIndex, int day);

// The birth details of entries that passed FirstInputProblem: numbers from
// the texts, the zone row's hours and minutes, the place names trimmed.
BirthDetails BirthDetailsFromForm(const FormEntries& entries);

// Characters the name and place boxes accept: A-Z, a-z and the blank (and
// the editing keys backspace and delete).
bool IsLetterKey(char32_t code);
// Characters the degree and minute boxes accept: 0-9 (and the editing keys).
bool IsDigitKey(char32_t code);
// Whole texts held to the same rules (pasted or dropped text).
bool IsLetterText(std::u32string_view text);
// The same for UTF-8 text: any byte outside ASCII is not a letter.
bool IsLetterText(std::string_view text);
bool IsDigitText(std::u32string_view text);

// Longest texts the boxes of the form take: the degree and minute boxes hold
// three digits; the name and place boxes hold a long full name, and a text
// that fits them fits the results form and the printout too.
inline constexpr int kNumberBoxLength = 3;
inline constexpr int kLetterBoxLength = 64;

inline constexpr std::string_view kOnlyLettersMessage = N_("Please enter only letters");
inline constexpr std::string_view kOnlyNumbersMessage = N_("Please enter only numbers");

}  // namespace orbalis
