#include "results/personal_details.h"

#include <array>

#include "model/month_names.h"
#include "model/text_utils.h"

namespace orbalis {

PersonalDetailTexts PersonalDetails(const BirthDetails& birth, const Catalogue& words) {
    PersonalDetailTexts texts;
    texts.name = Fill(Tr(words, "Name: {name}"), {{"name", birth.name}});
    texts.city = Fill(Tr(words, "City: {city}"), {{"city", birth.city}});
    texts.state = Fill(Tr(words, "State: {state}"), {{"state", birth.state}});
    texts.country = Fill(Tr(words, "Country: {country}"), {{"country", birth.country}});
    texts.dateOfBirth = Fill(Tr(words, "Date of Birth: {month} {day}, {year}"),
                             {{"month", Tr(words, FullMonthName(birth.month))},
                              {"day", DecimalText(birth.day)},
                              {"year", DecimalText(birth.year)}});
    // The trailing blank is the form's own.
    texts.timeOfBirth =
        Fill(Tr(words, "Time of Birth: {hour} HH {minute} MM "),
             {{"hour", DecimalText(birth.hour)}, {"minute", DecimalText(birth.minute)}});
    texts.latitude = Fill(Tr(words, "Latitude: {degrees} Degree {minutes} Minute"),
                          {{"degrees", DecimalText(birth.latitudeDegrees)},
                           {"minutes", DecimalText(birth.latitudeMinutes)}});
    texts.longitude = Fill(Tr(words, "Longitude: {degrees} Degree {minutes} Minute"),
                           {{"degrees", DecimalText(birth.longitudeDegrees)},
                            {"minutes", DecimalText(birth.longitudeMinutes)}});
    return texts;
}

}  // namespace orbalis
