// The folder chooser: the real old-style dialog on template 168, driven from inside.
#include <gtest/gtest.h>
#include <windows.h>
#include <dlgs.h>

#include <string>

#include "dialog_driver.h"
#include "resources/resource_ids.h"
#include "shell/folder_chooser_win.h"
#include "shell/messages.h"
#include "shell/setup_state_win.h"
#include "stand_in_wizard.h"

namespace {

struct ChooserSeen {
    bool Visible = false;
    bool FocusInFolderList = false;
    LONG_PTR CancelType = -1;
    std::string Caption;
    std::string StartFolder;
    bool OwnTemplate = false;  // built from template 168, found with no module instance given
};

// Opens the chooser over the stand-in wizard; the handler sees it and decides how it ends.
ChooserSeen RunChooser(const StandInWizard& wizard, const std::function<void(HWND)>& act)
{
    ChooserSeen seen;
    DialogDriver driver([&](HWND chooser) {
        if (!GetDlgItem(chooser, lst2)) {  // a message box over the wizard
            PostCommand(chooser, IDOK);
            return;
        }
        seen.Visible = IsWindowVisible(chooser) != FALSE;
        seen.FocusInFolderList = GetFocus() == GetDlgItem(chooser, lst2);
        seen.CancelType = GetWindowLongPtrA(GetDlgItem(chooser, IDCANCEL), GWL_STYLE) & BS_TYPEMASK;
        seen.Caption = WindowText(chooser);
        seen.StartFolder = CurrentDirectory();
        seen.OwnTemplate = GetDlgItem(chooser, IDC_DIRECTORIES_LABEL) && GetDlgItem(chooser, IDC_DRIVES_LABEL) &&
                           !IsWindowVisible(GetDlgItem(chooser, edt1));
        act(chooser);
    });
    FolderChooser(wizard.Window());
    EXPECT_GE(driver.DialogsSeen(), 1);
    return seen;
}

TEST(FolderChooser, OkWritesTheShownFolderWithTheLeafName)
{
    ScratchFolder scratch;
    StandInWizard wizard;
    wizard.SetInstallDir("C:\\Vocalith");
    ASSERT_TRUE(SetCurrentDirectoryA(scratch.Path().c_str()));

    const ChooserSeen seen = RunChooser(wizard, [](HWND chooser) { PostCommand(chooser, IDOK); });
    EXPECT_TRUE(seen.Visible);
    EXPECT_TRUE(seen.OwnTemplate);
    EXPECT_TRUE(seen.FocusInFolderList);
    EXPECT_EQ(BS_OWNERDRAW, seen.CancelType);
    EXPECT_EQ("Choose Destination Directory", seen.Caption);
    EXPECT_EQ(scratch.Path(), seen.StartFolder);
    EXPECT_EQ(scratch.Path() + "\\Vocalith", wizard.InstallDir());
    EXPECT_EQ(scratch.Path(), std::string(::Setup.InstallFolder));
    EXPECT_EQ(scratch.Path(), CurrentDirectory());
}

TEST(FolderChooser, DriveRootGetsOneBackslash)
{
    ScratchFolder scratch;  // puts the current directory back
    StandInWizard wizard;
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\"));
    RunChooser(wizard, [](HWND chooser) { PostCommand(chooser, IDOK); });
    EXPECT_EQ("C:\\Vocalith", wizard.InstallDir());
    EXPECT_EQ("C:", std::string(::Setup.InstallFolder));
    EXPECT_EQ("C:\\", CurrentDirectory());
}

TEST(FolderChooser, FolderPickedInTheListAndDirectoryPutBack)
{
    ScratchFolder scratch;
    const std::string picked = scratch.Path() + "\\Program Files";
    ASSERT_TRUE(CreateDirectoryA(picked.c_str(), nullptr));
    for (int end : {IDOK, IDCANCEL}) {
        SCOPED_TRACE(end);
        StandInWizard wizard;
        wizard.SetInstallDir("C:\\Vocalith");
        ASSERT_TRUE(SetCurrentDirectoryA(scratch.Path().c_str()));

        std::string shownAtEnd;
        RunChooser(wizard, [&](HWND chooser) {
            // What a double click on the entry does: the dialog moves into that folder.
            HWND list = GetDlgItem(chooser, lst2);
            const LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                               reinterpret_cast<LPARAM>("[program files]"));
            SendMessageA(list, LB_SETCURSEL, index, 0);
            SendMessageA(chooser, WM_COMMAND, MAKEWPARAM(lst2, LBN_DBLCLK), reinterpret_cast<LPARAM>(list));
            shownAtEnd = CurrentDirectory();
            PostCommand(chooser, end);
        });
        EXPECT_EQ(picked, shownAtEnd);
        EXPECT_EQ(end == IDOK ? picked + "\\Vocalith" : "C:\\Vocalith", wizard.InstallDir());
        EXPECT_EQ(scratch.Path(), CurrentDirectory());
    }
}

TEST(FolderChooser, CancelChangesNothing)
{
    ScratchFolder scratch;
    StandInWizard wizard;
    wizard.SetInstallDir("D:\\Somewhere\\Vocalith");
    lstrcpynA(::Setup.InstallFolder, "D:\\Somewhere", sizeof ::Setup.InstallFolder);
    ASSERT_TRUE(SetCurrentDirectoryA(scratch.Path().c_str()));

    RunChooser(wizard, [](HWND chooser) { PostCommand(chooser, IDCANCEL); });
    EXPECT_EQ("D:\\Somewhere\\Vocalith", wizard.InstallDir());
    EXPECT_EQ("D:\\Somewhere", std::string(::Setup.InstallFolder));
    EXPECT_EQ(scratch.Path(), CurrentDirectory());
}

TEST(FolderChooser, FolderTooLongForTheLeafNameIsRefused)
{
    ScratchFolder scratch;
    // A folder whose path fits 260 bytes but not with "\Vocalith" after it.
    std::string deep = scratch.Path();
    while (deep.size() < 252) {
        deep += "\\" + std::string(std::min<size_t>(60, 252 - deep.size()), 'd');
        ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr)) << deep;
    }
    ASSERT_GT(deep.size() + 9, 259u);
    StandInWizard wizard;
    wizard.SetInstallDir("C:\\Vocalith");
    ASSERT_TRUE(SetCurrentDirectoryA(deep.c_str())) << deep;

    std::string refusal;
    DialogDriver driver([&](HWND dialog) {
        if (GetDlgItem(dialog, lst2)) {
            PostCommand(dialog, IDOK);
        } else {
            refusal = ItemText(dialog, IDC_MSG_TEXT);
            PostCommand(dialog, IDOK);
        }
    });
    FolderChooser(wizard.Window());
    EXPECT_EQ(2, driver.DialogsSeen());
    EXPECT_EQ(FolderRefusedMessage.Chinese, refusal);
    EXPECT_EQ("C:\\Vocalith", wizard.InstallDir());
}

}  // namespace
