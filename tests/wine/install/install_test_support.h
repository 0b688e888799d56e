// Helpers of the installation-engine tests: a temp folder of their own, file bytes, links read back.
#pragma once
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool PathExists(const std::string& path);
std::vector<std::string> FolderEntries(const std::string& folder);
// Removes a file, or a folder with everything in it, whatever its attributes.
void RemoveTree(const std::string& path);

// Removes what a test made outside its own folder (links, group folders) however the test ends.
class RemovedAtEnd {
public:
    explicit RemovedAtEnd(std::vector<std::string> paths) : paths_(std::move(paths))
    {
        for (const std::string& path : paths_) RemoveTree(path);
    }
    RemovedAtEnd(const RemovedAtEnd&) = delete;
    RemovedAtEnd& operator=(const RemovedAtEnd&) = delete;
    ~RemovedAtEnd()
    {
        for (const std::string& path : paths_) RemoveTree(path);
    }

private:
    std::vector<std::string> paths_;
};

// A fresh folder under the temp folder, named after the test; removed with its contents.
class TemporaryFolder {
public:
    TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder();
    const std::string& Path() const { return path_; }
    std::string Child(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

// What a link file holds, read back through IShellLinkA and IPersistFile::Load.
struct LinkFields {
    bool Loaded = false;
    std::string Target;
    std::string Description;
    std::string IconPath;
    int IconIndex = -1;
    std::string WorkingFolder;
};
LinkFields LoadLink(const std::string& linkPath);

// Every field the setup writes into a link, checked at the caller's line.
#define EXPECT_LINK(linkPath, target, description, workingFolder)                  \
    do {                                                                         \
        const LinkFields fields = LoadLink(linkPath);                            \
        ASSERT_TRUE(fields.Loaded) << (linkPath);                                \
        EXPECT_EQ(std::string(target), fields.Target);                           \
        EXPECT_EQ(std::string(description), fields.Description);                 \
        EXPECT_EQ(std::string(target), fields.IconPath);                         \
        EXPECT_EQ(0, fields.IconIndex);                                          \
        EXPECT_EQ(std::string(workingFolder), fields.WorkingFolder);             \
    } while (0)
