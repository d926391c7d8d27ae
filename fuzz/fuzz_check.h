#pragma once

#include <cstdio>
#include <cstdlib>

// A property every input must keep; a broken one stops the run, so that the
// fuzzing engine saves the input and a replay fails.
#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)
