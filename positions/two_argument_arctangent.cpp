#include <cmath>

#include "model/angle_constants.h"
#include "positions/ascendant.h"

namespace orbalis {

double TwoArgumentArctangent(double y, double x) {
    const double signOfY = y > 0.0 ? 1.0 : (y < 0.0 ? -1.0 : 0.0);
    if (x > 0.0) return std::atan(y / x);
    if (x == 0.0) return kPiValue / 2.0 * signOfY;
    // Left half-plane: fold into the second or third quadrant. With y = 0 the
    // sign of y is 0, so the negative x-axis gives 0 rather than pi.
    return (kPiValue - std::atan(std::fabs(y / x))) * signOfY;
}

}  // namespace orbalis
