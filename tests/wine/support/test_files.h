// Files and folders for the wine tests: bytes in and out, folder listings, scratch folders.
#pragma once
#include <string>
#include <utility>
#include <vector>

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool PathExists(const std::string& path);
std::vector<std::string> FolderEntries(const std::string& folder);
// The full path of a file in the test program's own folder.
std::string BesideThisProgram(const std::string& name);
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

// A fresh folder under the temp folder, named after the running test; removed with its contents.
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
