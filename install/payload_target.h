// Where a payload file goes.
#pragma once
#include <cstddef>

// The explicit path when given, else folder + "\" + fileName, used unchanged (a folder ending in
// "\" gives a doubled separator). False when it does not fit in `capacity` bytes with its NUL.
bool BuildPayloadTarget(char* out, std::size_t capacity, const char* folder, const char* fileName,
                        const char* explicitPath);

// The folder part of a target: everything before its last "\" or "/" (a root keeps it), or "."
// when it has none. False when it does not fit.
bool PayloadTargetFolder(char* out, std::size_t capacity, const char* target);
