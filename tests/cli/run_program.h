#pragma once

#include <gtest/gtest.h>
#include <wordexp.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/run_cli.h"
#include "temp_folder.h"

namespace orbalis::cli::testing {

struct ProgramRun {
    int status;
    std::string out;
    std::string err;
};

// Runs the companion in this process with `arguments` (quoted as for the
// shell) and `input` on its input; its output goes to `out` when named.
inline ProgramRun RunProgram(const TempFolder& folder, const std::string& arguments,
                             std::string_view input = "", std::string out = "") {
    wordexp_t words{};
    EXPECT_EQ(wordexp(arguments.c_str(), &words, WRDE_NOCMD | WRDE_UNDEF), 0) << arguments;
    const std::vector<std::string> argv(words.we_wordv, words.we_wordv + words.we_wordc);
    wordfree(&words);
    if (out.empty()) out = folder.File("stdout");
    std::FILE* in = std::fopen(folder.Write("stdin", input).c_str(), "rb");
    std::FILE* output = std::fopen(out.c_str(), "wb");
    std::FILE* errors = std::fopen(folder.File("stderr").c_str(), "wb");
    const int status = RunCli(argv, output, errors, in);
    for (std::FILE* stream : {in, output, errors}) std::fclose(stream);
    return {status, ReadBytes(folder.File("stdout")), ReadBytes(folder.File("stderr"))};
}

}  // namespace orbalis::cli::testing
