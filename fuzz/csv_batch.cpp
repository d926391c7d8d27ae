// A batch run over any bytes: it ends with a summary, and what it writes is
// strict CSV, every row as wide as the header, one row for each row read.

#include <csv.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "cli/batch.h"
#include "fuzz_check.h"

namespace {

struct Shape {
    std::size_t rows = 0;
    std::size_t fields = 0;  // in the row being read
    std::size_t headerWidth = 0;
    bool sameWidth = true;
};

// The rows of a CSV text and whether each is as wide as the first.
bool StrictShape(std::string_view text, Shape& shape) {
    csv_parser parser;
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_space_func(&parser, [](unsigned char) { return 0; });
    auto field = [](void*, std::size_t, void* data) { ++static_cast<Shape*>(data)->fields; };
    auto rowEnd = [](int, void* data) {
        auto* s = static_cast<Shape*>(data);
        if (s->rows == 0) s->headerWidth = s->fields;
        s->sameWidth = s->sameWidth && s->fields == s->headerWidth;
        ++s->rows;
        s->fields = 0;
    };
    const bool ok = csv_parse(&parser, text.data(), text.size(), field, rowEnd, &shape) ==
                        text.size() &&
                    csv_fini(&parser, field, rowEnd, &shape) == 0;
    csv_free(&parser);
    return ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* in = fmemopen(const_cast<std::uint8_t*>(data), size, "rb");
    if (size == 0) in = std::fopen("/dev/null", "rb");
    char* text = nullptr;
    std::size_t length = 0;
    std::FILE* out = open_memstream(&text, &length);
    const orbalis::cli::BatchSummary summary = orbalis::cli::RunBatch(in, out);
    std::fclose(in);
    std::fclose(out);
    const std::string_view written(text, length);

    FUZZ_CHECK(!summary.outputFailed);
    FUZZ_CHECK((summary.exitStatus == orbalis::cli::kBatchUnreadable) == !summary.error.empty());
    Shape shape;
    FUZZ_CHECK(StrictShape(written, shape));
    FUZZ_CHECK(shape.sameWidth);
    if (!written.empty()) {
        FUZZ_CHECK(written.ends_with("\r\n"));
        FUZZ_CHECK(shape.rows == static_cast<std::size_t>(summary.rowsRead) + 1);
        FUZZ_CHECK(shape.headerWidth >= orbalis::cli::kBatchOutputColumns.size() +
                                            orbalis::cli::kBatchInputColumns.size());
    } else {
        FUZZ_CHECK(summary.exitStatus == orbalis::cli::kBatchUnreadable);
    }
    std::free(text);
    return 0;
}
