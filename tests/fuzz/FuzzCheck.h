#pragma once
#include <cstdio>
#include <cstdlib>

// A property that failed under the fuzzer: a crash the fuzzer (and the corpus replay) reports with the input.
#define TW_FUZZ_CHECK(condition)                                                                                       \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);                      \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)
