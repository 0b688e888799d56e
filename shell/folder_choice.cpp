// Install-folder paths: the default one, the picked folder and the install path made from it.
#include "shell/folder_choice.h"

#include <cstdio>
#include <cstring>

bool DefaultInstallFolder(char* out, std::size_t capacity, const char* windowsFolder, const char* leaf)
{
    // Without an answer the folder goes on drive C, where Windows nearly always is.
    const char drive = windowsFolder[0] ? windowsFolder[0] : 'C';
    const std::size_t needed = 3 + std::strlen(leaf) + 1;
    if (needed > capacity) return false;
    std::snprintf(out, capacity, "%c:\\%s", drive, leaf);
    return true;
}

void StripTrailingBackslash(char* folder)
{
    const std::size_t length = std::strlen(folder);
    if (length > 0 && folder[length - 1] == '\\') folder[length - 1] = '\0';
}

bool JoinInstallPath(char* out, std::size_t capacity, const char* folder, const char* leaf)
{
    const std::size_t needed = std::strlen(folder) + 1 + std::strlen(leaf) + 1;
    if (needed > capacity) return false;
    std::snprintf(out, capacity, "%s\\%s", folder, leaf);
    return true;
}
