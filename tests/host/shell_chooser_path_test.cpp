// The folder chooser's drive-root rule and the install path it writes.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "shell/folder_choice.h"

namespace {

TEST(FolderChoice, DefaultFolderIsOnTheWindowsDrive)
{
    struct Case {
        const char* Windows;
        const char* Expected;
    };
    for (const Case& c : {Case{"C:\\WINDOWS", "C:\\Vocalith"}, Case{"D:\\WINNT", "D:\\Vocalith"},
                          Case{"", "C:\\Vocalith"}}) {
        char folder[260];
        ASSERT_TRUE(DefaultInstallFolder(folder, sizeof folder, c.Windows, "Vocalith")) << c.Windows;
        EXPECT_STREQ(c.Expected, folder);
    }
    char tiny[11];
    std::snprintf(tiny, sizeof tiny, "%s", "untouched");
    EXPECT_FALSE(DefaultInstallFolder(tiny, sizeof tiny, "C:\\WINDOWS", "Vocalith"));
    EXPECT_STREQ("untouched", tiny);
}

TEST(FolderChoice, OnlyOneTrailingBackslashIsRemoved)
{
    struct Case {
        const char* Folder;
        const char* Expected;
    };
    for (const Case& c : {Case{"D:\\", "D:"}, Case{"C:\\Program Files", "C:\\Program Files"},
                          Case{"\\\\server\\share\\\\", "\\\\server\\share\\"}, Case{"", ""}}) {
        char folder[32];
        std::snprintf(folder, sizeof folder, "%s", c.Folder);
        StripTrailingBackslash(folder);
        EXPECT_STREQ(c.Expected, folder) << c.Folder;
    }
}

TEST(FolderChoice, JoinsFolderAndLeaf)
{
    char out[260];
    ASSERT_TRUE(JoinInstallPath(out, sizeof out, "D:", "Vocalith"));
    EXPECT_STREQ("D:\\Vocalith", out);
    ASSERT_TRUE(JoinInstallPath(out, sizeof out, "C:\\Program Files", "Vocalith"));
    EXPECT_STREQ("C:\\Program Files\\Vocalith", out);
}

TEST(FolderChoice, RefusesWhatDoesNotFitAndLeavesTheBufferAlone)
{
    // 250 + "\" + "Vocalith" = 259 bytes, the longest that fits 260 with its NUL.
    const std::string fits(250, 'a');
    const std::string tooLong(251, 'a');
    char out[260];
    ASSERT_TRUE(JoinInstallPath(out, sizeof out, fits.c_str(), "Vocalith"));
    EXPECT_EQ(259u, std::strlen(out));

    std::memset(out, 'x', sizeof out);
    out[sizeof out - 1] = '\0';
    const std::string before = out;
    EXPECT_FALSE(JoinInstallPath(out, sizeof out, tooLong.c_str(), "Vocalith"));
    EXPECT_EQ(before, out);
}

}  // namespace
