// Helpers of the installation-engine tests: links read back through the shell.
#pragma once
#include <windows.h>

#include <string>

#include "test_files.h"

// The path of a shell folder as the setup resolves it, or "<none>".
std::string ShellFolderPath(int folder);

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
