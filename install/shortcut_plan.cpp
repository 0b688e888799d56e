// The rules of the shortcuts: path building, naming, the folder rule, the result rule and the messages.
#include "install/shortcut_plan.h"

#include <cstring>

#include "install/bounded_format.h"
#include "shell/messages.h"

namespace {

void ShowStartMenuFailure(ShortcutSystem& system)
{
    system.ShowMessage(StartMenuFailureMessage.Chinese, StartMenuFailureMessage.English);
}

// One link of a group: a link path or target path that does not fit counts as a failed link.
bool MakeGroupLink(ShortcutSystem& system, const char* folder, const char* installFolder,
                   const ShortcutEntry& entry)
{
    char linkPath[PathCapacity];
    char targetPath[PathCapacity];
    if (!FormatInto(linkPath, sizeof linkPath, "%s\\%s.lnk", folder, entry.Name)) return false;
    if (!FormatInto(targetPath, sizeof targetPath, "%s\\%s", installFolder, entry.Target)) return false;
    return system.MakeLink(targetPath, linkPath, entry.Name);
}

}  // namespace

int MakeShortcutGroup(ShortcutSystem& system, const char* installFolder, const char* groupName,
                      const ShortcutEntry* links, int folder)
{
    char base[PathCapacity];
    if (!system.FindFolder(folder, base)) {
        ShowStartMenuFailure(system);
        return 0;
    }

    char groupFolder[PathCapacity];
    const char* linkFolder = base;
    if (groupName && groupName[0]) {
        if (!FormatInto(groupFolder, sizeof groupFolder, "%s\\%s", base, groupName)) {
            ShowStartMenuFailure(system);
            return 0;
        }
        // Anything already there, folder or file, is taken as the group; only one level is made.
        if (!system.Exists(groupFolder) && !system.MakeFolder(groupFolder)) {
            // Room for the format's own bytes around a path of at most 259.
            char chinese[PathCapacity + 64];
            FormatInto(chinese, sizeof chinese, GroupFolderFailureFormat, groupFolder);
            system.ShowMessage(chinese, CannotCreateFolderText);
            return 0;
        }
        linkFolder = groupFolder;
    }

    // Every link is tried; the last one decides.
    int result = 1;
    for (const ShortcutEntry* entry = links; entry->Name; ++entry) {
        result = MakeGroupLink(system, linkFolder, installFolder, *entry) ? 1 : 0;
    }
    if (!result) ShowStartMenuFailure(system);
    return result;
}

void MakeDesktopShortcut(ShortcutSystem& system, const char* installFolder, const char* targetFile,
                         const char* linkName)
{
    char targetPath[PathCapacity];
    if (!FormatInto(targetPath, sizeof targetPath, "%s\\%s", installFolder, targetFile)) return;
    char desktop[PathCapacity];
    if (!system.FindFolder(FolderDesktop, desktop)) return;
    char suffix[DesktopSuffixCapacity];
    if (!FormatInto(suffix, sizeof suffix, "\\%s.lnk", linkName)) return;
    char linkPath[PathCapacity];
    if (!FormatInto(linkPath, sizeof linkPath, "%s%s", desktop, suffix)) return;
    system.MakeLink(targetPath, linkPath, linkName);
}

bool BuildLegacyShellFolder(char* out, std::size_t capacity, const char* windowsFolder, const char* userName,
                            int folder)
{
    const std::size_t length = std::strlen(windowsFolder);
    const char* separator = length > 0 && windowsFolder[length - 1] == '\\' ? "" : "\\";
    const char* subPath = "";
    if (folder == FolderPrograms) subPath = "start menu\\programs";
    if (folder == FolderDesktop) subPath = "Desktop";
    // The Startup folder lives under Programs, as the shell itself places it.
    if (folder == FolderStartup) subPath = "start menu\\programs\\startup";
    if (userName) {
        return FormatInto(out, capacity, "%s%sprofiles\\%s\\%s", windowsFolder, separator, userName, subPath);
    }
    return FormatInto(out, capacity, "%s%s%s", windowsFolder, separator, subPath);
}

bool LinkWorkingFolder(char* out, std::size_t capacity, const char* targetPath)
{
    // Byte-wise, as the path is handed to the ANSI shell interfaces.
    const char* lastSeparator = std::strrchr(targetPath, '\\');
    if (!lastSeparator) return false;
    const std::size_t length = static_cast<std::size_t>(lastSeparator - targetPath);
    if (length + 1 > capacity) return false;
    std::memcpy(out, targetPath, length);
    out[length] = '\0';
    return true;
}
