// A batch run or a report stopped by a signal while it writes its output
// file: the file keeps its old content and nothing else is left in the folder.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "cli/birth_arguments.h"
#include "reading/input_rules.h"
#include "reading/reading_file.h"
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

// orbalis-cli with `arguments`, standard input from `input`, `environment`
// added to the test's own, and the signals the test's runner may ignore back
// to their defaults.
pid_t Spawn(std::vector<std::string> arguments, int input,
            const std::vector<std::string>& environment = {}) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input, STDIN_FILENO);
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
    arguments.insert(arguments.begin(), ORBALIS_CLI_BINARY);
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::vector<std::string> variables(environment);
    for (char** each = environ; *each; ++each) variables.emplace_back(*each);
    std::vector<char*> envp;
    for (std::string& variable : variables) envp.push_back(variable.data());
    envp.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), envp.data()) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    return pid;
}

TEST(InterruptedBatch, LeavesTheOldOutputAndNothingElse) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(strsignal(signal));
        TempFolder folder;
        const std::string out = folder.Write("out.csv", "old content\r\n");
        const std::filesystem::path where = std::filesystem::path(out).parent_path();

        int input[2];
        ASSERT_EQ(pipe2(input, O_CLOEXEC), 0);
        const pid_t pid = Spawn({"batch", "-o", out}, input[0]);
        ASSERT_GT(pid, 0);
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

// Where the file system has no unnamed files, the hidden file that takes
// their part goes with the program a signal ends. The test hook stops the
// program the moment that file is there; the signal waits for it to go on.
TEST(InterruptedOutput, WithoutUnnamedFilesLeavesNothingBehind) {
    TempFolder folder;
    const std::string births = folder.Write("births.csv", kRows);
    const std::string orb = folder.Write(
        "delhi.orb", EncodeReadingFile(BirthDetailsFromForm(
                         EntriesFromTexts({"Sample", "1985-08-15", "10:30", "34", "28N39",
                                           "77E13", "0", "New Delhi", "Delhi", "India"})
                             .entries)));
    const std::filesystem::path outputs = folder.File("outputs");
    std::filesystem::create_directory(outputs);
    const std::string out = (outputs / "out").string();
    struct Case {
        const char* name;
        std::vector<std::string> arguments;
    };
    const Case cases[] = {
        {"batch -o", {"batch", births, "-o", out}},
        {"report -o", {"report", orb, "-o", out}},
    };
    for (const Case& c : cases) {
        for (const int signal : {SIGTERM, SIGINT}) {
            SCOPED_TRACE(std::string(c.name) + ", " + strsignal(signal));
            std::ofstream(out, std::ios::binary) << "old content";
            const int nothing = open("/dev/null", O_RDONLY | O_CLOEXEC);
            const pid_t pid = Spawn(c.arguments, nothing, {"ORBALIS_NO_UNNAMED_FILES=stop"});
            close(nothing);
            ASSERT_GT(pid, 0);
            int status = 0;
            ASSERT_EQ(waitpid(pid, &status, WUNTRACED), pid);
            if (!WIFSTOPPED(status)) {
                ADD_FAILURE() << "ended before its hidden file was made: " << status;
                continue;
            }
            EXPECT_EQ(Names(outputs).size(), 2u) << "the output and the hidden file";
            kill(pid, signal);
            kill(pid, SIGCONT);
            ASSERT_EQ(waitpid(pid, &status, 0), pid);
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
            EXPECT_EQ(ReadBytes(out), "old content");
            EXPECT_EQ(Names(outputs), std::vector<std::string>{"out"});
        }
    }
}

}  // namespace
}  // namespace orbalis::cli
