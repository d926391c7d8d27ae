#include "results/personal_details.h"

#include <array>

#include "model/month_names.h"
#include "model/text_utils.h"

namespace orbalis {

PersonalDetailTexts PersonalDetails(const BirthDetails& birth) {
    PersonalDetailTexts texts;
    texts.name = "Name: " + birth.name;
    texts.city = "City: " + birth.city;
    texts.state = "State: " + birth.state;
    texts.country = "Country: " + birth.country;
    texts.dateOfBirth = "Date of Birth: " + std::string(FullMonthName(birth.month)) + " " +
                        DecimalText(birth.day) + ", " + DecimalText(birth.year);
    texts.timeOfBirth =
        "Time of Birth: " + DecimalText(birth.hour) + " HH " + DecimalText(birth.minute) + " MM ";
    texts.latitude = "Latitude: " + DecimalText(birth.latitudeDegrees) + " Degree " +
                     DecimalText(birth.latitudeMinutes) + " Minute";
    texts.longitude = "Longitude: " + DecimalText(birth.longitudeDegrees) + " Degree " +
                      DecimalText(birth.longitudeMinutes) + " Minute";
    return texts;
}

}  // namespace orbalis
