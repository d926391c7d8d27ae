// The whole orbalis-cli argument line: the input is the arguments, separated
// by line feeds. The program runs in an empty folder of its own with nothing
// on standard input and its output thrown away; arguments naming a path with a
// slash are skipped, so that no run reaches a file outside that folder.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/run_cli.h"

namespace {

std::FILE* nothingIn = nullptr;
std::FILE* thrownAway = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string folder = (std::filesystem::temp_directory_path() / "orbalis-fuzz-XXXXXX").string();
    if (!mkdtemp(folder.data()) || chdir(folder.c_str()) != 0) std::abort();
    nothingIn = std::fopen("/dev/null", "rb");
    thrownAway = std::fopen("/dev/null", "wb");
    if (!nothingIn || !thrownAway) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    if (line.find('/') != std::string::npos || line.find('\0') != std::string::npos) return 0;
    std::vector<std::string> arguments;
    for (std::size_t start = 0; start <= line.size();) {
        const std::size_t end = std::min(line.find('\n', start), line.size());
        arguments.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    if (arguments.size() > 63) return 0;
    // A failure of the program itself is a finding, unlike a refused line.
    if (orbalis::cli::RunCli(arguments, thrownAway, thrownAway, nothingIn) ==
        orbalis::cli::kRunFailed)
        std::abort();
    std::clearerr(thrownAway);
    std::clearerr(nothingIn);
    std::rewind(nothingIn);
    // Whatever `batch -o` wrote goes, so that the folder stays empty.
    for (const auto& entry : std::filesystem::directory_iterator("."))
        std::filesystem::remove_all(entry.path());
    return 0;
}
