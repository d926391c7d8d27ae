#pragma once

#include <QRect>

namespace orbalis {

// Window measures are kept in twips, 1440 to the inch; the screen shows 15
// twips to a pixel. Integer division, as the layouts were drawn on that grid.
inline constexpr int kTwipsPerPixel = 15;

constexpr int Px(int twips) {
    return twips / kTwipsPerPixel;
}
constexpr int Twips(int pixels) {
    return pixels * kTwipsPerPixel;
}

inline QRect PxRect(int leftTwips, int topTwips, int widthTwips, int heightTwips) {
    return QRect(Px(leftTwips), Px(topTwips), Px(widthTwips), Px(heightTwips));
}

}  // namespace orbalis
