// A modeless stand-in for the wizard, and scratch folders for the tests that touch the disk.
#include "stand_in_wizard.h"

#include "dialog_driver.h"
#include "dialogs_fixture_ids.h"
#include "resources/resource_ids.h"
#include "shell/setup_state_win.h"
#include "shell/wizard_pages.h"
#include "test_files.h"

namespace {

INT_PTR CALLBACK StandInProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

}  // namespace

StandInWizard::StandInWizard()
    : window_(CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEST_WIZARD), nullptr, StandInProc, 0))
{
    ::Setup.ModuleInstance = GetModuleHandleA(nullptr);
    ::Setup.WizardWindow = window_;
    HWND list = GetDlgItem(window_, IDC_LANGUAGE);
    for (const int language : OfferedUiLanguages) {
        const LRESULT index =
            SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(UiLanguageName(language)));
        SendMessageA(list, CB_SETITEMDATA, index, language);
    }
    SendMessageA(list, CB_SETCURSEL, 0, 0);
}

StandInWizard::~StandInWizard()
{
    DestroyWindow(window_);
    ::Setup.WizardWindow = nullptr;
}

std::string StandInWizard::InstallDir() const { return ItemText(window_, IDC_INSTALL_DIR); }

void StandInWizard::SetInstallDir(const std::string& text) const
{
    SetDlgItemTextA(window_, IDC_INSTALL_DIR, text.c_str());
}

std::string CurrentDirectory()
{
    char path[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof path, path);
    return path;
}

ScratchFolder::ScratchFolder() : previousDirectory_(CurrentDirectory()) {}

ScratchFolder::~ScratchFolder() { SetCurrentDirectoryA(previousDirectory_.c_str()); }
