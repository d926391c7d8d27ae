#include "results/bottom_bar_layout.h"

#include <gtest/gtest.h>

namespace orbalis {
namespace {

TEST(LayoutBottomBar, ButtonsStayFlushRightWithTheirGapsAtEveryWidth) {
    struct Case {
        const char* name;
        int windowWidthTwips;
        int headingWidthTwips;
        int saveAsJpegLeft;
        int backLeft;
        int exitLeft;
        int headingLeft;
    };
    const Case cases[] = {
        {"restored window, 9090 twips", 9090, 1800, 4825, 6500, 7695, 3645},
        {"1280 pixels", 19200, 1800, 14935, 16610, 17805, 8700},
        {"exactly the buttons' width", 4365, 1800, 100, 1775, 2970, 1282},
        // Too narrow for all three: the first button goes off the left edge
        // and the order is kept rather than overlapping.
        {"narrower than the buttons", 3000, 1800, -1265, 410, 1605, 600},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BottomBarLayout layout = LayoutBottomBar(c.windowWidthTwips, c.headingWidthTwips);
        EXPECT_EQ(layout.saveAsJpegLeftTwips, c.saveAsJpegLeft);
        EXPECT_EQ(layout.backLeftTwips, c.backLeft);
        EXPECT_EQ(layout.exitLeftTwips, c.exitLeft);
        EXPECT_EQ(layout.headingLeftTwips, c.headingLeft);
        // The Exit button's right edge is 300 twips from the window's.
        EXPECT_EQ(c.windowWidthTwips - (layout.exitLeftTwips + kExitWidthTwips), 300);
        EXPECT_EQ(layout.exitLeftTwips - (layout.backLeftTwips + kBackWidthTwips), 100);
        EXPECT_EQ(layout.backLeftTwips - (layout.saveAsJpegLeftTwips + kSaveAsJpegWidthTwips), 100);
    }
}

}  // namespace
}  // namespace orbalis
