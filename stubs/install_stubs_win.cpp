// TEMPORARY placeholders until install/ implements these; delete each as its real definition lands.
#include "install/installation_win.h"
#include "install/settings_file_win.h"
#include "install/shortcuts_win.h"
int RunInstallation() { return 0; }
void UpdateUiLanguageSetting() {}
void ClearProtectiveAttributes(const char*, int, int) {}
int CreateShortcutGroup(const char*, const ShortcutEntry*, int) { return 0; }
void CreateDesktopShortcut(const char*, const char*) {}
int ResolveShellFolder(char*, int) { return 0; }
int LegacyShellFolder(char*, int) { return 0; }
int CreateShellLink(const char*, const char*, const char*) { return 0; }
