// A uniquely named file beside a target, removed unless it was moved over the target.
#pragma once
#include <windows.h>

#include "install/payload_target.h"

class TemporaryFileBeside {
public:
    // Creates an empty file with a fresh name in the folder of `target`; Path() is empty when that failed.
    explicit TemporaryFileBeside(const char* target)
    {
        char folder[MAX_PATH];
        if (!PayloadTargetFolder(folder, sizeof folder, target) || GetTempFileNameA(folder, "vls", 0, path_) == 0)
            path_[0] = '\0';
    }
    TemporaryFileBeside(const TemporaryFileBeside&) = delete;
    TemporaryFileBeside& operator=(const TemporaryFileBeside&) = delete;
    ~TemporaryFileBeside()
    {
        if (path_[0]) DeleteFileA(path_);
    }
    const char* Path() const { return path_; }
    bool Created() const { return path_[0] != '\0'; }
    // Replaces `target` with this file in one step; afterwards there is nothing left to remove.
    bool MoveOver(const char* target)
    {
        if (!MoveFileExA(path_, target, MOVEFILE_REPLACE_EXISTING)) return false;
        path_[0] = '\0';
        return true;
    }

private:
    char path_[MAX_PATH];
};
