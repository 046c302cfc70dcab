// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: a check that stops the run with its reason.
#pragma once

#include <cstdio>
#include <cstdlib>

// A broken expectation is a finding: libFuzzer keeps the input that caused it.
#define FUZZ_REQUIRE(condition)                                                         \
    do {                                                                                \
        if (!(condition)) {                                                             \
            std::fprintf(stderr, "%s:%d: expectation broken: %s\n", __FILE__, __LINE__, \
                         #condition);                                                   \
            std::abort();                                                               \
        }                                                                               \
    } while (false)
