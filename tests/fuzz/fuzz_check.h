#pragma once

#include <cstdio>
#include <cstdlib>

// A broken property is a crash as far as libFuzzer is concerned: it stops,
// keeps the input as an artifact and shows this message above the stack.
#define FUZZ_CHECK(condition, ...)                                                               \
    do {                                                                                         \
        if (!(condition)) {                                                                      \
            std::fprintf(stderr, "%s:%d: check failed: %s\n  ", __FILE__, __LINE__, #condition); \
            std::fprintf(stderr, __VA_ARGS__);                                                   \
            std::fputc('\n', stderr);                                                            \
            std::abort();                                                                        \
        }                                                                                        \
    } while (false)

// For the targets' own plain re-implementations: the fuzzer should steer by
// the coverage of the code under test, not of the oracle, whose byte loops
// would also take most of each run if every comparison in them were traced.
#define FUZZ_ORACLE __attribute__((no_sanitize("coverage")))
