// The CSV writer: whatever the fields hold, a strict reader gets them back.
// The input is fields separated by 0x1F and rows by 0x1E.

#include <csv.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/csv_output.h"
#include "fuzz_check.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows StrictlyParsed(std::string_view text, bool& ok) {
    struct Sink {
        Rows rows;
        std::vector<std::string> row;
    } sink;
    csv_parser parser;
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_space_func(&parser, [](unsigned char) { return 0; });
    auto field = [](void* s, std::size_t n, void* data) {
        static_cast<Sink*>(data)->row.emplace_back(s ? static_cast<const char*>(s) : "", n);
    };
    auto rowEnd = [](int, void* data) {
        auto* sink = static_cast<Sink*>(data);
        sink->rows.push_back(std::move(sink->row));
        sink->row.clear();
    };
    ok = csv_parse(&parser, text.data(), text.size(), field, rowEnd, &sink) == text.size() &&
         csv_fini(&parser, field, rowEnd, &sink) == 0;
    csv_free(&parser);
    return sink.rows;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Rows rows(1);
    std::string field;
    for (std::size_t i = 0; i <= size; ++i) {
        const char c = i < size ? static_cast<char>(data[i]) : '\x1e';
        if (c == '\x1f' || c == '\x1e') {
            rows.back().push_back(std::move(field));
            field.clear();
            // A row of one empty field is an empty line, which readers skip.
            if (c == '\x1e' && rows.back().size() == 1 && rows.back()[0].empty()) rows.back().clear();
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
    const Rows back = StrictlyParsed({text, length}, ok);
    std::free(text);
    FUZZ_CHECK(ok);
    FUZZ_CHECK(back == rows);
    return 0;
}
