// What report -o and batch -o leave when they may not or cannot finish:
// another user's link in a folder everyone may write to is refused, and a
// run stopped by a signal where the file system has no unnamed files leaves
// no hidden file behind.

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli/birth_arguments.h"
#include "reading/input_rules.h"
#include "reading/reading_file.h"
#include "temp_folder.h"

namespace orbalis::cli {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;

// A reading file and a CSV file of the same birth, and the two commands
// that write their output to `out`.
struct Inputs {
    TempFolder folder;
    std::string births =
        folder.Write("births.csv",
                     "name,date,time,zone,lat,lon,dst,city,state,country\r\n"
                     "Sample,1985-08-15,10:30,34,28N39,77E13,0,New Delhi,Delhi,India\r\n");
    std::string orb = folder.Write(
        "delhi.orb", EncodeReadingFile(BirthDetailsFromForm(
                         EntriesFromTexts({"Sample", "1985-08-15", "10:30", "34", "28N39", "77E13",
                                           "0", "New Delhi", "Delhi", "India"})
                             .entries)));
    std::vector<std::vector<std::string>> Commands(const std::string& out) const {
        return {{"report", orb, "-o", out}, {"batch", births, "-o", out}};
    }
};

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// The companion run to its end: its status, and all it said in `said`.
int RunToEnd(const std::vector<std::string>& arguments, std::string& said) {
    std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY " ORBALIS_CLI_BINARY;
    for (const std::string& argument : arguments) command += " '" + argument + "'";
    FILE* pipe = popen((command + " 2>&1 </dev/null").c_str(), "r");
    if (!pipe) return -1;
    char buffer[512];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        said.append(buffer, read);
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The companion started with the test hook that stops it the moment its
// hidden file is there, and the signals the test's runner may ignore back to
// their defaults.
pid_t StartStopping(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), ORBALIS_CLI_BINARY);
    std::vector<std::string> environment{"ORBALIS_NO_UNNAMED_FILES=stop"};
    for (char** each = environ; *each; ++each) environment.emplace_back(*each);
    const std::vector<char*> argv = Pointers(arguments), envp = Pointers(environment);
    const pid_t pid = fork();
    if (pid == 0) {
        for (const int each : {SIGINT, SIGTERM}) signal(each, SIG_DFL);
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    return pid;
}

TEST(OutputFile, AnotherUsersLinkInASharedFolderIsRefused) {
    if (geteuid() != 0) GTEST_SKIP() << "only the superuser can give a link to another user";
    const Inputs inputs;
    const fs::path shared = inputs.folder.File("shared");
    fs::create_directory(shared);
    chmod(shared.c_str(), 01777);
    const std::string link = (shared / "out").string();
    const std::string target = inputs.folder.Write("private", "private");
    fs::create_symlink(target, link);
    ASSERT_EQ(lchown(link.c_str(), 65534, 65534), 0);
    const std::string why = "it is another user's link in a folder that everyone can write to\n";
    const std::string said[] = {"Unable to save the file. " + link + "\n" + why,
                                "orbalis-cli: " + link + ": " + why};
    for (std::size_t i = 0; i < 2; ++i) {
        const std::vector<std::string> command = inputs.Commands(link)[i];
        SCOPED_TRACE(command[0]);
        std::string what;
        EXPECT_EQ(RunToEnd(command, what), 2);
        EXPECT_EQ(what, said[i]);
        EXPECT_EQ(ReadBytes(target), "private");
    }
}

// The hook stops the program once its hidden file is made; the signal sent
// then ends it as soon as it goes on.
TEST(OutputFile, StoppedBySignalLeavesNoHiddenFile) {
    const Inputs inputs;
    const fs::path outputs = inputs.folder.File("outputs");
    fs::create_directory(outputs);
    const std::string out = (outputs / "out").string();
    for (const std::vector<std::string>& command : inputs.Commands(out)) {
        for (const int signal : {SIGTERM, SIGINT}) {
            SCOPED_TRACE(command[0] + ", " + strsignal(signal));
            std::ofstream(out, std::ios::binary) << "old content";
            const pid_t pid = StartStopping(command);
            int status = 0;
            ASSERT_EQ(waitpid(pid, &status, WUNTRACED), pid);
            ASSERT_TRUE(WIFSTOPPED(status)) << "ended before its hidden file was made: " << status;
            EXPECT_EQ(std::distance(fs::directory_iterator(outputs), {}), 2);
            kill(pid, signal);
            kill(pid, SIGCONT);
            ASSERT_EQ(waitpid(pid, &status, 0), pid);
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
            EXPECT_EQ(ReadBytes(out), "old content");
            EXPECT_EQ(std::distance(fs::directory_iterator(outputs), {}), 1);
        }
    }
}

}  // namespace
}  // namespace orbalis::cli
