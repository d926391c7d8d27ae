#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "cli/birth_arguments.h"
#include "cli/run_cli.h"
#include "reading/input_rules.h"
#include "reading/reading_file.h"
#include "temp_folder.h"

namespace orbalis::cli {
namespace {

using testing::TempFolder;

// Delhi, 15 August 1985, 10:30 IST (zone row 34), 28N39 77E13.
BirthDetails DelhiBirth(const char* name) {
    const BirthTexts texts{name,    "1985-08-15", "10:30",     "34",    "28N39",
                           "77E13", "0",          "New Delhi", "Delhi", "India"};
    return BirthDetailsFromForm(EntriesFromTexts(texts).entries);
}

std::string CommandOutput(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return output;
    char buffer[4096];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, read);
    pclose(pipe);
    return output;
}

// The companion run as a user runs it: its own process, no display.
int Report(const std::string& arguments, std::string* errors = nullptr) {
    const std::string command = std::string("env -u DISPLAY -u WAYLAND_DISPLAY ") +
                                ORBALIS_CLI_BINARY + " report " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return -1;
    std::string text;
    char buffer[512];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, read);
    if (errors) *errors = text;
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ReportCommand, WritesTheReportOfAReadingFileWithoutADisplay) {
    TempFolder folder;
    const std::string orb = folder.Write("delhi.orb", EncodeReadingFile(DelhiBirth("Asha Verma")));
    struct Case {
        const char* name;
        const char* options;
        const char* expected;  // in the PDF's text
    };
    const Case cases[] = {
        {"south, classic", "", "Positions: classic"},
        {"north", "--chart-style north", "Navamsa (D9)"},
        {"east, precise", "--chart-style east --positions precise",
         "Positions: precise (Swiss Ephemeris)"},
    };
    // Two files are a couple, the groom's first; --lang sets the report's
    // language and type.
    const std::string priya = folder.Write("priya.orb", EncodeReadingFile(DelhiBirth("Priya")));
    const std::pair<std::string, const char*> more[] = {
        {orb + " " + priya, "Ashtakoota (36 gunas)"},
        {orb + " --lang hi", "Lohit-Devanagari"},
        {orb + " " + priya + " --lang ta", "Lohit-Tamil"},
    };
    for (const auto& [arguments, expected] : more) {
        SCOPED_TRACE(arguments);
        const std::string pdf = folder.File("more.pdf");
        std::string errors;
        ASSERT_EQ(Report(arguments + " -o " + pdf, &errors), 0) << errors;
        const std::string text = CommandOutput("pdftotext " + pdf + " -; pdffonts " + pdf);
        EXPECT_NE(text.find(expected), std::string::npos) << text;
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string pdf = folder.File("out.pdf");
        std::string errors;
        ASSERT_EQ(Report(orb + " -o " + pdf + " " + c.options, &errors), 0) << errors;
        const std::string text = CommandOutput("pdftotext " + pdf + " -");
        EXPECT_NE(text.find("Asha Verma"), std::string::npos);
        EXPECT_NE(text.find("Kanya"), std::string::npos);
        EXPECT_NE(text.find(c.expected), std::string::npos) << text;
    }
}

TEST(ReportCommand, RefusesWhatOtherSavesRefuse) {
    TempFolder folder;
    const std::string orb = folder.Write("delhi.orb", EncodeReadingFile(DelhiBirth("Sample")));
    const std::string readOnly = folder.Write("kept.pdf", "old");
    chmod(readOnly.c_str(), 0444);
    struct Case {
        const char* name;
        std::string arguments;
        int status;
        const char* message;
    };
    const Case cases[] = {
        {"a read-only file stays as it was", orb + " -o " + readOnly, 2,
         "Unable to save the file."},
        {"a full disk", orb + " -o /dev/full", 2,
         "Unable to save the file. /dev/full\nthe file cannot be written: the disk is full\n"},
        {"an empty name", orb + " -o ''", 2, "Unable to save the file. \nthe name is empty\n"},
        {"a folder that is not there", orb + " -o " + folder.File("none/out.pdf"), 2,
         "Unable to save the file."},
        {"a language not installed", orb + " --lang xx -o " + folder.File("x.pdf"), 2,
         "--lang: no language \"xx\"; this installation speaks en"},
        {"three files", orb + " " + orb + " " + orb + " -o " + folder.File("x.pdf"), 2,
         "At Most 2 required but received 3"},
        {"a file that is no reading", folder.Write("bad.orb", "") + " -o " + folder.File("x.pdf"),
         2, "Please Enter Your Name"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string errors;
        EXPECT_EQ(Report(c.arguments, &errors), c.status);
        EXPECT_NE(errors.find(c.message), std::string::npos) << errors;
    }
    EXPECT_EQ(testing::ReadBytes(readOnly), "old");
}

}  // namespace
}  // namespace orbalis::cli
