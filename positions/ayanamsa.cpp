#include <cmath>
#include <string>

#include "model/angle_constants.h"
#include "model/sign_position_text.h"
#include "positions/ascendant.h"

namespace orbalis {

double AyanamsaAt(double centuries1900) {
    const double t = centuries1900;
    // Longitude of the Moon's mean ascending node and twice the Sun's mean
    // longitude, both in degrees.
    const double node = (933060.0 - 6962911.0 * t + 7.5 * (t * t)) / 3600.0;
    const double twiceSunLongitude = (2013816.0 + 259205536.0 * t) / 3600.0;
    // Nutation in longitude, seconds of arc.
    const double nutation =
        17.23 * std::sin(node * kDegToRad) + 1.27 * std::sin(twiceSunLongitude * kDegToRad);
    // Less the general precession since 1900, seconds of arc.
    const double arcSeconds = nutation - (5025.64 + 1.11 * t) * t;
    return (arcSeconds - 80861.27) / 3600.0;
}

std::string SignedAngleText(double degrees) {
    const long long sign = degrees < 0.0 ? -1 : 1;
    const double a = std::fabs(degrees);
    const double wholeDegrees = std::floor(a);
    const double fraction = a - wholeDegrees;
    const double minutes = std::floor(60.0 * fraction);
    const double seconds = std::floor(60.0 * (60.0 * fraction - minutes));

    PositionChars text;
    text.AppendWholeNumber(sign * static_cast<long long>(wholeDegrees));
    text.Append("\u00B0 ");
    text.AppendWholeNumber(static_cast<long long>(minutes));
    text.Append("' ");
    text.AppendWholeNumber(static_cast<long long>(seconds));
    text.Append("\"");
    return std::string(text.view());
}

}  // namespace orbalis
