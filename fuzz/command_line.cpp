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

#define main OrbalisCliMain
#include "cli/main.cpp"
#undef main

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string folder = (std::filesystem::temp_directory_path() / "orbalis-fuzz-XXXXXX").string();
    if (!mkdtemp(folder.data()) || chdir(folder.c_str()) != 0) std::abort();
    if (!std::freopen("/dev/null", "rb", stdin) || !std::freopen("/dev/null", "wb", stdout))
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    if (line.find('/') != std::string::npos || line.find('\0') != std::string::npos) return 0;
    std::vector<std::string> arguments{"orbalis-cli"};
    for (std::size_t start = 0; start <= line.size();) {
        const std::size_t end = std::min(line.find('\n', start), line.size());
        arguments.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    if (arguments.size() > 64) return 0;
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    OrbalisCliMain(static_cast<int>(arguments.size()), argv.data());
    std::fflush(stdout);
    std::clearerr(stdout);
    // Whatever `batch -o` wrote goes, so that the folder stays empty.
    for (const auto& entry : std::filesystem::directory_iterator("."))
        std::filesystem::remove_all(entry.path());
    return 0;
}
