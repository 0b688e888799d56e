// Files and folders for the wine tests: bytes in and out, folder listings, scratch folders.
#include "test_files.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

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
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    // Parameterised tests are named "Test/Parameter": keep the name one folder deep.
    for (char& c : name) {
        if (c == '/') c = '-';
    }
    path_ = std::string(temp) + "vocalith-test-" + std::to_string(GetCurrentProcessId()) + "-" + name;
    RemoveTree(path_);
    CreateDirectoryA(path_.c_str(), nullptr);
}

TemporaryFolder::~TemporaryFolder() { RemoveTree(path_); }

std::string BesideThisProgram(const std::string& name)
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    const std::string program(path, length < sizeof path ? length : 0);
    return program.substr(0, program.find_last_of('\\') + 1) + name;
}
