// What the e2e driver checks on disk and in the process list: installed files, settings, links, the package.
#include "driver_checks.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstring>

#include "driver_steps.h"
#include "install/catalogue.h"
#include "install/com_scope_win.h"
#include "install/settings_file.h"
#include "install/shortcut_names.h"
#include "shell/install_command.h"

namespace {

// The catalogue items the links point at: the program and its uninstaller.
constexpr unsigned short ProgramItem = 109;
constexpr unsigned short UninstallerItem = 192;

std::wstring Join(const std::wstring& folder, const std::wstring& name) { return folder + L"\\" + name; }

std::wstring FileName(const CatalogueRow& row) { return Decode(row.FileName, CP_UTF8); }

// The file name the catalogue gives a payload item.
std::wstring CatalogueFileName(unsigned short item) {
    for (size_t i = 0; i < CatalogueRowCount; ++i)
        if (Catalogue[i].Action == CatalogueAction::Write && Catalogue[i].Item == item) return FileName(Catalogue[i]);
    return L"<no catalogue row for item " + std::to_wstring(item) + L">";
}

// The link names as the bytes the setup passes to the ANSI shell, decoded in their own code page.
LinkNames NamesOf(const ShortcutNames& names, UINT codePage) {
    return {Decode(names.Product, codePage), Decode(names.Uninstall, codePage)};
}

// Where the setup puts the links of one name pair.
struct LinkPathSet {
    std::wstring Group, ProductLink, UninstallLink, DesktopLink, StartupLink;
};

LinkPathSet LinkPaths(const LinkNames& names) {
    std::wstring group = Join(ShellFolder(CSIDL_PROGRAMS), names.Product);
    return {group, Join(group, names.Product + L".lnk"), Join(group, names.Uninstall + L".lnk"),
            Join(ShellFolder(CSIDL_DESKTOPDIRECTORY), names.Product + L".lnk"),
            Join(ShellFolder(CSIDL_STARTUP), names.Product + L".lnk")};
}

struct LinkRead {
    bool Loaded = false;
    std::wstring Target, Description, WorkingDirectory;
};

LinkRead ReadLink(const std::wstring& path) {
    LinkRead read;
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.ReceiveVoid())) ||
        FAILED(link->QueryInterface(IID_IPersistFile, file.ReceiveVoid())) || FAILED(file->Load(path.c_str(), STGM_READ)))
        return read;
    wchar_t text[MAX_PATH] = L"";
    link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
    read.Target = text;
    text[0] = L'\0';
    link->GetDescription(text, MAX_PATH);
    read.Description = text;
    text[0] = L'\0';
    link->GetWorkingDirectory(text, MAX_PATH);
    read.WorkingDirectory = text;
    read.Loaded = true;
    return read;
}

std::string AppendedBlock(int uiLanguage) {
    return "\r\n[Config]\r\nUILanguage=" + std::to_string(uiLanguage) + "\r\n\r\n";
}

bool ExpectAttributes(const std::wstring& path, const CatalogueRow& file) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return Fail("expected the file %s, seen none", Utf8(path).c_str());
    DWORD want = (file.ReadOnly ? FILE_ATTRIBUTE_READONLY : 0) | (file.Hidden ? FILE_ATTRIBUTE_HIDDEN : 0);
    DWORD seen = attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    if (seen != want) return Fail("%s: expected read-only %d hidden %d, seen attributes 0x%lx", Utf8(path).c_str(),
                                  file.ReadOnly, file.Hidden, attributes);
    return true;
}

}  // namespace

LinkNames EnglishLinkNames() { return NamesOf(EnglishShortcutNames, CP_UTF8); }
LinkNames SimplifiedLinkNames() { return NamesOf(SimplifiedShortcutNames, 936); }
LinkNames TraditionalLinkNames() { return NamesOf(TraditionalShortcutNames, 950); }

