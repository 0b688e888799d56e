// Start-menu group, desktop link and Startup entry through the shell's folders and link object.
#include "install/shortcuts_win.h"

#include <windows.h>
#include <io.h>
#include <direct.h>
#include <shlobj.h>

#include "install/com_scope_win.h"
#include "install/shortcut_plan.h"
#include "shell/message_box_win.h"
#include "shell/setup_state_win.h"

namespace {

// An item-ID list from the shell, given back to the shell's allocator.
class ScopedItemList {
public:
    explicit ScopedItemList(IMalloc* allocator) : allocator_(allocator) {}
    ScopedItemList(const ScopedItemList&) = delete;
    ScopedItemList& operator=(const ScopedItemList&) = delete;
    ~ScopedItemList()
    {
        if (list_) allocator_->Free(list_);
    }
    LPITEMIDLIST* Receive() { return &list_; }
    LPCITEMIDLIST Get() const { return list_; }

private:
    IMalloc* allocator_;
    LPITEMIDLIST list_ = nullptr;
};

class ShellShortcutSystem final : public ShortcutSystem {
public:
    bool FindFolder(int folder, char (&path)[PathCapacity]) override
    {
        // Version-3 Windows has no shell folder lookup: the path is built by hand.
        return (Setup.MajorVersionIs3 ? LegacyShellFolder(path, folder) : ResolveShellFolder(path, folder)) != 0;
    }
    bool Exists(const char* path) override { return _access(path, 0) == 0; }
    bool MakeFolder(const char* path) override { return _mkdir(path) == 0; }
    bool MakeLink(const char* targetPath, const char* linkPath, const char* description) override
    {
        return CreateShellLink(targetPath, linkPath, description) != 0;
    }
    void ShowMessage(const char* chinese, const char* english) override
    {
        ::ShowMessage(chinese, english, MessageOk, Setup.WizardWindow);
    }
};

}  // namespace

int CreateShortcutGroup(const char* groupName, const ShortcutEntry* links, int folder)
{
    ShellShortcutSystem system;
    return MakeShortcutGroup(system, Setup.InstallFolder, groupName, links, folder);
}

void CreateDesktopShortcut(const char* targetFile, const char* linkName)
{
    ShellShortcutSystem system;
    MakeDesktopShortcut(system, Setup.InstallFolder, targetFile, linkName);
}

int ResolveShellFolder(char* path, int folder)
{
    ComPtr<IMalloc> allocator;
    if (FAILED(SHGetMalloc(allocator.Receive()))) return 0;
    ScopedItemList list(allocator.Get());
    if (FAILED(SHGetSpecialFolderLocation(nullptr, folder, list.Receive()))) return 0;
    return SHGetPathFromIDListA(list.Get(), path) ? 1 : 0;
}

int LegacyShellFolder(char* path, int folder)
{
    char windowsFolder[PathCapacity];
    const UINT length = GetWindowsDirectoryA(windowsFolder, sizeof windowsFolder);
    char userName[256];
    const char* user = nullptr;
    if (Setup.PlatformIsNt) {
        DWORD size = sizeof userName;
        if (!GetUserNameA(userName, &size)) return 0;
        user = userName;
    }
    // GetWindowsDirectoryA gives the size it needs when the buffer is too small.
    if (length == 0 || length >= sizeof windowsFolder) return 0;
    return BuildLegacyShellFolder(path, PathCapacity, windowsFolder, user, folder) ? 1 : 0;
}

int CreateShellLink(const char* targetPath, const char* linkPath, const char* description)
{
    ScopedComApartment apartment;
    if (!apartment.Entered()) return 0;
    ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                link.ReceiveVoid())))
        return 0;
    if (FAILED(link->SetPath(targetPath))) return 0;
    link->SetDescription(description);
    link->SetIconLocation(targetPath, 0);
    char workingFolder[PathCapacity];
    if (LinkWorkingFolder(workingFolder, sizeof workingFolder, targetPath)) link->SetWorkingDirectory(workingFolder);

    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.ReceiveVoid()))) return 0;
    // A path that does not convert into the buffer is refused rather than saved under a stray name.
    WCHAR widePath[PathCapacity];
    if (MultiByteToWideChar(CP_ACP, 0, linkPath, -1, widePath, PathCapacity) == 0) return 0;
    return SUCCEEDED(file->Save(widePath, TRUE)) ? 1 : 0;
}
