#pragma once

#include <csv.h>

#include <string>
#include <string_view>
#include <vector>

namespace orbalis::cli::testing {

using CsvRows = std::vector<std::vector<std::string>>;

// The rows of a CSV text as a strict RFC 4180 reader sees them, blanks kept;
// `strict`, when given, tells whether the whole text kept the rules.
inline CsvRows ParseCsv(std::string_view text, bool* strict = nullptr) {
    struct Sink {
        CsvRows rows;
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
    const bool whole =
        csv_parse(&parser, text.data(), text.size(), field, rowEnd, &sink) == text.size() &&
        csv_fini(&parser, field, rowEnd, &sink) == 0;
    if (strict) *strict = whole;
    csv_free(&parser);
    return sink.rows;
}

}  // namespace orbalis::cli::testing
