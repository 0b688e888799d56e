// Install-folder paths: the default one, the picked folder and the install path made from it.
#pragma once
#include <cstddef>

// The proposed install folder, "%c:\%s" from the Windows folder's drive letter and the leaf name;
// drive C when the Windows folder is unknown (empty). False, out unchanged, when it does not fit.
bool DefaultInstallFolder(char* out, std::size_t capacity, const char* windowsFolder, const char* leaf);

// Removes one trailing backslash: only a drive root such as D:\ ends in one, and becomes D:.
void StripTrailingBackslash(char* folder);

// folder + "\" + leaf into out. False, with out left unchanged, when it does not fit in capacity
// bytes with its NUL.
bool JoinInstallPath(char* out, std::size_t capacity, const char* folder, const char* leaf);
