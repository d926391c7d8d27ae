#include "app/reference_tables.h"

#include <gtest/gtest.h>

namespace orbalis {
namespace {

TEST(TimeZoneTable, HasSeventyOneRowsEndingWithYukonWarTime) {
    EXPECT_EQ(TimeZoneTable.size(), 71u);
    EXPECT_EQ(TimeZoneTable.back().text, "Yukon War Time,YWT,-8.0");
}

}  // namespace
}  // namespace orbalis
