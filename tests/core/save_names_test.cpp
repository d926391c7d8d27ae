#include "reading/save_names.h"

#include <gtest/gtest.h>

namespace orbalis {
namespace {

TEST(SaveNames, EachCommandKeepsToItsOwnExtension) {
    struct Case {
        const char* name;
        const char* readingFile;
        const char* textExport;
    };
    const Case cases[] = {
        {"", "", ""},
        {"/a/trap.orb", "/a/trap.orb", "/a/trap.txt"},
        {"/a/trap.txt", "/a/trap.orb", "/a/trap.txt"},
        {"/a/crowd.backup", "/a/crowd.backup.orb", "/a/crowd.backup"},
        {"/a/crowd", "/a/crowd.orb", "/a/crowd"},
        {"/a/upper.ORB", "/a/upper.ORB.orb", "/a/upper.ORB"},
        {"/my.orb/chart", "/my.orb/chart.orb", "/my.orb/chart"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadingFileName(c.name), c.readingFile);
        EXPECT_EQ(TextExportName(c.name), c.textExport);
    }
}

}  // namespace
}  // namespace orbalis
