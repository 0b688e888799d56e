// The folder chooser's path rules: the picked folder and the install path made from it.
#pragma once
#include <cstddef>

// Removes one trailing backslash: only a drive root such as D:\ ends in one, and becomes D:.
void StripTrailingBackslash(char* folder);

// folder + "\" + leaf into out. False, with out left unchanged, when it does not fit in capacity
// bytes with its NUL.
bool JoinInstallPath(char* out, std::size_t capacity, const char* folder, const char* leaf);
