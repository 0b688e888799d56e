// Formatting into a fixed buffer that refuses, rather than cuts, what does not fit.
#include "install/bounded_format.h"

#include <cstdarg>
#include <cstdio>

bool FormatInto(char* out, std::size_t capacity, const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    const int written = std::vsnprintf(out, capacity, format, arguments);
    va_end(arguments);
    if (written < 0 || static_cast<std::size_t>(written) >= capacity) {
        if (capacity > 0) out[0] = '\0';
        return false;
    }
    return true;
}
