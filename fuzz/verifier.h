#pragma once

// A failed property stops the fuzzer with the input that broke it.

#include <cstdio>
#include <cstdlib>

#define EXIGER(condition)                                                                                    \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #condition);                             \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)
