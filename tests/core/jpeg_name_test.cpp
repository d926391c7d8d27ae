#include "results/jpeg_name.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace orbalis {
namespace {

TEST(SplitPath, SplitsAtTheLastSeparator) {
    struct Case {
        const char* name;
        const char* path;
        const char* folder;
        const char* file;
    };
    const Case cases[] = {
        {"folder and file", "/home/me/mine.jpg", "/home/me", "mine.jpg"},
        {"dot in the folder", "/home/My.Charts/mine.jpg", "/home/My.Charts", "mine.jpg"},
        {"file only", "mine.jpg", "", "mine.jpg"},
        {"root", "/mine.jpg", "", "mine.jpg"},
        {"trailing separator", "/home/me/", "/home/me", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PathParts parts = SplitPath(c.path);
        EXPECT_EQ(parts.folder, c.folder);
        EXPECT_EQ(parts.file, c.file);
    }
}

TEST(JpegBasePath, CutsAtTheFirstDotOfTheFilePart) {
    struct Case {
        const char* name;
        const char* chosen;
        const char* expected;
    };
    const Case cases[] = {
        {"jpg", "/c/mine.jpg", "/c/mine.jpg"},
        {"no extension", "/c/mine", "/c/mine.jpg"},
        {"JPEG in capitals", "/c/mine.JPEG", "/c/mine.jpg"},
        {"JPG in capitals", "/c/mine.JPG", "/c/mine.jpg"},
        {"two dots", "/c/mine.old.jpg", "/c/mine.jpg"},
        {"dot in the folder is kept", "/c/My.Charts/mine.jpg", "/c/My.Charts/mine.jpg"},
        {"dot in the folder, none in the file", "/c/My.Charts/mine", "/c/My.Charts/mine.jpg"},
        {"no folder", "mine.png", "mine.jpg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(JpegBasePath(c.chosen), c.expected);
    }
}

TEST(TimestampText, SeventeenOrEightDigitsWithLeadingZeros) {
    const ClockReading clock{2024, 3, 7, 5, 4, 9, 12};
    EXPECT_EQ(TimestampText(false, clock), "20240307050409012");
    EXPECT_EQ(TimestampText(true, clock), "20240307");
    const ClockReading late{1999, 12, 31, 23, 59, 59, 999};
    EXPECT_EQ(TimestampText(false, late), "19991231235959999");
}

TEST(TimestampText, LocalClockGivesDigitsOnly) {
    const std::string text = TimestampText(false, LocalClockNow());
    EXPECT_EQ(text.size(), 17u);
    EXPECT_EQ(text.find_first_not_of("0123456789"), std::string::npos);
}

struct FakeFolder {
    std::set<std::string> files;
    FileExistsFunction exists() const {
        return [this](const std::string& path) { return files.contains(path); };
    }
};

TEST(UniqueJpegPath, NamesTheFileInItsFolder) {
    struct Case {
        const char* name;
        const char* folder;
        const char* file;
        const char* expected;
    };
    const Case cases[] = {
        {"plain", "/c/pics", "mine.jpg", "/c/pics/mine.jpg"},
        {"folder with separator", "/c/pics/", "mine.jpg", "/c/pics/mine.jpg"},
        {"doubled separators collapse", "/c//pics", "mine.jpg", "/c/pics/mine.jpg"},
        {"empty folder is the program's", "", "mine.jpg", "/opt/orbalis/mine.jpg"},
        {"empty file is the date", "/c", "", "/c/20240307.jpg"},
        {"bmp becomes jpg", "/c", "mine.bmp", "/c/mine.jpg"},
        {"BMP in capitals is left", "/c", "mine.BMP", "/c/mine.BMP"},
        {"no dot gets jpg", "/c", "mine", "/c/mine.jpg"},
    };
    const FakeFolder empty;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(UniqueJpegPath(c.folder, c.file, empty.exists(), "/opt/orbalis", "20240307"),
                  c.expected);
    }
}

TEST(UniqueJpegPath, TakesTheFirstFreeCopyNumber) {
    FakeFolder folder;
    std::string expected[] = {"/c/mine.jpg", "/c/mine_001.jpg", "/c/mine_002.jpg"};
    for (const std::string& next : expected) {
        const std::optional<std::string> path =
            UniqueJpegPath("/c", "mine.jpg", folder.exists(), "/opt", "20240307");
        ASSERT_TRUE(path);
        EXPECT_EQ(*path, next);
        folder.files.insert(*path);
    }
    // A gap is filled before higher numbers.
    folder.files.erase("/c/mine_001.jpg");
    EXPECT_EQ(UniqueJpegPath("/c", "mine.jpg", folder.exists(), "/opt", ""), "/c/mine_001.jpg");
}

TEST(UniqueJpegPath, NothingWhenAllCopiesExist) {
    FakeFolder folder;
    folder.files.insert("/c/mine.jpg");
    char name[32];
    for (int copy = 1; copy <= 998; ++copy) {
        std::snprintf(name, sizeof name, "/c/mine_%03d.jpg", copy);
        folder.files.insert(name);
    }
    EXPECT_EQ(UniqueJpegPath("/c", "mine.jpg", folder.exists(), "/opt", ""), "/c/mine_999.jpg");
    folder.files.insert("/c/mine_999.jpg");
    EXPECT_EQ(UniqueJpegPath("/c", "mine.jpg", folder.exists(), "/opt", ""), std::nullopt);
}

TEST(UniqueJpegPath, CopyNumberGoesBeforeEveryDot) {
    FakeFolder folder;
    folder.files.insert("/c/a.b.jpg");
    EXPECT_EQ(UniqueJpegPath("/c", "a.b.jpg", folder.exists(), "/opt", ""), "/c/a_001.b_001.jpg");
}

TEST(TooManyCopies, MessageTexts) {
    EXPECT_EQ(TooManyCopiesText("mine.jpg"), "There are too many Copies of this file  mine.jpg");
    EXPECT_EQ(TooManyCopiesTitle("mine.jpg"), " UNABLE  TO  CREATE  NEW  FILEmine.jpg");
}

}  // namespace
}  // namespace orbalis
