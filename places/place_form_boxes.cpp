#include "places/place_form_boxes.h"

namespace orbalis {

PlaceFormBoxes FormBoxesOf(const Place& place) {
    PlaceFormBoxes boxes;
    boxes.city = LettersOnlyText(place.name);
    if (boxes.city.empty()) boxes.city = LettersOnlyText(place.asciiName);
    boxes.country = LettersOnlyText(place.country);
    boxes.state = LettersOnlyText(place.state);
    if (boxes.state.empty()) boxes.state = boxes.country;
    boxes.latitude = RoundToMinute(place.latitudeDegrees);
    boxes.longitude = RoundToMinute(place.longitudeDegrees);
    return boxes;
}

}  // namespace orbalis
