#include "model/code_page.h"

#include <gtest/gtest.h>

#include <string>

namespace orbalis {
namespace {

TEST(Utf8ToCodePage, MapsCharactersToTheirSingleByte) {
    struct Case {
        const char* name;
        std::string utf8;
        std::string bytes;
    };
    const Case cases[] = {
        {"ascii", "Sun 28 Can 52", "Sun 28 Can 52"},
        {"degree sign", "23\xC2\xB0 39'", "23\xB0 39'"},
        {"e acute", "Jos\xC3\xA9", "Jos\xE9"},
        {"y diaeresis, last byte", "\xC3\xBF", "\xFF"},
        {"euro sign from the 0x80 row", "\xE2\x82\xAC", "\x80"},
        {"right single quote", "\xE2\x80\x99", "\x92"},
        {"Devanagari letter has no byte", "\xE0\xA4\x85", "?"},
        {"emoji has no byte",
         "a\xF0\x9F\x98\x80"
         "b",
         "a?b"},
        {"stray continuation byte",
         "a\x80"
         "b",
         "a?b"},
        {"truncated sequence at the end", "a\xC3", "a?"},
        {"overlong encoding of a slash", "\xC0\xAF", "?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Utf8ToCodePage(c.utf8), c.bytes);
    }
}

TEST(CodePageToUtf8, EveryByteSurvivesTheRoundTrip) {
    for (int code = 0; code < 256; ++code) {
        const std::string byte(1, static_cast<char>(code));
        EXPECT_EQ(Utf8ToCodePage(CodePageToUtf8(byte)), byte) << "byte " << code;
    }
}

TEST(CodePageToUtf8, DecodesTheSpecialRow) {
    EXPECT_EQ(CodePageToUtf8("\xB0"), "\xC2\xB0");
    EXPECT_EQ(CodePageToUtf8("\x80"), "\xE2\x82\xAC");
    EXPECT_EQ(CodePageToUtf8("\x9F"), "\xC5\xB8");  // Y with diaeresis
}

}  // namespace
}  // namespace orbalis
