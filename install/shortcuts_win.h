// Start-menu group, desktop link and Startup entry through the shell's link object.
#pragma once

#include "install/shortcut_entry.h"

int CreateShortcutGroup(const char* groupName, const ShortcutEntry* links, int folder);
void CreateDesktopShortcut(const char* targetFile, const char* linkName);
int ResolveShellFolder(char* path, int folder);
int LegacyShellFolder(char* path, int folder);
int CreateShellLink(const char* targetPath, const char* linkPath, const char* description);
