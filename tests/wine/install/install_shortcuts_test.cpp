// Shell folders and real link files under Wine, each link read back field by field.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "install/shortcut_plan.h"
#include "install/shortcuts_win.h"
#include "install_test_support.h"
#include "shell/setup_state_win.h"

namespace {

// File names compare without case, as the file system does.
bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && lstrcmpiA(text.c_str() + text.size() - tail.size(), tail.c_str()) == 0;
}

class Shortcuts : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::Setup.MajorVersionIs3 = 0;
        lstrcpynA(::Setup.InstallFolder, folder_.Path().c_str(), sizeof ::Setup.InstallFolder);
        WriteFileBytes(folder_.Child("Vocalith.exe"), "MZ program");
        WriteFileBytes(folder_.Child("VocalithUnInstall.exe"), "MZ uninstaller");
    }
    TemporaryFolder folder_;
};

TEST_F(Shortcuts, ShellFoldersResolveToRealFolders)
{
    const std::string programs = ShellFolderPath(FolderPrograms);
    EXPECT_TRUE(EndsWith(programs, "\\Start Menu\\Programs")) << programs;
    const std::string startup = ShellFolderPath(FolderStartup);
    EXPECT_TRUE(EndsWith(startup, "\\Start Menu\\Programs\\Startup")) << startup;
    for (int folder : {FolderPrograms, FolderDesktop, FolderStartup}) {
        EXPECT_TRUE(GetFileAttributesA(ShellFolderPath(folder).c_str()) & FILE_ATTRIBUTE_DIRECTORY) << folder;
    }
}

TEST_F(Shortcuts, LegacyFoldersAreBuiltUnderTheWindowsFolder)
{
    char user[256];
    DWORD size = sizeof user;
    ASSERT_TRUE(GetUserNameA(user, &size));
    char path[PathCapacity];
    ::Setup.PlatformIsNt = 1;
    ASSERT_EQ(1, LegacyShellFolder(path, FolderPrograms));
    EXPECT_STREQ(("C:\\windows\\profiles\\" + std::string(user) + "\\start menu\\programs").c_str(), path);
    ::Setup.PlatformIsNt = 0;
    ASSERT_EQ(1, LegacyShellFolder(path, FolderDesktop));
    EXPECT_STREQ("C:\\windows\\Desktop", path);
}

TEST_F(Shortcuts, ALinkHoldsTargetDescriptionIconAndWorkingFolder)
{
    const std::string target = folder_.Child("Vocalith.exe");
    const std::string link = folder_.Child("Kelvu Vocalith.lnk");
    ASSERT_EQ(1, CreateShellLink(target.c_str(), link.c_str(), "Kelvu Vocalith"));
    EXPECT_LINK(link, target, "Kelvu Vocalith", folder_.Path());
}

TEST_F(Shortcuts, ALinkThatCannotBeSavedFails)
{
    const std::string target = folder_.Child("Vocalith.exe");
    EXPECT_EQ(0, CreateShellLink(target.c_str(), folder_.Child("missing\\x.lnk").c_str(), "x"));
    const std::string tooLong = folder_.Child(std::string(300, 'l') + ".lnk");
    EXPECT_EQ(0, CreateShellLink(target.c_str(), tooLong.c_str(), "x"));
    EXPECT_EQ(2u, FolderEntries(folder_.Path()).size());
}

TEST_F(Shortcuts, GroupDesktopAndStartupLinksLandInTheirShellFolders)
{
    const char* group = "Vocalith Engine Test";
    const std::string groupFolder = ShellFolderPath(FolderPrograms) + "\\" + group;
    const std::string desktopLink = ShellFolderPath(FolderDesktop) + "\\Vocalith Engine Test.lnk";
    const std::string startupLink = ShellFolderPath(FolderStartup) + "\\Vocalith Engine Test.lnk";
    const RemovedAtEnd cleanup({groupFolder, desktopLink, startupLink});

    const ShortcutEntry links[] = {
        {"Engine Program", "Vocalith.exe"}, {"Engine UnInstall", "VocalithUnInstall.exe"}, {nullptr, nullptr}};
    EXPECT_EQ(1, CreateShortcutGroup(group, links, FolderPrograms));
    CreateDesktopShortcut("Vocalith.exe", "Vocalith Engine Test");
    const ShortcutEntry startup[] = {{"Vocalith Engine Test", "Vocalith.exe"}, {nullptr, nullptr}};
    EXPECT_EQ(1, CreateShortcutGroup(nullptr, startup, FolderStartup));

    const std::string program = folder_.Child("Vocalith.exe");
    EXPECT_LINK(groupFolder + "\\Engine Program.lnk", program, "Engine Program", folder_.Path());
    EXPECT_LINK(groupFolder + "\\Engine UnInstall.lnk", folder_.Child("VocalithUnInstall.exe"), "Engine UnInstall",
                folder_.Path());
    EXPECT_LINK(desktopLink, program, "Vocalith Engine Test", folder_.Path());
    EXPECT_LINK(startupLink, program, "Vocalith Engine Test", folder_.Path());
}

}  // namespace
