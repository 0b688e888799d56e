// The install command over a stand-in wizard, up to what runs without a payload.
#include <gtest/gtest.h>
#include <windows.h>

#include <ctime>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "resources/resource_ids.h"
#include "shell/install_command_win.h"
#include "shell/messages.h"
#include "shell/setup_state_win.h"
#include "stand_in_wizard.h"
#include "test_files.h"

namespace {

struct BoxShown {
    std::string Chinese;
    std::string English;
    std::time_t At;
};

bool Visible(const StandInWizard& wizard, int id) { return IsWindowVisible(GetDlgItem(wizard.Window(), id)) != FALSE; }

// Runs the command, answering every box with OK and recording what it said.
std::vector<BoxShown> RunCommand(const StandInWizard& wizard)
{
    std::vector<BoxShown> boxes;
    DialogDriver driver([&](HWND box) {
        boxes.push_back({ItemText(box, IDC_MSG_TEXT), ItemText(box, IDC_MSG_ENGLISH), std::time(nullptr)});
        PostCommand(box, IDOK);
    });
    RunInstallCommand(wizard.Window());
    return boxes;
}

TEST(InstallCommand, FolderThatCannotBeMadeIsRefusedAndTheWizardStays)
{
    ScratchFolder scratch;
    const std::string folder = scratch.Path() + "\\missing\\Vocalith";  // two levels below what exists
    struct Case {
        int Before;
        int After;
    };
    for (const Case& c : {Case{PageLicence, PageInstalling}, Case{3, 3}, Case{PageInstalling, PageInstalling}}) {
        SCOPED_TRACE(c.Before);
        StandInWizard wizard;
        wizard.SetInstallDir(folder);
        ::Setup.WizardPage = c.Before;
        const std::string before = CurrentDirectory();

        const std::vector<BoxShown> boxes = RunCommand(wizard);
        ASSERT_EQ(1u, boxes.size());
        EXPECT_EQ(FolderRefusedMessage.Chinese, boxes[0].Chinese);
        EXPECT_EQ("Cannot create folder! Please check folder path.", boxes[0].English);
        EXPECT_EQ(c.After, ::Setup.WizardPage);
        EXPECT_EQ(folder, std::string(::Setup.InstallFolder));
        EXPECT_FALSE(PathExists(scratch.Path() + "\\missing"));
        EXPECT_EQ(before, CurrentDirectory());
        for (int id : {IDC_NEXT, IDC_BACK, IDCANCEL}) EXPECT_TRUE(Visible(wizard, id)) << id;
    }
}

// The test program carries no catalogue, so the installation itself fails: the command then
// reports the failure after the minimum wait and ends the wizard.
class AcceptedFolder : public ::testing::TestWithParam<bool> {};

TEST_P(AcceptedFolder, ChoicesRecordedButtonsHiddenPointerCentredFailureReported)
{
    const bool exists = GetParam();
    ScratchFolder scratch;
    const std::string folder = exists ? scratch.Path() : scratch.Path() + "\\Vocalith";
    StandInWizard wizard;
    wizard.SetInstallDir(folder);
    CheckDlgButton(wizard.Window(), IDC_DESKTOP_ICON, BST_UNCHECKED);
    CheckDlgButton(wizard.Window(), IDC_AUTOSTART, BST_CHECKED);
    SendDlgItemMessageA(wizard.Window(), IDC_LANGUAGE, CB_SETCURSEL, 2, 0);
    ::Setup.WizardPage = PageLicence;
    ::Setup.LicenceLoaded = 1;

    RECT frame{};
    GetWindowRect(wizard.Window(), &frame);
    ASSERT_TRUE(SetCursorPos(frame.right + 20, frame.bottom + 20));
    const std::string before = CurrentDirectory();
    const std::time_t start = std::time(nullptr);

    const std::vector<BoxShown> boxes = RunCommand(wizard);
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(FailureMessage.Chinese, boxes.back().Chinese);
    EXPECT_EQ(FailureMessage.English, boxes.back().English);
    EXPECT_GE(std::difftime(boxes.back().At, start), 5.0);
    EXPECT_EQ(PageQuit, ::Setup.WizardPage);

    EXPECT_EQ(0, ::Setup.WantDesktopIcon);
    EXPECT_EQ(1, ::Setup.WantAutoStart);
    EXPECT_EQ(2, ::Setup.UiLanguage);
    for (int id : {IDC_NEXT, IDC_BACK, IDCANCEL}) EXPECT_FALSE(Visible(wizard, id)) << id;

    EXPECT_TRUE(PathExists(folder));
    // An existing folder is entered and stays current; a created one is not entered.
    EXPECT_EQ(exists ? folder : before, CurrentDirectory());

    POINT pointer{};
    GetCursorPos(&pointer);
    EXPECT_EQ(frame.left + (frame.right - frame.left) / 2, pointer.x);
    EXPECT_EQ(frame.top + (frame.bottom - frame.top) / 2, pointer.y);
}

INSTANTIATE_TEST_SUITE_P(InstallCommand, AcceptedFolder, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& param) { return param.param ? "Existing" : "Created"; });

}  // namespace
