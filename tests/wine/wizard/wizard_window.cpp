// The wizard of the tests: template 114 with WizardDlgProc, created as the start-up creates it.
#include "wizard_window.h"

#include <commctrl.h>

#include <cstring>

#include "resource_ids.h"
#include "shell/setup_state_win.h"
#include "shell/wizard_win.h"

void ResetSetupState()
{
    Setup.ModuleInstance = GetModuleHandleA(nullptr);
    Setup.InstallLeafName = InstallLeafNameText;
    Setup.WizardWindow = nullptr;
    Setup.WizardIcon = LoadIconA(Setup.ModuleInstance, MAKEINTRESOURCEA(IDI_SETUP));
    Setup.WizardPage = PageOptions;
    Setup.ButtonClassProc = nullptr;
    Setup.LicenceLoaded = 0;
}

WizardWindow::WizardWindow()
{
    ResetSetupState();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    window_ = CreateDialogParamA(Setup.ModuleInstance, MAKEINTRESOURCEA(IDD_WIZARD), nullptr, WizardDlgProc, 0);
}

WizardWindow::~WizardWindow()
{
    if (window_) DestroyWindow(window_);
    Setup.WizardWindow = nullptr;
}

bool WizardWindow::Visible(int id) const
{
    return (GetWindowLongA(Item(id), GWL_STYLE) & WS_VISIBLE) != 0;
}

bool WizardWindow::Enabled(int id) const
{
    return IsWindowEnabled(Item(id)) != 0;
}

bool WizardWindow::Checked(int id) const
{
    return IsDlgButtonChecked(window_, id) == BST_CHECKED;
}

std::string WizardWindow::Text(int id) const
{
    char text[512];
    std::memset(text, '#', sizeof text);
    const int length = GetDlgItemTextA(window_, id, text, sizeof text);
    return std::string(text, static_cast<size_t>(length));
}

void WizardWindow::Command(int id, int notification) const
{
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, notification), reinterpret_cast<LPARAM>(Item(id)));
}
