#include "cli/subcommand.h"

#include <cerrno>
#include <cstring>

#include "model/code_page.h"

namespace orbalis::cli {

namespace {

bool Flushed(std::FILE* stream) {
    return std::fflush(stream) == 0 && !std::ferror(stream);
}

}  // namespace

int PrintOutcome(const ReadingOutcome& outcome, bool toUtf8, const CliStreams& streams) {
    const std::string output = toUtf8 ? CodePageToUtf8(outcome.output) : outcome.output;
    std::fwrite(output.data(), 1, output.size(), streams.output);
    if (!outcome.error.empty()) std::fprintf(streams.errors, "%s\n", outcome.error.c_str());
    if (!Flushed(streams.output)) {
        std::fprintf(streams.errors, "orbalis-cli: the reading cannot be written: %s\n",
                     std::strerror(errno));
        return kUsageError;
    }
    return outcome.exitStatus;
}

int PrintListing(const std::string& listing, const CliStreams& streams) {
    std::fputs(listing.c_str(), streams.output);
    if (Flushed(streams.output)) return 0;
    std::fprintf(streams.errors, "orbalis-cli: standard output: the list cannot be written: %s\n",
                 std::strerror(errno));
    return kUsageError;
}

}  // namespace orbalis::cli
