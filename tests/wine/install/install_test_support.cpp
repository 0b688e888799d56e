// Helpers of the installation-engine tests: a temp folder of their own, file bytes, links read back.
#include "install_test_support.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstdio>

#include "install/com_scope_win.h"

std::string ReadFileBytes(const std::string& path)
{
    FILE* file = fopen(path.c_str(), "rb");
    if (!file) return "<missing>";
    std::string bytes;
    char chunk[4096];
    size_t got;
    while ((got = fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
    fclose(file);
    return bytes;
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    FILE* file = fopen(path.c_str(), "wb");
    ASSERT_NE(nullptr, file) << path;
    ASSERT_EQ(bytes.size(), fwrite(bytes.data(), 1, bytes.size(), file));
    fclose(file);
}

bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

void RemoveTree(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileA(path.c_str());
        return;
    }
    for (const std::string& name : FolderEntries(path)) RemoveTree(path + "\\" + name);
    RemoveDirectoryA(path.c_str());
}

TemporaryFolder::TemporaryFolder()
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    path_ = std::string(temp) + "vocalith-install-" + std::to_string(GetCurrentProcessId()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name();
    RemoveTree(path_);
    CreateDirectoryA(path_.c_str(), nullptr);
}

TemporaryFolder::~TemporaryFolder() { RemoveTree(path_); }

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
