// What the e2e driver checks on disk and in the process list: installed files, settings, links, the package.
#include "driver_checks.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <tlhelp32.h>

#include <cstdio>
#include <vector>

#include "driver_steps.h"
#include "install/com_scope_win.h"

namespace {

struct CatalogueFile {
    const char* Name;
    int ReadOnly;
    int Hidden;
};

const CatalogueFile Catalogue[] = {
#define CATALOGUE_PROGRESS(position)
#define CATALOGUE_FILE(item, name, readOnly, hidden) {name, readOnly, hidden},
#define PAYLOAD_EXTRA(item, name, language)
#include "payload_items.def"
#undef CATALOGUE_PROGRESS
#undef CATALOGUE_FILE
#undef PAYLOAD_EXTRA
};

const wchar_t SettingsFile[] = L"OmniroUI.ini";
const wchar_t FontFile[] = L"ChnBmp.bin";
const wchar_t PackageName[] = L"Sapi51forKelvu.msi";

// The link names as the bytes the setup passes to the ANSI shell, in their own code page.
const char SimplifiedProduct[] = "\xbf\xc2\xb6\xfb\xce\xe9\xce\xd6\xbf\xa8\xc0\xef";
const char SimplifiedUninstall[] = "\xbf\xc2\xb6\xfb\xce\xe9\xce\xd6\xbf\xa8\xc0\xef\xd0\xb6\xd4\xd8";
const char TraditionalProduct[] = "\xac\x5f\xba\xb8\xa5\xee\xa8\x55\xa5\x64\xb8\xcc";
const char TraditionalUninstall[] = "\xac\x5f\xba\xb8\xa5\xee\xa8\x55\xa5\x64\xb8\xcc\xa8\xf8\xb8\xfc";

std::wstring Decode(const char* bytes, UINT codePage) {
    wchar_t text[64] = L"";
    MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes, -1, text, 64);
    return text;
}

std::wstring Join(const std::wstring& folder, const std::wstring& name) { return folder + L"\\" + name; }

std::wstring FileName(const char* name) { return Widen(name); }

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

size_t FontIndex() {
    for (size_t i = 0; i < sizeof Catalogue / sizeof Catalogue[0]; ++i)
        if (FileName(Catalogue[i].Name) == FontFile) return i;
    return 0;
}

bool ExpectAttributes(const std::wstring& path, const CatalogueFile& file) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return Fail("expected the file %s, seen none", Utf8(path).c_str());
    DWORD want = (file.ReadOnly ? FILE_ATTRIBUTE_READONLY : 0) | (file.Hidden ? FILE_ATTRIBUTE_HIDDEN : 0);
    DWORD seen = attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    if (seen != want) return Fail("%s: expected read-only %d hidden %d, seen attributes 0x%lx", Utf8(path).c_str(),
                                  file.ReadOnly, file.Hidden, attributes);
    return true;
}

}  // namespace

LinkNames EnglishLinkNames() { return {L"Kelvu Vocalith", L"UnInstall Vocalith"}; }
LinkNames SimplifiedLinkNames() { return {Decode(SimplifiedProduct, 936), Decode(SimplifiedUninstall, 936)}; }
LinkNames TraditionalLinkNames() { return {Decode(TraditionalProduct, 950), Decode(TraditionalUninstall, 950)}; }

std::wstring ShellFolder(int csidl) {
    wchar_t path[MAX_PATH] = L"";
    SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::wstring TempPackagePath() {
    wchar_t temp[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temp);
    return std::wstring(temp) + PackageName;
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
        DeleteTree(Join(ShellFolder(CSIDL_PROGRAMS), names.Product));
        DeleteTree(Join(ShellFolder(CSIDL_DESKTOPDIRECTORY), names.Product + L".lnk"));
        DeleteTree(Join(ShellFolder(CSIDL_STARTUP), names.Product + L".lnk"));
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
    for (const CatalogueFile& file : Catalogue) {
        std::wstring name = FileName(file.Name), path = Join(folder, name), source = Join(Paths.PayloadFiles, name);
        if (!ExpectAttributes(path, file)) {
            ok = false;
            continue;
        }
        if (name != SettingsFile) {
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
    size_t font = FontIndex();
    for (size_t i = 0; i < sizeof Catalogue / sizeof Catalogue[0]; ++i) {
        std::wstring name = FileName(Catalogue[i].Name), path = Join(folder, name);
        if (i < font) {
            ok = ExpectAttributes(path, Catalogue[i]) && ok;
            if (ok) ok = ExpectSameBytes(path, Join(Paths.PayloadFiles, name)) && ok;  // the INI keeps its source bytes
        } else if (i > font && Exists(path)) {
            ok = Fail("expected no %s after the font file failed, seen one", Utf8(path).c_str());
        }
    }
    DWORD fontAttributes = GetFileAttributesW(Join(folder, FontFile).c_str());
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
    std::wstring group = Join(ShellFolder(CSIDL_PROGRAMS), names.Product);
    std::wstring program = Join(folder, L"Vocalith.exe"), uninstaller = Join(folder, L"VocalithUnInstall.exe");
    bool ok = ExpectLink(Join(group, names.Product + L".lnk"), program, names.Product);
    ok = ExpectLink(Join(group, names.Uninstall + L".lnk"), uninstaller, names.Uninstall) && ok;
    std::wstring desktopLink = Join(ShellFolder(CSIDL_DESKTOPDIRECTORY), names.Product + L".lnk");
    std::wstring startupLink = Join(ShellFolder(CSIDL_STARTUP), names.Product + L".lnk");
    ok = (desktop ? ExpectLink(desktopLink, program, names.Product) : ExpectNoLink(desktopLink)) && ok;
    ok = (startup ? ExpectLink(startupLink, program, names.Product) : ExpectNoLink(startupLink)) && ok;
    return ok;
}

bool ExpectNoLinks(const LinkNames& names) {
    bool ok = ExpectNoLink(Join(ShellFolder(CSIDL_PROGRAMS), names.Product));
    ok = ExpectNoLink(Join(ShellFolder(CSIDL_DESKTOPDIRECTORY), names.Product + L".lnk")) && ok;
    return ExpectNoLink(Join(ShellFolder(CSIDL_STARTUP), names.Product + L".lnk")) && ok;
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
    std::string settings = ReadBytes(Join(folder, SettingsFile), &settingsRead);
    size_t key = settings.find("UILanguage=");
    printf("  %s: %s\n", Utf8(SettingsFile).c_str(),
           key == std::string::npos ? "no UILanguage line" : settings.substr(key, settings.find('\r', key) - key).c_str());
    std::wstring group = Join(ShellFolder(CSIDL_PROGRAMS), names.Product);
    std::vector<std::wstring> links = {Join(group, names.Product + L".lnk"), Join(group, names.Uninstall + L".lnk"),
                                       Join(ShellFolder(CSIDL_DESKTOPDIRECTORY), names.Product + L".lnk"),
                                       Join(ShellFolder(CSIDL_STARTUP), names.Product + L".lnk")};
    printf("Links:\n");
    for (const std::wstring& link : links) {
        LinkRead read = ReadLink(link);
        if (read.Loaded) printf("  %s\n    -> %s\n", Utf8(link).c_str(), Utf8(read.Target).c_str());
        else printf("  %s: none\n", Utf8(link).c_str());
    }
}
