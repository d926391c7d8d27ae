#include "results/bottom_bar_layout.h"

namespace orbalis {

BottomBarLayout LayoutBottomBar(int windowWidthTwips, int headingWidthTwips) {
    BottomBarLayout layout{};
    layout.exitLeftTwips = windowWidthTwips - kExitWidthTwips - kRightMarginTwips;
    layout.backLeftTwips = layout.exitLeftTwips - kBackWidthTwips - kButtonGapTwips;
    layout.saveAsJpegLeftTwips = layout.backLeftTwips - kSaveAsJpegWidthTwips - kButtonGapTwips;
    layout.headingLeftTwips = (windowWidthTwips - headingWidthTwips) / 2;
    return layout;
}

}  // namespace orbalis
