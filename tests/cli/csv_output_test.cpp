#include "cli/csv_output.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "csv_rows.h"
#include "temp_folder.h"

namespace orbalis::cli {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

std::string Written(const std::vector<std::string>& fields) {
    TempFolder folder;
    const std::string path = folder.File("out.csv");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    {
        CsvWriter writer(file);
        for (const std::string& field : fields) writer.Field(field);
        writer.EndRow();
        EXPECT_TRUE(writer.Flush());
    }
    std::fclose(file);
    return ReadBytes(path);
}

TEST(CsvWriter, QuotesOnlyWhatMustBeQuoted) {
    struct Case {
        const char* name;
        std::string field;
        std::string written;
    };
    const Case cases[] = {
        {"plain text", "New Delhi", "New Delhi"},
        {"empty", "", ""},
        {"comma", "Smith, John", "\"Smith, John\""},
        {"quote doubled", "the \"Pink\" City", "\"the \"\"Pink\"\" City\""},
        {"line feed", "two\nlines", "\"two\nlines\""},
        {"carriage return", "two\rlines", "\"two\rlines\""},
        {"leading blank", " Asha", "\" Asha\""},
        {"trailing blank", "Asha ", "\"Asha \""},
        {"percentage and blanks inside", "0.125%", "0.125%"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Written({c.field}), c.written + "\r\n");
    }
}

TEST(CsvWriter, EveryByteAtEveryPlaceIsQuotedByTheSameRule) {
    // Fields long enough to be scanned in words and in single bytes, with one
    // byte of every value put at every place.
    auto mustQuote = [](const std::string& field) {
        if (field.empty()) return false;
        for (const char end : {field.front(), field.back()})
            if (end == ' ' || end == '\t') return true;
        return field.find_first_of(",\"\r\n") != std::string::npos;
    };
    std::vector<std::string> fields;
    std::string expected;
    for (int byte = 1; byte < 256; ++byte) {
        for (std::size_t place = 0; place < 19; ++place) {
            std::string field(19, 'a');
            field[place] = static_cast<char>(byte);
            if (!fields.empty()) expected += ',';
            if (mustQuote(field)) {
                expected += '"';
                for (const char c : field)
                    expected += c == '"' ? std::string("\"\"") : std::string(1, c);
                expected += '"';
            } else {
                expected += field;
            }
            fields.push_back(std::move(field));
        }
    }
    EXPECT_EQ(Written(fields), expected + "\r\n");
}

TEST(CsvWriter, RowsReadBackFieldForField) {
    const std::vector<std::string> fields = {
        "a", "", "b,c", "\"", "x\r\ny", " ", std::string(70000, 'q'), std::string(40000, '"')};
    const auto rows = testing::ParseCsv(Written(fields));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], fields);
}

TEST(CsvWriter, FieldsAroundTheEndOfTheBufferComeBackWhole) {
    // The buffer holds 64 KiB: fill it to a few bytes short of its end, then
    // write fields that fit exactly, overrun it by one, or need quoting.
    constexpr std::size_t kBuffer = 1 << 16;
    for (const std::size_t filler : {kBuffer - 4, kBuffer - 3, kBuffer - 2, kBuffer - 1, kBuffer}) {
        SCOPED_TRACE(filler);
        const std::vector<std::string> fields = {
            std::string(filler, 'f'), "ab", "c", "d,e", "", "gh"};
        const auto rows = testing::ParseCsv(Written(fields));
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0], fields);
    }
}

TEST(CsvWriter, ReportsAFailedWrite) {
    std::FILE* full = std::fopen("/dev/full", "wb");
    if (!full) GTEST_SKIP() << "no /dev/full here";
    CsvWriter writer(full);
    writer.Field("anything");
    writer.EndRow();
    EXPECT_FALSE(writer.Flush());
    std::fclose(full);
}

}  // namespace
}  // namespace orbalis::cli
