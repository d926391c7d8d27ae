#include "dasha/dasha_birth.h"

#include "model/utc_offset.h"
#include "moon/birth_instant.h"

namespace orbalis::dasha {

DashaBirth DashaBirthOf(const BirthDetails& birth, double moonSiderealDegrees, DashaYear year) {
    const BirthInstantValues instant = BirthInstant(birth);
    // The day number counts from noon; the hours may lie outside 0..24.
    return {moonSiderealDegrees, instant.julianDay - 0.5 + instant.universalHours / 24.0,
            BirthUtcOffsetMinutes(birth), year};
}

DashaBirth DashaBirthOf(const BirthDetails& birth, const ChartReading& reading, DashaYear year) {
    return DashaBirthOf(birth, reading.siderealDegrees[kMoon], year);
}

}  // namespace orbalis::dasha
