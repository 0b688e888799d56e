// The install command: folder test, choices, the installation under a wait cursor, the result
// and the hand-off of the speech-runtime package.
#include "shell/install_command_win.h"

#include <io.h>
#include <shellapi.h>

#include <ctime>
#include <initializer_list>

#include "install/installation_win.h"
#include "install/payload_buffers.h"
#include "install/payload_store_win.h"
#include "resources/resource_ids.h"
#include "shell/install_command.h"
#include "shell/message_box_win.h"
#include "shell/setup_state_win.h"
#include "shell/wizard_win.h"
#include "shell/work_buffer.h"

namespace {

// An existing folder becomes (and stays) the current directory; a missing one is made, one level.
bool EnterOrCreateFolder(const char* folder)
{
    return SetCurrentDirectoryA(folder) || CreateDirectoryA(folder, nullptr);
}

void RecordChoices(HWND wizard)
{
    Setup.WantDesktopIcon = IsDlgButtonChecked(wizard, IDC_DESKTOP_ICON) == BST_CHECKED ? 1 : 0;
    Setup.WantAutoStart = IsDlgButtonChecked(wizard, IDC_AUTOSTART) == BST_CHECKED ? 1 : 0;
    const LRESULT selected = SendDlgItemMessageA(wizard, IDC_LANGUAGE, CB_GETCURSEL, 0, 0);
    Setup.UiLanguage = static_cast<int>(SendDlgItemMessageA(wizard, IDC_LANGUAGE, CB_GETITEMDATA, selected, 0));
}

void HideButtons(HWND wizard)
{
    for (int id : {IDC_NEXT, IDC_BACK, IDCANCEL}) {
        HWND button = GetDlgItem(wizard, id);
        ShowWindow(button, SW_HIDE);
        UpdateWindow(button);
    }
}

void BringPointerToWizard(HWND wizard)
{
    POINT pointer{};
    RECT window{};
    GetCursorPos(&pointer);
    GetWindowRect(wizard, &window);
    ScreenPoint target{};
    if (PointerTarget({static_cast<int>(window.left), static_cast<int>(window.top), static_cast<int>(window.right),
                       static_cast<int>(window.bottom)},
                      {static_cast<int>(pointer.x), static_cast<int>(pointer.y)}, &target))
        SetCursorPos(target.X, target.Y);
}

// The floor on the wait: a tight loop on the whole-second clock, without sleeping or dispatching.
void WaitForMinimumDuration(std::time_t start)
{
    while (std::difftime(std::time(nullptr), start) < MinimumInstallSeconds) {
    }
}

InstallOutcome HandOffPackage(HWND wizard)
{
    WorkBuffer buffer(PackageBufferSize);
    if (!buffer.Bytes()) {
        ShowMessage(OutOfMemoryMessage, MessageOk, wizard);
        return InstallOutcome::NoPackageMemory;
    }
    char temp[PathCapacity];
    const DWORD tempLength = GetTempPathA(sizeof temp, temp);
    char path[PathCapacity];
    if (!BuildPackagePath(path, sizeof path, temp, tempLength)) return InstallOutcome::PackageHandedOff;

    const int written = ExtractPayload(PAYLOAD_SAPI_PACKAGE, SapiPackageName, buffer.Bytes(), PackageBufferSize,
                                       0, 0, path);
    if (OpensPackage(written, _access(path, 0) == 0))
        ShellExecuteA(nullptr, "open", path, nullptr, nullptr, SW_SHOWNORMAL);
    return InstallOutcome::PackageHandedOff;
}

// Everything after the folder was accepted; returns how the command ended.
InstallOutcome Install(HWND wizard)
{
    RecordChoices(wizard);
    HideButtons(wizard);
    const std::time_t start = std::time(nullptr);
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    BringPointerToWizard(wizard);
    const int ok = RunInstallation();
    WaitForMinimumDuration(start);

    if (!ok) {
        ShowMessage(FailureMessage, MessageOk, wizard);
        return InstallOutcome::InstallationFailed;
    }
    ShowMessage(SuccessMessage, MessageOk, wizard);
    if (ShowMessage(PackageQuestionMessage, MessageOkCancel, wizard) != IDOK)
        return InstallOutcome::QuestionDeclined;
    return HandOffPackage(wizard);
}

}  // namespace

void RunInstallCommand(HWND wizard)
{
    if (Setup.WizardPage == PageLicence) ShowWizardPage(wizard, PageLicence);
    Setup.WizardPage = PageAtInstallStart(Setup.WizardPage);

    GetDlgItemTextA(wizard, IDC_INSTALL_DIR, Setup.InstallFolder, sizeof Setup.InstallFolder);
    InstallOutcome outcome = InstallOutcome::FolderRefused;
    if (EnterOrCreateFolder(Setup.InstallFolder))
        outcome = Install(wizard);
    else
        ShowMessage(FolderRefusedMessage, MessageOk, wizard);
    Setup.WizardPage = PageAfterInstall(Setup.WizardPage, outcome);
}
