#pragma once

#include <cstdio>

// Opens a file for the ephemeris library, which the build links to call this
// in place of fopen: its ephemeris files (*.se1) are read whole and served
// from memory, every other file is opened as fopen opens it.
extern "C" std::FILE* orbalis_ephemeris_fopen(const char* path, const char* mode);
