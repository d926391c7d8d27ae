// The companion's outputs through a link another user put in a folder that
// everyone may write to: refused, the file the link names left as it was.

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "cli/birth_arguments.h"
#include "reading/input_rules.h"
#include "reading/reading_file.h"
#include "temp_folder.h"

namespace orbalis::cli {
namespace {

using testing::ReadBytes;
using testing::TempFolder;

// Status and everything the command said.
int RunCompanion(const std::string& arguments, std::string& said) {
    const std::string command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY ") +
                                ORBALIS_CLI_BINARY + " " + arguments + " 2>&1 </dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return -1;
    char buffer[512];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) said.append(buffer, read);
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(OutputLink, AnotherUsersLinkInASharedFolderIsRefused) {
    if (geteuid() != 0) GTEST_SKIP() << "only the superuser can give a link to another user";
    TempFolder folder;
    const std::string births =
        folder.Write("births.csv",
                     "name,date,time,zone,lat,lon,dst,city,state,country\r\n"
                     "Sample,1985-08-15,10:30,34,28N39,77E13,0,New Delhi,Delhi,India\r\n");
    const std::string orb = folder.Write(
        "delhi.orb", EncodeReadingFile(BirthDetailsFromForm(
                         EntriesFromTexts({"Sample", "1985-08-15", "10:30", "34", "28N39", "77E13",
                                           "0", "New Delhi", "Delhi", "India"})
                             .entries)));
    const std::filesystem::path shared = folder.File("shared");
    std::filesystem::create_directory(shared);
    chmod(shared.c_str(), 01777);
    const std::string link = (shared / "out").string();
    const std::string target = folder.File("private");
    struct Case {
        const char* name;
        std::string arguments;
        uid_t linkOwner;
        int status;
        std::string said;  // all it says
    };
    const Case cases[] = {
        {"report, another user's link", "report " + orb + " -o " + link, 65534, 2,
         "Unable to save the file. " + link +
             "\nit is another user's link in a folder that everyone can write to\n"},
        {"batch, another user's link", "batch " + births + " -o " + link, 65534, 2,
         "orbalis-cli: " + link +
             ": it is another user's link in a folder that everyone can write to\n"},
        {"report, the user's own link", "report " + orb + " -o " + link, 0, 0, ""},
        {"batch, the user's own link", "batch " + births + " -o " + link, 0, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        folder.Write("private", "private");
        chmod(target.c_str(), 0600);
        std::filesystem::remove(link);
        std::filesystem::create_symlink(target, link);
        ASSERT_EQ(lchown(link.c_str(), c.linkOwner, c.linkOwner), 0);
        std::string said;
        EXPECT_EQ(RunCompanion(c.arguments, said), c.status);
        EXPECT_EQ(said, c.said);
        EXPECT_EQ(ReadBytes(target) == "private", c.status != 0);
        EXPECT_TRUE(std::filesystem::is_symlink(link));
    }
}

}  // namespace
}  // namespace orbalis::cli
