#pragma once

namespace orbalis {

// Sizes of the bottom bar's three buttons, in twips. They sit 400 high at
// top 120 and keep their sizes; only their left edges move.
inline constexpr int kSaveAsJpegWidthTwips = 1575;
inline constexpr int kBackWidthTwips = 1095;
inline constexpr int kExitWidthTwips = 1095;
inline constexpr int kBottomButtonTopTwips = 120;
inline constexpr int kBottomButtonHeightTwips = 400;
inline constexpr int kRightMarginTwips = 300;
inline constexpr int kButtonGapTwips = 100;

struct BottomBarLayout {
    int saveAsJpegLeftTwips;
    int backLeftTwips;
    int exitLeftTwips;
    int headingLeftTwips;
};

// Where the buttons and the heading go in a window `windowWidthTwips` wide:
// the buttons flush right, 300 from the edge and 100 apart, in the order
// Save As JPEG, Back, Exit; the heading centred. A window narrower than the
// buttons pushes them off the left edge rather than overlapping them.
BottomBarLayout LayoutBottomBar(int windowWidthTwips, int headingWidthTwips);

}  // namespace orbalis
