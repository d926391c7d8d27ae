// The library reads its ephemeris files through stdio, seeking to a new
// place for almost every body of every birth; each seek and read is a system
// call, and together they took about half the time of a precise reading. The
// build renames the library's own fopen to the function below, which hands
// it the files' bytes from memory (about 2 MiB for the planets and the Moon,
// once per thread); seeks then cost nothing. Every other file goes to fopen.

#include "ephemeris/ephemeris_files.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

struct MemoryFile {
    std::vector<char> bytes;
    std::size_t at = 0;
};

ssize_t ReadMemory(void* cookie, char* buffer, std::size_t size) {
    auto* file = static_cast<MemoryFile*>(cookie);
    const std::size_t count = std::min(size, file->bytes.size() - file->at);
    std::memcpy(buffer, file->bytes.data() + file->at, count);
    file->at += count;
    return static_cast<ssize_t>(count);
}

int SeekMemory(void* cookie, off64_t* offset, int whence) {
    auto* file = static_cast<MemoryFile*>(cookie);
    const off64_t base = whence == SEEK_SET   ? 0
                         : whence == SEEK_CUR ? static_cast<off64_t>(file->at)
                                              : static_cast<off64_t>(file->bytes.size());
    const off64_t target = base + *offset;
    if (target < 0 || target > static_cast<off64_t>(file->bytes.size())) {
        errno = EINVAL;
        return -1;
    }
    file->at = static_cast<std::size_t>(target);
    *offset = target;
    return 0;
}

int CloseMemory(void* cookie) {
    delete static_cast<MemoryFile*>(cookie);
    return 0;
}

// The whole file, or nothing when it cannot be read.
bool ReadWhole(std::FILE* disk, std::vector<char>& bytes) {
    if (std::fseek(disk, 0, SEEK_END) != 0) return false;
    const long size = std::ftell(disk);
    if (size < 0 || std::fseek(disk, 0, SEEK_SET) != 0) return false;
    bytes.resize(static_cast<std::size_t>(size));
    return std::fread(bytes.data(), 1, bytes.size(), disk) == bytes.size();
}

}  // namespace

extern "C" std::FILE* orbalis_ephemeris_fopen(const char* path, const char* mode) {
    const std::string_view name(path);
    const std::string_view access(mode);
    if (!name.ends_with(".se1") || (access != "r" && access != "rb")) return std::fopen(path, mode);
    std::FILE* disk = std::fopen(path, mode);
    if (!disk) return nullptr;
    auto* file = new MemoryFile;
    const bool read = ReadWhole(disk, file->bytes);
    std::fclose(disk);
    std::FILE* stream = nullptr;
    if (read) stream = fopencookie(file, "rb", {ReadMemory, nullptr, SeekMemory, CloseMemory});
    if (!stream) {
        delete file;
        return std::fopen(path, mode);
    }
    // The library reads a few hundred bytes after each seek.
    std::setvbuf(stream, nullptr, _IOFBF, 1024);
    return stream;
}
