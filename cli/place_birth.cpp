#include "cli/place_birth.h"

#include "cli/places_command.h"
#include "clock/zone_row_choice.h"
#include "model/text_utils.h"
#include "model/utc_offset.h"
#include "places/place_form_boxes.h"
#include "places/place_search.h"

namespace orbalis::cli {
namespace {

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string AmbiguousMessage(std::string_view query, const std::vector<const Place*>& candidates,
                             CandidateLayout layout) {
    std::string message = "The place " + Quoted(query) + " could be any of ";
    if (layout == CandidateLayout::Lines) {
        message += "these; give more of its name, or its state and country after commas:\n";
        message += CandidateLines(candidates);
        message.pop_back();  // the caller ends the message
        return message;
    }
    message += "these: ";
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if (i > 0) message += "; ";
        message += PlaceLabel(*candidates[i]);
    }
    return message;
}

std::string DateTimeText(const FormEntries& at) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", at.year, at.monthIndex + 1, at.day,
                  at.hour, at.minute);
    return text;
}

}  // namespace

PlaceFill FillFromPlace(std::string_view query, const BirthTexts& given, CandidateLayout layout) {
    PlaceFill fill = PlaceTexts(query, layout);
    if (fill.problem.empty()) AddPlaceClock(given, fill);
    return fill;
}

PlaceFill PlaceTexts(std::string_view query, CandidateLayout layout) {
    PlaceFill fill;
    query = TrimBlanks(query);
    if (!PlaceFinderAvailable()) {
        fill.problem = std::string(kPlaceFinderUnavailableMessage);
        return fill;
    }
    const PlaceResolution resolution = ResolvePlace(query);
    if (!resolution.place) {
        fill.problem = resolution.candidates.empty()
                           ? "No place matches " + Quoted(query)
                           : AmbiguousMessage(query, resolution.candidates, layout);
        return fill;
    }
    const Place& place = *resolution.place;
    fill.place = &place;
    PlaceFormBoxes boxes = FormBoxesOf(place);
    fill.city = std::move(boxes.city);
    fill.state = std::move(boxes.state);
    fill.country = std::move(boxes.country);
    fill.latitude = CoordinateText(boxes.latitude, 'N', 'S');
    fill.longitude = CoordinateText(boxes.longitude, 'E', 'W');
    return fill;
}

void AddPlaceClock(const BirthTexts& given, PlaceFill& fill) {
    fill.clock.reset();
    fill.zone.clear();
    fill.daylightSaving.clear();
    fill.note.clear();
    // The clock is needed only for what the user left to the place.
    if (!TrimBlanks(given.zone).empty() && !TrimBlanks(given.daylightSaving).empty()) return;
    const Place& place = *fill.place;
    FormEntries at;
    // A date the calendar lacks (30 February) is refused later, never read as
    // a day of the next month.
    if (ParseDate(given.date, at) || ParseTime(given.time, at)) return;  // refused later
    fill.clock = ClockAt(place.zone, at.year, at.monthIndex + 1, at.day, at.hour, at.minute);
    if (!fill.clock) {
        fill.problem = "The clock of " + PlaceLabel(place) + " (" + std::string(place.zone) +
                       ") cannot be read: " +
                       (ClockDatabaseAvailable() ? "the time zone database does not know it"
                                                 : "the time zone database is unavailable") +
                       "; give the time zone row and daylight saving";
        return;
    }
    const ZoneRowChoice choice = ChooseZoneRow(*fill.clock);
    if (!choice.zoneIndex && TrimBlanks(given.zone).empty()) {
        fill.problem = "No time zone row has the clock of " + PlaceLabel(place) + " on " +
                       DateTimeText(at) + " (" + UtcOffsetForPeople(fill.clock->utcOffsetSeconds) +
                       ", " + fill.clock->abbreviation + "); give the time zone row";
        return;
    }
    if (choice.zoneIndex) fill.zone = std::to_string(*choice.zoneIndex);
    fill.daylightSaving = choice.daylightSaving ? "1" : "0";

    if (fill.clock->kind != LocalTimeKind::Normal) {
        const bool skipped = fill.clock->kind == LocalTimeKind::Skipped;
        fill.note = DateTimeText(at) + (skipped ? " never happened in " : " happened twice in ") +
                    PlaceLabel(place) + ": the clocks went " + (skipped ? "forward" : "back") +
                    "; the clock " + (skipped ? "before the change" : "of its first occurrence") +
                    ", " + UtcOffsetForPeople(fill.clock->utcOffsetSeconds) + " " +
                    fill.clock->abbreviation + ", is used";
    }
}

BirthTexts WithPlace(const BirthTexts& given, const PlaceFill& fill) {
    auto pick = [](std::string_view typed, const std::string& fromPlace) {
        return TrimBlanks(typed).empty() ? std::string_view(fromPlace) : typed;
    };
    BirthTexts texts = given;
    texts.zone = pick(given.zone, fill.zone);
    texts.latitude = pick(given.latitude, fill.latitude);
    texts.longitude = pick(given.longitude, fill.longitude);
    texts.daylightSaving = pick(given.daylightSaving, fill.daylightSaving);
    texts.city = pick(given.city, fill.city);
    texts.state = pick(given.state, fill.state);
    texts.country = pick(given.country, fill.country);
    return texts;
}

}  // namespace orbalis::cli
