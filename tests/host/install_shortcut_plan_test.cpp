// The shortcut rules over a fake shell: folders, link paths, the result rule and the messages.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "install/shortcut_plan.h"
#include "shell/messages.h"

namespace {

struct Link {
    std::string Target;
    std::string Path;
    std::string Description;
    bool operator==(const Link& other) const
    {
        return Target == other.Target && Path == other.Path && Description == other.Description;
    }
};

std::ostream& operator<<(std::ostream& out, const Link& link)
{
    return out << "{" << link.Target << ", " << link.Path << ", " << link.Description << "}";
}

using Messages = std::vector<std::pair<std::string, std::string>>;

// A shell with a few folders; paths in `failingLinks` cannot be saved, folders whose parent is
// missing cannot be made.
class FakeShell : public ShortcutSystem {
public:
    std::string programs = "C:\\Start Menu\\Programs";
    std::string desktop = "C:\\Home\\Desktop";
    std::string startup = "C:\\Start Menu\\Programs\\Startup";
    std::set<std::string> existing = {"C:\\Start Menu\\Programs", "C:\\Home\\Desktop"};
    std::set<std::string> failingLinks;
    std::vector<int> lookups;
    std::vector<std::string> madeFolders;
    std::vector<Link> links;
    Messages messages;

    bool FindFolder(int folder, char (&path)[PathCapacity]) override
    {
        lookups.push_back(folder);
        std::memset(path, 'x', sizeof path);
        const std::string* found = folder == FolderPrograms  ? &programs
                                   : folder == FolderDesktop ? &desktop
                                   : folder == FolderStartup ? &startup
                                                             : nullptr;
        if (!found || found->empty()) return false;
        const int written = std::snprintf(path, 260, "%s", found->c_str());
        return written >= 0 && written < 260;
    }
    bool Exists(const char* path) override { return existing.count(path) != 0; }
    bool MakeFolder(const char* path) override
    {
        madeFolders.push_back(path);
        const std::string text = path;
        if (!existing.count(text.substr(0, text.rfind('\\')))) return false;
        existing.insert(text);
        return true;
    }
    bool MakeLink(const char* target, const char* linkPath, const char* description) override
    {
        links.push_back({target, linkPath, description});
        return failingLinks.count(linkPath) == 0;
    }
    void ShowMessage(const char* chinese, const char* english) override { messages.emplace_back(chinese, english); }
};

const ShortcutEntry TwoLinks[] = {
    {"Kelvu Vocalith", "Vocalith.exe"},
    {"UnInstall Vocalith", "VocalithUnInstall.exe"},
    {nullptr, "not read"},
};

const Messages StartMenuFailureOnly = {{StartMenuFailureMessage.Chinese, StartMenuFailureMessage.English}};

TEST(ShortcutGroup, MakesTheGroupFolderAndBothLinksInIt)
{
    FakeShell shell;
    EXPECT_EQ(1, MakeShortcutGroup(shell, "C:\\Vocalith", "Kelvu Vocalith", TwoLinks, FolderPrograms));
    EXPECT_EQ(std::vector<int>{FolderPrograms}, shell.lookups);
    EXPECT_EQ(std::vector<std::string>{"C:\\Start Menu\\Programs\\Kelvu Vocalith"}, shell.madeFolders);
    const std::vector<Link> expected = {
        {"C:\\Vocalith\\Vocalith.exe", "C:\\Start Menu\\Programs\\Kelvu Vocalith\\Kelvu Vocalith.lnk",
         "Kelvu Vocalith"},
        {"C:\\Vocalith\\VocalithUnInstall.exe",
         "C:\\Start Menu\\Programs\\Kelvu Vocalith\\UnInstall Vocalith.lnk", "UnInstall Vocalith"},
    };
    EXPECT_EQ(expected, shell.links);
    EXPECT_TRUE(shell.messages.empty());
}

TEST(ShortcutGroup, EmptyListStillMakesTheNamedFolderAndSucceedsQuietly)
{
    FakeShell shell;
    const ShortcutEntry none[] = {{nullptr, nullptr}};
    EXPECT_EQ(1, MakeShortcutGroup(shell, "C:\\Vocalith", "Group", none, FolderPrograms));
    EXPECT_EQ(std::vector<std::string>{"C:\\Start Menu\\Programs\\Group"}, shell.madeFolders);
    EXPECT_TRUE(shell.links.empty());
    EXPECT_TRUE(shell.messages.empty());
}

TEST(ShortcutGroup, NullOrEmptyGroupPutsTheLinksStraightIntoTheFolder)
{
    for (const char* group : {static_cast<const char*>(nullptr), ""}) {
        FakeShell shell;
        const ShortcutEntry one[] = {{"Kelvu Vocalith", "Vocalith.exe"}, {nullptr, nullptr}};
        EXPECT_EQ(1, MakeShortcutGroup(shell, "C:\\Vocalith", group, one, FolderStartup));
        EXPECT_TRUE(shell.madeFolders.empty());
        ASSERT_EQ(1u, shell.links.size());
        EXPECT_EQ("C:\\Start Menu\\Programs\\Startup\\Kelvu Vocalith.lnk", shell.links[0].Path);
    }
}

TEST(ShortcutGroup, TakesAnythingAlreadyAtTheGroupPathAsTheFolder)
{
    FakeShell shell;
    shell.existing.insert("C:\\Start Menu\\Programs\\Kelvu Vocalith");
    EXPECT_EQ(1, MakeShortcutGroup(shell, "C:\\Vocalith", "Kelvu Vocalith", TwoLinks, FolderPrograms));
    EXPECT_TRUE(shell.madeFolders.empty());
    EXPECT_EQ(2u, shell.links.size());
    EXPECT_TRUE(shell.messages.empty());
}

TEST(ShortcutGroup, OnlyTheLastLinkDecidesButEveryLinkIsTried)
{
    const std::string first = "C:\\Start Menu\\Programs\\G\\Kelvu Vocalith.lnk";
    const std::string last = "C:\\Start Menu\\Programs\\G\\UnInstall Vocalith.lnk";
    struct Case {
        std::set<std::string> failing;
        int result;
    } cases[] = {
        {{first}, 1},
        {{last}, 0},
        {{first, last}, 0},
    };
    for (const Case& c : cases) {
        FakeShell shell;
        shell.failingLinks = c.failing;
        EXPECT_EQ(c.result, MakeShortcutGroup(shell, "C:\\Vocalith", "G", TwoLinks, FolderPrograms));
        EXPECT_EQ(2u, shell.links.size());
        EXPECT_EQ(c.result ? Messages{} : StartMenuFailureOnly, shell.messages);
    }
}

TEST(ShortcutGroup, AMissingSpecialFolderShowsTheStartMenuMessage)
{
    FakeShell shell;
    shell.startup.clear();
    const ShortcutEntry one[] = {{"Kelvu Vocalith", "Vocalith.exe"}, {nullptr, nullptr}};
    EXPECT_EQ(0, MakeShortcutGroup(shell, "C:\\Vocalith", nullptr, one, FolderStartup));
    EXPECT_TRUE(shell.links.empty());
    EXPECT_EQ(StartMenuFailureOnly, shell.messages);
}

TEST(ShortcutGroup, AFolderThatCannotBeMadeShowsItsFullPathAndNoLinkIsTried)
{
    FakeShell shell;
    shell.existing.erase("C:\\Start Menu\\Programs");  // the parent is missing: one level only is made
    EXPECT_EQ(0, MakeShortcutGroup(shell, "C:\\Vocalith", "Kelvu Vocalith", TwoLinks, FolderPrograms));
    EXPECT_TRUE(shell.links.empty());
    ASSERT_EQ(1u, shell.messages.size());
    // "无法建目录(" ... ")!" in GB2312, around the full path.
    EXPECT_EQ("\xCE\xDE\xB7\xA8\xBD\xA8\xC4\xBF\xC2\xBC(C:\\Start Menu\\Programs\\Kelvu Vocalith)!",
              shell.messages[0].first);
    EXPECT_EQ("Cannot create folder!", shell.messages[0].second);
}

TEST(ShortcutGroup, RefusesPathsThatDoNotFitTheirBuffers)
{
    const std::string longName(240, 'n');
    {
        // The group folder itself would pass 259 bytes: nothing is made, the Start-menu message shows.
        FakeShell shell;
        EXPECT_EQ(0, MakeShortcutGroup(shell, "C:\\Vocalith", longName.c_str(), TwoLinks, FolderPrograms));
        EXPECT_TRUE(shell.madeFolders.empty());
        EXPECT_TRUE(shell.links.empty());
        EXPECT_EQ(StartMenuFailureOnly, shell.messages);
    }
    {
        // A link path of exactly 259 bytes fits; one more byte of name does not and counts as a failed link.
        FakeShell shell;
        const std::string fits(259 - shell.programs.size() - std::strlen("\\.lnk"), 'a');
        const std::string tooLong(fits.size() + 1, 'b');
        const ShortcutEntry entries[] = {{fits.c_str(), "Vocalith.exe"}, {tooLong.c_str(), "Vocalith.exe"},
                                         {nullptr, nullptr}};
        EXPECT_EQ(0, MakeShortcutGroup(shell, "C:\\Vocalith", nullptr, entries, FolderPrograms));
        ASSERT_EQ(1u, shell.links.size());
        EXPECT_EQ(259u, shell.links[0].Path.size());
        EXPECT_EQ(StartMenuFailureOnly, shell.messages);
    }
    {
        // A target path past 259 bytes fails its link too.
        FakeShell shell;
        const std::string folder = "C:\\" + std::string(250, 'f');
        EXPECT_EQ(0, MakeShortcutGroup(shell, folder.c_str(), nullptr, TwoLinks, FolderPrograms));
        EXPECT_TRUE(shell.links.empty());
    }
}

TEST(DesktopShortcut, MakesOneLinkOnTheDesktop)
{
    FakeShell shell;
    MakeDesktopShortcut(shell, "C:\\Vocalith", "Vocalith.exe", "Kelvu Vocalith");
    EXPECT_EQ(std::vector<int>{FolderDesktop}, shell.lookups);
    const std::vector<Link> expected = {
        {"C:\\Vocalith\\Vocalith.exe", "C:\\Home\\Desktop\\Kelvu Vocalith.lnk", "Kelvu Vocalith"}};
    EXPECT_EQ(expected, shell.links);
}

TEST(DesktopShortcut, StaysSilentWhenItCannotMakeTheLink)
{
    {
        FakeShell shell;
        shell.desktop.clear();
        MakeDesktopShortcut(shell, "C:\\Vocalith", "Vocalith.exe", "Kelvu Vocalith");
        EXPECT_TRUE(shell.links.empty());
        EXPECT_TRUE(shell.messages.empty());
    }
    {
        FakeShell shell;
        shell.failingLinks.insert("C:\\Home\\Desktop\\Kelvu Vocalith.lnk");
        MakeDesktopShortcut(shell, "C:\\Vocalith", "Vocalith.exe", "Kelvu Vocalith");
        EXPECT_EQ(1u, shell.links.size());
        EXPECT_TRUE(shell.messages.empty());
    }
}

TEST(DesktopShortcut, TakesNamesOfAtMost94Bytes)
{
    const std::string longest(94, 'd');
    const std::string tooLong(95, 'd');
    FakeShell shell;
    MakeDesktopShortcut(shell, "C:\\Vocalith", "Vocalith.exe", longest.c_str());
    MakeDesktopShortcut(shell, "C:\\Vocalith", "Vocalith.exe", tooLong.c_str());
    ASSERT_EQ(1u, shell.links.size());
    EXPECT_EQ("C:\\Home\\Desktop\\" + longest + ".lnk", shell.links[0].Path);
    EXPECT_TRUE(shell.messages.empty());

    // The suffix fits but the whole path does not.
    FakeShell deep;
    deep.desktop = "C:\\" + std::string(200, 'h');
    MakeDesktopShortcut(deep, "C:\\Vocalith", "Vocalith.exe", longest.c_str());
    EXPECT_TRUE(deep.links.empty());
}

TEST(LegacyShellFolder, BuildsThePathUnderTheWindowsFolder)
{
    struct Case {
        const char* windows;
        const char* user;
        int folder;
        const char* expected;
    } cases[] = {
        {"C:\\WINNT", "user1", FolderPrograms, "C:\\WINNT\\profiles\\user1\\start menu\\programs"},
        {"C:\\WINNT\\", "user1", FolderDesktop, "C:\\WINNT\\profiles\\user1\\Desktop"},
        {"C:\\WINNT", "user1", FolderStartup, "C:\\WINNT\\profiles\\user1\\start menu\\programs\\startup"},
        {"C:\\WINDOWS", nullptr, FolderPrograms, "C:\\WINDOWS\\start menu\\programs"},
        {"C:\\WINDOWS\\", nullptr, FolderPrograms, "C:\\WINDOWS\\start menu\\programs"},
        {"C:\\", nullptr, FolderDesktop, "C:\\Desktop"},
        {"C:\\WINDOWS", nullptr, FolderStartup, "C:\\WINDOWS\\start menu\\programs\\startup"},
    };
    for (const Case& c : cases) {
        char out[PathCapacity];
        std::memset(out, 'x', sizeof out);
        EXPECT_TRUE(BuildLegacyShellFolder(out, sizeof out, c.windows, c.user, c.folder)) << c.expected;
        EXPECT_STREQ(c.expected, out);
    }
}

TEST(LegacyShellFolder, RefusesAPathPast259Bytes)
{
    // "C:\" + 236 + "\" + "start menu\programs" (19) = 259 bytes.
    const std::string windows = "C:\\" + std::string(236, 'w');
    char out[PathCapacity];
    EXPECT_TRUE(BuildLegacyShellFolder(out, sizeof out, windows.c_str(), nullptr, FolderPrograms));
    EXPECT_EQ(259u, std::strlen(out));
    EXPECT_FALSE(BuildLegacyShellFolder(out, sizeof out, (windows + "w").c_str(), nullptr, FolderPrograms));
    EXPECT_FALSE(BuildLegacyShellFolder(out, sizeof out, windows.c_str(), "someone", FolderPrograms));
}

TEST(LinkWorkingFolder, IsTheTargetUpToItsLastSeparator)
{
    char out[PathCapacity];
    ASSERT_TRUE(LinkWorkingFolder(out, sizeof out, "C:\\Vocalith\\Vocalith.exe"));
    EXPECT_STREQ("C:\\Vocalith", out);
    ASSERT_TRUE(LinkWorkingFolder(out, sizeof out, "C:\\Vocalith\\\\Vocalith.exe"));
    EXPECT_STREQ("C:\\Vocalith\\", out);
    EXPECT_FALSE(LinkWorkingFolder(out, sizeof out, "Vocalith.exe"));
}

}  // namespace
