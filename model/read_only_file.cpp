#include "model/read_only_file.h"

#include <sys/stat.h>

namespace orbalis {

bool IsMarkedReadOnly(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return false;
    return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace orbalis
