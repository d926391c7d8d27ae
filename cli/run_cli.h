#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace orbalis::cli {

// Exit status of a run stopped by a failure of the program itself (memory
// exhausted, a thread that could not start), on any thread of the run.
inline constexpr int kRunFailed = 3;

// The whole companion: `arguments` are what follows the program's name;
// readings and listings go to `output`, messages to `errors`, and a batch
// without a file reads `input`. Returns the exit status. Nothing thrown
// leaves it: any failure is one message on `errors` and kRunFailed.
int RunCli(const std::vector<std::string>& arguments, std::FILE* output, std::FILE* errors,
           std::FILE* input = stdin);

}  // namespace orbalis::cli
