// The CSV writer: whatever the fields hold, a strict reader gets them back.
// The input is fields separated by 0x1F and rows by 0x1E.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/csv_output.h"
#include "csv_rows.h"
#include "fuzz_check.h"

using Rows = orbalis::cli::testing::CsvRows;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Rows rows(1);
    std::string field;
    for (std::size_t i = 0; i <= size; ++i) {
        const char c = i < size ? static_cast<char>(data[i]) : '\x1e';
        if (c == '\x1f' || c == '\x1e') {
            rows.back().push_back(std::move(field));
            field.clear();
            // A row of one empty field is an empty line, which readers skip.
            if (c == '\x1e' && rows.back().size() == 1 && rows.back()[0].empty())
                rows.back().clear();
            if (c == '\x1e' && !rows.back().empty()) rows.emplace_back();
        } else {
            field += c;
        }
    }
    if (rows.back().empty()) rows.pop_back();

    char* text = nullptr;
    std::size_t length = 0;
    std::FILE* out = open_memstream(&text, &length);
    {
        orbalis::cli::CsvWriter writer(out);
        for (const auto& row : rows) {
            for (const std::string& f : row) writer.Field(f);
            writer.EndRow();
        }
        FUZZ_CHECK(writer.Flush());
    }
    std::fclose(out);
    bool ok = false;
    const Rows back = orbalis::cli::testing::ParseCsv({text, length}, &ok);
    std::free(text);
    FUZZ_CHECK(ok);
    FUZZ_CHECK(back == rows);
    return 0;
}
