// The one file replacement of the window and the command line: what each
// kind of target becomes, and that nothing is left beside it.

#include "files/replacing_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace orbalis {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

struct Folder {
    Folder() {
        std::string pattern = (fs::temp_directory_path() / "orbalis-files-XXXXXX").string();
        path = ::mkdtemp(pattern.data());
    }
    ~Folder() {
        std::error_code ignored;
        fs::permissions(path / "locked", fs::perms::owner_all, ignored);
        fs::remove_all(path, ignored);
    }
    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(path))
            names.insert(entry.path().filename());
        return names;
    }
    fs::path path;
};

mode_t Mode(const fs::path& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status.st_mode & 07777;
}

TEST(ReplacingFile, EachKindOfTarget) {
    const mode_t mask = ::umask(022);
    ::umask(mask);
    struct Case {
        const char* name;
        const char* target;  // the path written, in the test's folder
        void (*prepare)(const fs::path& folder);
        bool replaced;
        const char* error;            // when refused
        const char* file;             // where the new content is then found
        std::set<std::string> names;  // the folder's content afterwards
    };
    const Case cases[] = {
        {"a new file", "new.txt", [](const fs::path&) {}, true, "", "new.txt", {"new.txt"}},
        {"an old file",
         "old.txt",
         [](const fs::path& f) { Write(f / "old.txt", "old"); },
         true,
         "",
         "old.txt",
         {"old.txt"}},
        {"a link stays a link",
         "link.txt",
         [](const fs::path& f) {
             Write(f / "real.txt", "old");
             fs::create_symlink("real.txt", f / "link.txt");
         },
         true,
         "",
         "real.txt",
         {"link.txt", "real.txt"}},
        {"a dangling link gets its file",
         "link.txt",
         [](const fs::path& f) { fs::create_symlink("real.txt", f / "link.txt"); },
         true,
         "",
         "real.txt",
         {"link.txt", "real.txt"}},
        {"a read-only file",
         "old.txt",
         [](const fs::path& f) {
             Write(f / "old.txt", "old");
             fs::permissions(f / "old.txt", fs::perms::owner_read);
         },
         false,
         "the file is read-only",
         "old.txt",
         {"old.txt"}},
        {"a missing folder",
         "gone/new.txt",
         [](const fs::path&) {},
         false,
         "the folder does not exist",
         "",
         {}},
        {"a file in the folder's place",
         "plain/new.txt",
         [](const fs::path& f) { Write(f / "plain", "old"); },
         false,
         "the folder does not exist",
         "plain",
         {"plain"}},
        {"a folder",
         "sub",
         [](const fs::path& f) { fs::create_directory(f / "sub"); },
         false,
         "it is a folder",
         "",
         {"sub"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Folder folder;
        c.prepare(folder.path);
        std::string error;
        const bool replaced = ReplaceFile(folder.path / c.target, "new content\r\n", error);
        EXPECT_EQ(replaced, c.replaced);
        EXPECT_EQ(error, replaced ? "" : c.error);
        if (*c.file) {
            EXPECT_EQ(Read(folder.path / c.file) == "new content\r\n", c.replaced);
        }
        EXPECT_EQ(folder.Names(), c.names);
        if (fs::is_symlink(folder.path / "link.txt")) {
            EXPECT_EQ(fs::read_symlink(folder.path / "link.txt"), "real.txt");
        }
        if (replaced && std::string(c.name) == "a new file") {
            EXPECT_EQ(Mode(folder.path / c.file), 0666 & ~mask);
        }
    }
}

TEST(ReplacingFile, KeepsPermissionsAndWritesDevicesInPlace) {
    Folder folder;
    const fs::path old = folder.path / "old.txt";
    Write(old, "old");
    fs::permissions(old, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    std::string error;
    ASSERT_TRUE(ReplaceFile(old, "new", error)) << error;
    EXPECT_EQ(Mode(old), 0640u);
    EXPECT_TRUE(ReplaceFile("/dev/null", "new", error)) << error;
}

// The system follows a link in a folder everyone may write to (the sticky
// /tmp) only for the link's owner or the folder's; the replacement, which
// follows links itself, no further.
TEST(ReplacingFile, FollowsALinkInASharedFolderOnlyWhereTheSystemWould) {
    if (::geteuid() != 0) GTEST_SKIP() << "only the superuser can give a link to another user";
    constexpr uid_t kOther = 65534;
    struct Case {
        const char* name;
        mode_t folderMode;
        uid_t folderOwner, linkOwner;
        bool followed;
    };
    const Case cases[] = {
        {"another user's link in a sticky folder everyone writes to", 01777, 0, kOther, false},
        {"the user's own link there", 01777, 0, 0, true},
        {"the folder owner's link", 01777, kOther, kOther, true},
        {"another user's link where not everyone writes", 01755, 0, kOther, true},
        {"another user's link in a folder that is not sticky", 0777, 0, kOther, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Folder folder;
        const fs::path shared = folder.path / "shared";
        const fs::path link = shared / "report.pdf";
        fs::create_directory(shared);
        ASSERT_EQ(::chown(shared.c_str(), c.folderOwner, c.folderOwner), 0);
        ASSERT_EQ(::chmod(shared.c_str(), c.folderMode), 0);
        Write(folder.path / "private.txt", "private");
        fs::create_symlink(folder.path / "private.txt", link);
        ASSERT_EQ(::lchown(link.c_str(), c.linkOwner, c.linkOwner), 0);
        std::string error;
        EXPECT_EQ(ReplaceFile(link, "new", error), c.followed);
        EXPECT_EQ(error, c.followed ? ""
                                    : "it is another user's link in a folder that everyone can "
                                      "write to");
        EXPECT_EQ(Read(folder.path / "private.txt"), c.followed ? "new" : "private");
        EXPECT_TRUE(fs::is_symlink(link));
    }
}

// Abandoned or never committed: the old content stays and nothing is left.
TEST(ReplacingFile, AbandonedLeavesNoTrace) {
    Folder folder;
    const fs::path old = folder.path / "old.txt";
    Write(old, "old");
    {
        ReplacingFile file;
        ASSERT_TRUE(file.Open(old));
        std::fputs("half", file.Stream());
        std::fflush(file.Stream());
        EXPECT_EQ(folder.Names(), std::set<std::string>{"old.txt"});
    }
    EXPECT_EQ(Read(old), "old");
    EXPECT_EQ(folder.Names(), std::set<std::string>{"old.txt"});
}

}  // namespace
}  // namespace orbalis
