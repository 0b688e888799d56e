// The rules of the shortcuts: path building, naming, the folder rule, the result rule and the messages.
#pragma once
#include <cstddef>

#include "install/shortcut_entry.h"
#include "shell/wizard_state.h"

// Shell folder numbers (CSIDL values) this program uses.
enum ShellFolder : int {
    FolderDesktop = 0,
    FolderPrograms = 2,
    FolderStartup = 7,
};

// The desktop link's "\name.lnk" suffix has a buffer of its own.
constexpr std::size_t DesktopSuffixCapacity = 100;

// What the rules act through: the shell, the file system and the message box.
class ShortcutSystem {
public:
    virtual ~ShortcutSystem() = default;
    virtual bool FindFolder(int folder, char (&path)[PathCapacity]) = 0;
    virtual bool Exists(const char* path) = 0;
    virtual bool MakeFolder(const char* path) = 0;
    virtual bool MakeLink(const char* targetPath, const char* linkPath, const char* description) = 0;
    virtual void ShowMessage(const char* chinese, const char* english) = 0;
};

// 1 when the last link of the list was made (or the list is empty), else 0; reports failures itself.
int MakeShortcutGroup(ShortcutSystem& system, const char* installFolder, const char* groupName,
                      const ShortcutEntry* links, int folder);

// A link on the desktop; silent whatever happens.
void MakeDesktopShortcut(ShortcutSystem& system, const char* installFolder, const char* targetFile,
                         const char* linkName);

// The hand-built path of a shell folder under the Windows folder; userName is null except on NT.
// False when it does not fit in `capacity` bytes with its terminator.
bool BuildLegacyShellFolder(char* out, std::size_t capacity, const char* windowsFolder, const char* userName,
                            int folder);

// The part of a link's target before its last "\"; false when it has none or it does not fit.
bool LinkWorkingFolder(char* out, std::size_t capacity, const char* targetPath);
