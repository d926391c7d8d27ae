#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "files/temporary_names.h"
#include "files/unique_descriptor.h"

namespace orbalis {

// A new content for a file, put in place whole or not at all, for the window
// and the command line alike. The bytes go to an unnamed file in the
// target's folder, which Commit writes to the disk and only then links in
// under the target's name (the folder too is written to the disk): until
// then the target keeps its old content, and a process that ends in any way
// leaves nothing behind. Abandon (and the destructor) drops the new content.
//
// - A link, dangling or not, stays a link: the content goes to the file it
//   names, which a dangling link thereby gets. Another user's link in a
//   folder everyone may write to (/tmp) is refused, as the system refuses to
//   follow it, unless the folder is that user's.
// - A read-only file, a missing folder or a folder in the target's place is
//   refused before anything is written.
// - A target that is no regular file (a device, a pipe) is written in place.
// - The new file keeps the old one's permissions (and owner, for the
//   superuser); a new one gets those the umask leaves of read and write for
//   everyone, without the process's umask being changed.
// - Where the file system has no unnamed files, a hidden file beside the
//   target takes their part; a signal that ends the program removes it
//   where RemoveTemporaryFilesOnSignals was called (SIGKILL leaves it).
class ReplacingFile {
  public:
    ReplacingFile() = default;
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // False when nothing can be written there; Error() says why.
    bool Open(const std::string& path);
    std::FILE* Stream() const { return stream_; }
    // False when not all of `bytes` could be written (Error() says why); the
    // new content is then dropped.
    bool Write(std::string_view bytes);

    // False when a step fails (Error() says why); the target is then unchanged.
    bool Commit();
    void Abandon();

    // Why the last step failed: "the file is read-only", "the folder does
    // not exist", "the name is empty", "the file cannot be written: the disk
    // is full".
    const std::string& Error() const { return error_; }

  private:
    bool Fail(const char* what);
    bool Refuse(std::string why);
    bool LinkIntoPlace();

    std::string name_;  // the target's name in its folder
    UniqueDescriptor folder_;
    std::string hidden_;       // the hidden file's name, where no unnamed file could be made
    TemporaryName temporary_;  // the hidden name, for a signal to remove
    bool inPlace_ = false;
    bool unnamed_ = false;
    std::FILE* stream_ = nullptr;
    std::string error_;
};

// `bytes` as the new content of the file at `path`, whole or not at all;
// false with `error` saying why.
bool ReplaceFile(const std::string& path, std::string_view bytes, std::string& error);

}  // namespace orbalis
