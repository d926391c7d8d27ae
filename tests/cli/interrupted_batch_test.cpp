// A batch run stopped by a signal while it writes its output file: the file
// keeps its old content and nothing else is left in the folder.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "temp_folder.h"

namespace orbalis::cli {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

constexpr const char* kRows =
    "name,date,time,zone,lat,lon,dst,city,state,country\r\n"
    "Sample,1985-08-15,10:30,34,28N39,77E13,0,New Delhi,Delhi,India\r\n";

// Whether process `pid` has a file open that lives in `folder` without a
// name: the new output, not yet linked in.
bool HoldsUnnamedFileIn(pid_t pid, const std::filesystem::path& folder) {
    std::error_code error;
    const std::filesystem::path descriptors = "/proc/" + std::to_string(pid) + "/fd";
    for (const auto& entry : std::filesystem::directory_iterator(descriptors, error)) {
        const std::string target = std::filesystem::read_symlink(entry.path(), error).string();
        if (!error && target.starts_with(folder.string() + "/") && target.ends_with(" (deleted)"))
            return true;
    }
    return false;
}

std::vector<std::string> Names(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

TEST(InterruptedBatch, LeavesTheOldOutputAndNothingElse) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(strsignal(signal));
        TempFolder folder;
        const std::string out = folder.Write("out.csv", "old content\r\n");
        const std::filesystem::path where = std::filesystem::path(out).parent_path();

        int input[2];
        ASSERT_EQ(pipe2(input, O_CLOEXEC), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
        // Signals the test's own runner ignores are not ignored by the program.
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        sigset_t defaults;
        sigemptyset(&defaults);
        for (const int each : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&defaults, each);
        posix_spawnattr_setsigdefault(&attributes, &defaults);
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigmask(&attributes, &none);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
        std::string program = ORBALIS_CLI_BINARY;
        std::string batch = "batch", option = "-o";
        char* arguments[] = {program.data(), batch.data(), option.data(),
                             const_cast<char*>(out.c_str()), nullptr};
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, program.c_str(), &actions, &attributes, arguments, environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
        close(input[0]);

        // Rows on the way, the input still open: the run is in the middle.
        ASSERT_EQ(write(input[1], kRows, std::strlen(kRows)),
                  static_cast<ssize_t>(std::strlen(kRows)));
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!HoldsUnnamedFileIn(pid, where) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        EXPECT_TRUE(HoldsUnnamedFileIn(pid, where));

        kill(pid, signal);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        close(input[1]);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_EQ(ReadBytes(out), "old content\r\n");
        EXPECT_EQ(Names(where), std::vector<std::string>{"out.csv"});
    }
}

}  // namespace
}  // namespace orbalis::cli
