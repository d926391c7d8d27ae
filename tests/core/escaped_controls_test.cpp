#include <gtest/gtest.h>

#include "model/text_utils.h"

namespace orbalis {
namespace {

TEST(EscapedControls, ShowsWhatCouldDriveATerminal) {
    struct Case {
        const char* name;
        std::string text;
        std::string shown;
    };
    const Case cases[] = {
        {"escape sequence", "\x1b[2Jname", "\\x1b[2Jname"},
        {"bell and NUL",
         std::string("a\x07"
                     "b\0c",
                     5),
         "a\\x07b\\x00c"},
        {"delete", "a\x7f", "a\\x7f"},
        {"C1 control in UTF-8",
         "\xC2\x9B"
         "31m",
         "\\u009b31m"},
        {"line breaks and tabs stay", "a\r\nb\tc\n", "a\r\nb\tc\n"},
        {"letters of other scripts stay", "S\xC3\xA3o Paulo \xC2\xA0\xE0\xA4\x85",
         "S\xC3\xA3o Paulo \xC2\xA0\xE0\xA4\x85"},
        {"a lone lead byte at the end", "a\xC2", "a\xC2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EscapedControls(c.text), c.shown);
    }
}

}  // namespace
}  // namespace orbalis
