// The main loop's Enter-key rule and its end, with the real wizard and real focus.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "resource_ids.h"
#include "shell/main_loop_win.h"
#include "shell/setup_state_win.h"
#include "wizard_window.h"

namespace {

// Records every command the wizard receives while it is subclassed.
std::vector<int> ReceivedCommands;
WNDPROC WizardProcedure;

LRESULT CALLBACK CommandSpy(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND) ReceivedCommands.push_back(LOWORD(wParam));
    return CallWindowProcA(WizardProcedure, window, message, wParam, lParam);
}

class SpiedWizard : public WizardWindow {
public:
    SpiedWizard()
    {
        ReceivedCommands.clear();
        WizardProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(Window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CommandSpy)));
    }

    // Presses Enter as the loop fetches it, addressed to the focus window. Returns the commands
    // the wizard received at once (the dialog manager's) and leaves the posted ones queued.
    std::vector<int> PressEnter()
    {
        ReceivedCommands.clear();
        MSG enter{GetFocus(), WM_KEYDOWN, VK_RETURN, 0x001C0001, GetTickCount(), {0, 0}};
        HandleLoopMessage(&enter);
        return ReceivedCommands;
    }

    // The commands posted to the wizard, taken off the queue.
    std::vector<int> PostedCommands()
    {
        std::vector<int> posted;
        MSG message;
        while (PeekMessageA(&message, Window(), WM_COMMAND, WM_COMMAND, PM_REMOVE)) {
            EXPECT_EQ(0, message.lParam);
            EXPECT_EQ(0, HIWORD(message.wParam)) << "notification code 0";
            posted.push_back(static_cast<int>(message.wParam));
        }
        return posted;
    }
};

using Ids = std::vector<int>;

TEST(MainLoopEnterKey, OnAPushButtonClicksItAndDropsTheKey)
{
    SpiedWizard wizard;
    wizard.Command(IDC_NEXT);  // page 1: Back is on screen
    for (int id : {IDC_BACK, IDC_NEXT, IDCANCEL}) {
        SetFocus(wizard.Item(id));
        ASSERT_EQ(wizard.Item(id), GetFocus());
        EXPECT_EQ(Ids{}, wizard.PressEnter()) << "the dialog manager never sees the key, focus on " << id;
        EXPECT_EQ(Ids{id}, wizard.PostedCommands()) << id;
    }
}

TEST(MainLoopEnterKey, ElsewherePostsNextAndTheKeyGoesOn)
{
    SpiedWizard wizard;
    for (int id : {IDC_DESKTOP_ICON, IDC_INSTALL_DIR}) {
        SetFocus(wizard.Item(id));
        ASSERT_EQ(wizard.Item(id), GetFocus());
        EXPECT_EQ(1u, wizard.PressEnter().size()) << "the dialog manager handled the key, focus on " << id;
        EXPECT_EQ(Ids{IDC_NEXT}, wizard.PostedCommands()) << id;
    }
    EXPECT_EQ(0, ::Setup.WizardPage) << "posted, not yet handled";

    SetFocus(nullptr);
    wizard.PressEnter();
    EXPECT_EQ(Ids{IDC_NEXT}, wizard.PostedCommands()) << "no focus at all";
}

TEST(MainLoopEnterKey, OtherKeysPostNothing)
{
    SpiedWizard wizard;
    SetFocus(wizard.Item(IDC_INSTALL_DIR));
    MSG key{GetFocus(), WM_KEYDOWN, 'A', 0, 0, {0, 0}};
    HandleLoopMessage(&key);
    MSG up{GetFocus(), WM_KEYUP, VK_RETURN, 0, 0, {0, 0}};
    HandleLoopMessage(&up);
    EXPECT_EQ(Ids{}, wizard.PostedCommands());
}

TEST(MainLoop, EndsAfterTheMessageThatQuits)
{
    SpiedWizard wizard;
    PostMessageA(wizard.Window(), WM_COMMAND, IDC_NEXT, 0);
    PostMessageA(wizard.Window(), WM_COMMAND, IDCANCEL, 0);
    PostMessageA(wizard.Window(), WM_COMMAND, IDC_NEXT, 0);
    RunMainLoop();
    EXPECT_EQ(PageQuit, ::Setup.WizardPage);
    // Notifications of the controls come in between; the Next after Cancel is never handled.
    EXPECT_EQ(1, std::count(ReceivedCommands.begin(), ReceivedCommands.end(), IDC_NEXT));
    EXPECT_EQ(1, std::count(ReceivedCommands.begin(), ReceivedCommands.end(), IDCANCEL));
    EXPECT_EQ(Ids{IDC_NEXT}, wizard.PostedCommands());
}

TEST(MainLoop, EndsOnQuitMessage)
{
    SpiedWizard wizard;
    PostQuitMessage(0);
    RunMainLoop();
    EXPECT_EQ(PageOptions, ::Setup.WizardPage);
}

}  // namespace
