// Formatting into a fixed buffer that refuses, rather than cuts, what does not fit.
#pragma once
#include <cstddef>

// False when the text does not fit in `capacity` bytes with its terminator; `out` is then empty.
bool FormatInto(char* out, std::size_t capacity, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