std::wstring ShellFolder(int csidl) {
    wchar_t path[MAX_PATH] = L"";
    SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::wstring TempPackagePath() {
    wchar_t temp[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + Decode(SapiPackageName, CP_UTF8);
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool DeleteTree(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return true;
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return DeleteFileW(path.c_str()) != FALSE;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(Join(path, L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") DeleteTree(Join(path, name));
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    return RemoveDirectoryW(path.c_str()) != FALSE;
}

bool MakeFolders(const std::wstring& path) {
    int result = SHCreateDirectoryExW(nullptr, path.c_str(), nullptr);
    return result == ERROR_SUCCESS || result == ERROR_ALREADY_EXISTS;
}

void CleanState() {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(L"C:\\Vocalith*", &found);
    if (search != INVALID_HANDLE_VALUE) {
        do DeleteTree(Join(L"C:", found.cFileName));
        while (FindNextFileW(search, &found));
        FindClose(search);
    }
    DeleteTree(L"C:\\e2e");
    for (const LinkNames& names : {EnglishLinkNames(), SimplifiedLinkNames(), TraditionalLinkNames()}) {
        LinkPathSet paths = LinkPaths(names);
        DeleteTree(paths.Group);
        DeleteTree(paths.DesktopLink);
        DeleteTree(paths.StartupLink);
    }
    DeleteTree(TempPackagePath());
}

std::string ReadBytes(const std::wstring& path, bool* ok) {
    std::string bytes;
    *ok = false;
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file) return bytes;
    char chunk[65536];
    size_t count;
    while ((count = fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, count);
    *ok = !ferror(file);
    fclose(file);
    return bytes;
}

bool ExpectSameBytes(const std::wstring& path, const std::wstring& source) {
    bool readPath, readSource;
    std::string seen = ReadBytes(path, &readPath), want = ReadBytes(source, &readSource);
    if (!readSource) return Fail("cannot read the payload source %s", Utf8(source).c_str());
    if (!readPath) return Fail("expected the file %s, cannot read it", Utf8(path).c_str());
    if (seen != want)
        return Fail("%s: expected the %d bytes of %s, seen %d different bytes", Utf8(path).c_str(),
                    static_cast<int>(want.size()), Utf8(source).c_str(), static_cast<int>(seen.size()));
    return true;
}

bool ExpectInstalledFiles(const std::wstring& folder, int uiLanguage) {
    bool ok = true;
    for (size_t i = 0; i < CatalogueRowCount; ++i) {
        const CatalogueRow& file = Catalogue[i];
        if (file.Action != CatalogueAction::Write) continue;
        std::wstring name = FileName(file), path = Join(folder, name), source = Join(Paths.PayloadFiles, name);
        if (!ExpectAttributes(path, file)) {
            ok = false;
            continue;
        }
        if (strcmp(file.FileName, SettingsFileName) != 0) {
            ok = ExpectSameBytes(path, source) && ok;
            continue;
        }
        bool readPath, readSource;
        std::string seen = ReadBytes(path, &readPath), want = ReadBytes(source, &readSource) + AppendedBlock(uiLanguage);
        if (!readPath || !readSource || seen != want)
            ok = Fail("%s: expected its source (%d bytes) followed by the 28-byte block ending \"UILanguage=%d\\r\\n\\r\\n\" "
                      "(%d bytes), seen %d bytes ending \"%s\"",
                      Utf8(path).c_str(), static_cast<int>(want.size()) - 28, uiLanguage, static_cast<int>(want.size()),
                      static_cast<int>(seen.size()),
                      seen.size() >= 16 ? seen.substr(seen.size() - 16).c_str() : seen.c_str());
    }
    return ok;
}

bool ExpectStoppedAtFont(const std::wstring& folder) {
    bool ok = true;
    const CatalogueRow* font = nullptr;
    for (size_t i = 0; i < CatalogueRowCount; ++i) {
        const CatalogueRow& row = Catalogue[i];
        if (row.Action != CatalogueAction::Write) continue;
        std::wstring name = FileName(row), path = Join(folder, name);
        if (IsDecidingRow(row)) {
            font = &row;
        } else if (!font) {
            ok = ExpectAttributes(path, row) && ok;
            if (ok) ok = ExpectSameBytes(path, Join(Paths.PayloadFiles, name)) && ok;  // the INI keeps its source bytes
        } else if (Exists(path)) {
            ok = Fail("expected no %s after the font file failed, seen one", Utf8(path).c_str());
        }
    }
    if (!font) return Fail("expected a font row in the catalogue, seen none");
    DWORD fontAttributes = GetFileAttributesW(Join(folder, FileName(*font)).c_str());
    if (!(fontAttributes != INVALID_FILE_ATTRIBUTES && (fontAttributes & FILE_ATTRIBUTE_DIRECTORY)))
        ok = Fail("expected the folder that blocks the font file to stay a folder, seen attributes 0x%lx", fontAttributes);
    return ok;
}

bool ExpectLink(const std::wstring& link, const std::wstring& target, const std::wstring& description) {
    if (!Exists(link)) return Fail("expected the link %s, seen none", Utf8(link).c_str());
    LinkRead read = ReadLink(link);
    if (!read.Loaded) return Fail("the link %s does not load through IShellLink", Utf8(link).c_str());
    bool ok = true;
    std::wstring folder = target.substr(0, target.rfind(L'\\'));
    if (_wcsicmp(read.Target.c_str(), target.c_str()) != 0)
        ok = Fail("%s: expected target %s, seen %s", Utf8(link).c_str(), Utf8(target).c_str(), Utf8(read.Target).c_str());
    if (read.Description != description)
        ok = Fail("%s: expected description \"%s\", seen \"%s\"", Utf8(link).c_str(), Utf8(description).c_str(),
                  Utf8(read.Description).c_str());
    if (_wcsicmp(read.WorkingDirectory.c_str(), folder.c_str()) != 0)
        ok = Fail("%s: expected working folder %s, seen %s", Utf8(link).c_str(), Utf8(folder).c_str(),
                  Utf8(read.WorkingDirectory).c_str());
    return ok;
}

bool ExpectNoLink(const std::wstring& link) {
    if (Exists(link)) return Fail("expected no %s, seen one", Utf8(link).c_str());
    return true;
}

bool ExpectLinks(const LinkNames& names, const std::wstring& folder, bool desktop, bool startup) {
    LinkPathSet paths = LinkPaths(names);
    std::wstring program = Join(folder, CatalogueFileName(ProgramItem));
    std::wstring uninstaller = Join(folder, CatalogueFileName(UninstallerItem));
    bool ok = ExpectLink(paths.ProductLink, program, names.Product);
    ok = ExpectLink(paths.UninstallLink, uninstaller, names.Uninstall) && ok;
    ok = (desktop ? ExpectLink(paths.DesktopLink, program, names.Product) : ExpectNoLink(paths.DesktopLink)) && ok;
    ok = (startup ? ExpectLink(paths.StartupLink, program, names.Product) : ExpectNoLink(paths.StartupLink)) && ok;
    return ok;
}

bool ExpectNoLinks(const LinkNames& names) {
    LinkPathSet paths = LinkPaths(names);
    bool ok = ExpectNoLink(paths.Group);
    ok = ExpectNoLink(paths.DesktopLink) && ok;
    return ExpectNoLink(paths.StartupLink) && ok;
}

std::set<DWORD> ProcessesNamed(const wchar_t* exeName) {
    std::set<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return ids;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        if (_wcsicmp(entry.szExeFile, exeName) == 0) ids.insert(entry.th32ProcessID);
    CloseHandle(snapshot);
    return ids;
}

void EndProcesses(const std::set<DWORD>& ids) {
    for (DWORD id : ids) {
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
        if (!process) continue;
        TerminateProcess(process, 0);
        WaitForSingleObject(process, ShortWait);
        CloseHandle(process);
    }
}

std::set<std::wstring> ModulesOf(DWORD processId) {
    std::set<std::wstring> modules;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
    if (snapshot == INVALID_HANDLE_VALUE) return modules;
    MODULEENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Module32FirstW(snapshot, &entry); more; more = Module32NextW(snapshot, &entry)) {
        std::wstring path = entry.szExePath;
        for (wchar_t& c : path) c = towlower(c);
        modules.insert(path);
    }
    CloseHandle(snapshot);
    return modules;
}

void PrintInstallation(const std::wstring& folder, const LinkNames& names) {
    printf("\nInstalled into %s:\n", Utf8(folder).c_str());
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(Join(folder, L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
            printf("  %-24s %9lu bytes  %s%s\n", Utf8(found.cFileName).c_str(), found.nFileSizeLow,
                   found.dwFileAttributes & FILE_ATTRIBUTE_READONLY ? "read-only " : "",
                   found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN ? "hidden" : "");
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    bool settingsRead;
    std::string settings = ReadBytes(Join(folder, Decode(SettingsFileName, CP_UTF8)), &settingsRead);
    size_t key = settings.find("UILanguage=");
    printf("  %s: %s\n", SettingsFileName,
           key == std::string::npos ? "no UILanguage line" : settings.substr(key, settings.find('\r', key) - key).c_str());
    LinkPathSet paths = LinkPaths(names);
    printf("Links:\n");
    for (const std::wstring& link : {paths.ProductLink, paths.UninstallLink, paths.DesktopLink, paths.StartupLink}) {
        LinkRead read = ReadLink(link);
        if (read.Loaded) printf("  %s\n    -> %s\n", Utf8(link).c_str(), Utf8(read.Target).c_str());
        else printf("  %s: none\n", Utf8(link).c_str());
    }
}
