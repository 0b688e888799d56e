// Helpers of the installation-engine tests: links read back through the shell.
#include "install_test_support.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include "install/com_scope_win.h"
#include "install/shortcuts_win.h"
#include "shell/setup_state_win.h"

namespace {

LinkFields LinkFieldsOf(IShellLinkA* link)
{
    LinkFields fields;
    char text[1024];
    if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH))) fields.Target = text;
    if (SUCCEEDED(link->GetDescription(text, sizeof text))) fields.Description = text;
    if (SUCCEEDED(link->GetIconLocation(text, MAX_PATH, &fields.IconIndex))) fields.IconPath = text;
    if (SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH))) fields.WorkingFolder = text;
    fields.Loaded = true;
    return fields;
}

}  // namespace

LinkFields LoadLink(const std::string& linkPath)
{
    ScopedComApartment apartment;
    ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                link.ReceiveVoid())))
        return {};
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.ReceiveVoid()))) return {};
    WCHAR widePath[MAX_PATH];
    if (!MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH)) return {};
    if (FAILED(file->Load(widePath, STGM_READ))) return {};
    return LinkFieldsOf(link.Get());
}

std::string ShellFolderPath(int folder)
{
    char path[PathCapacity];
    return ResolveShellFolder(path, folder) ? path : "<none>";
}
