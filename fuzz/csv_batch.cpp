// A batch run over any bytes: it ends with a summary, and what it writes is
// strict CSV, every row as wide as the header, one row for each row read.
// The header is the input's own (at least name, date and time, the rest may
// come from a place column) followed by the added columns up to "error", then
// the dasha's.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "cli/batch.h"
#include "csv_rows.h"
#include "fuzz_check.h"

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
    bool strict = false;
    const auto rows = orbalis::cli::testing::ParseCsv(written, &strict);
    FUZZ_CHECK(strict);
    if (!written.empty()) {
        FUZZ_CHECK(written.ends_with("\r\n"));
        FUZZ_CHECK(rows.size() == static_cast<std::size_t>(summary.rowsRead) + 1);
        constexpr std::size_t kRequiredInputColumns = 3;  // name, date, time
        FUZZ_CHECK(rows[0].size() >=
                   orbalis::cli::kBatchOutputColumns.size() + kRequiredInputColumns);
        // "error", then the Manglik and the dasha columns.
        constexpr std::size_t kAfterError =
            orbalis::cli::kBatchManglikColumns.size() + orbalis::cli::kBatchDashaColumns.size();
        FUZZ_CHECK(rows[0][rows[0].size() - 1 - kAfterError] ==
                   orbalis::cli::kBatchOutputColumns.back());
        FUZZ_CHECK(rows[0].back() == orbalis::cli::kBatchDashaColumns.back());
        for (const auto& row : rows) FUZZ_CHECK(row.size() == rows[0].size());
    } else {
        FUZZ_CHECK(summary.exitStatus == orbalis::cli::kBatchUnreadable);
    }
    std::free(text);
    return 0;
}
