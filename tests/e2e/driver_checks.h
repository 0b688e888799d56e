// What the e2e driver checks on disk and in the process list: installed files, settings, links, the package.
#pragma once
#include <windows.h>

#include <set>
#include <string>

// The names the setup gives its links, by the system's Chinese variant.
struct LinkNames {
    std::wstring Product;
    std::wstring Uninstall;
};
LinkNames EnglishLinkNames();
LinkNames SimplifiedLinkNames();
LinkNames TraditionalLinkNames();

// Special folders of this prefix and the temp package path.
std::wstring ShellFolder(int csidl);
std::wstring TempPackagePath();

// Removes what any earlier run left: install folders, links, the temp package.
void CleanState();
bool DeleteTree(const std::wstring& path);
bool MakeFolders(const std::wstring& path);
bool Exists(const std::wstring& path);

// The catalogue's files in the install folder, with their attributes and bytes (the INI with its block).
bool ExpectInstalledFiles(const std::wstring& folder, int uiLanguage);
// Only the files written before the font file, the font file missing, the INI unchanged.
bool ExpectStoppedAtFont(const std::wstring& folder);
bool ExpectLink(const std::wstring& link, const std::wstring& target, const std::wstring& description);
bool ExpectNoLink(const std::wstring& link);
// Group in Programs with both links, desktop link and Startup entry as asked.
bool ExpectLinks(const LinkNames& names, const std::wstring& folder, bool desktop, bool startup);
bool ExpectNoLinks(const LinkNames& names);
bool ExpectSameBytes(const std::wstring& path, const std::wstring& source);
std::string ReadBytes(const std::wstring& path, bool* ok);

// Processes, to tell what the shell started.
std::set<DWORD> ProcessesNamed(const wchar_t* exeName);
void EndProcesses(const std::set<DWORD>& ids);
// Full paths of the modules loaded in a process, lower case.
std::set<std::wstring> ModulesOf(DWORD processId);

// For the walk: what is in the install folder and the links, printed for a person.
void PrintInstallation(const std::wstring& folder, const LinkNames& names);
