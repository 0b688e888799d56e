// Where a payload file goes.
#include "install/payload_target.h"

#include <cstring>

#include "install/bounded_format.h"

bool BuildPayloadTarget(char* out, std::size_t capacity, const char* folder, const char* fileName,
                        const char* explicitPath)
{
    return explicitPath ? FormatInto(out, capacity, "%s", explicitPath)
                        : FormatInto(out, capacity, "%s\\%s", folder, fileName);
}

bool PayloadTargetFolder(char* out, std::size_t capacity, const char* target)
{
    const char* lastSeparator = nullptr;
    for (const char* p = target; *p; ++p) {
        if (*p == '\\' || *p == '/') lastSeparator = p;
    }
    std::size_t length = lastSeparator ? static_cast<std::size_t>(lastSeparator - target) : 1;
    // A root ("\x" or "C:\x") keeps its separator: "C:" alone would mean drive C's current folder.
    if (lastSeparator && (length == 0 || target[length - 1] == ':')) ++length;
    const char* source = lastSeparator ? target : ".";
    if (length + 1 > capacity) return false;
    std::memcpy(out, source, length);
    out[length] = '\0';
    return true;
}
