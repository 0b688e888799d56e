// The wizard dialog procedure and the display of its pages.
#include "shell/wizard_win.h"

#include "render/owner_draw_win.h"
#include "resources/resource_ids.h"
#include "shell/folder_choice.h"
#include "shell/folder_chooser_win.h"
#include "shell/install_command_win.h"
#include "shell/licence_texts_win.h"
#include "shell/setup_state_win.h"
#include "shell/wizard_pages.h"

namespace {

constexpr UINT LicenceLineWidth = 1024;
constexpr UINT LicenceLineHeight = 23;

void ApplyPageControls(HWND window, int page, bool afterLicenceLoad, bool englishChecked)
{
    for (int i = 0; i < PageTableSize; ++i) {
        const PageControl& row = PageTable[i];
        if (row.AfterLicenceLoad != afterLicenceLoad) continue;
        const ControlChange change = ResolvePageControl(row, page, Setup.WizardPage, englishChecked);
        if (!change.Applies) continue;
        HWND control = GetDlgItem(window, row.ControlId);
        ShowWindow(control, change.Visible ? SW_SHOW : SW_HIDE);
        if (change.SetsEnabled) EnableWindow(control, change.Enabled);
    }
}

void SetDefaultInstallFolder(HWND window)
{
    char windows[PathCapacity] = {};
    if (GetWindowsDirectoryA(windows, sizeof windows) >= sizeof windows) windows[0] = '\0';
    char folder[PathCapacity];
    if (!DefaultInstallFolder(folder, sizeof folder, windows, Setup.InstallLeafName)) return;
    SetDlgItemTextA(window, IDC_INSTALL_DIR, folder);
}

void FillLanguageList(HWND window)
{
    for (const int language : OfferedUiLanguages) {
        const LPARAM name = reinterpret_cast<LPARAM>(UiLanguageName(language));
        const LRESULT index = language == 0 ? SendDlgItemMessageA(window, IDC_LANGUAGE, CB_INSERTSTRING, 0, name)
                                            : SendDlgItemMessageA(window, IDC_LANGUAGE, CB_ADDSTRING, 0, name);
        SendDlgItemMessageA(window, IDC_LANGUAGE, CB_SETITEMDATA, static_cast<WPARAM>(index), language);
    }
    SendDlgItemMessageA(window, IDC_LANGUAGE, CB_SETCURSEL, 0, 0);
}

void SubclassOptionCheckBox(HWND window, int id)
{
    const LONG_PTR previous =
        SetWindowLongPtrA(GetDlgItem(window, id), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CheckBoxProc));
    Setup.ButtonClassProc = reinterpret_cast<WNDPROC>(previous);
}

INT_PTR OnInitDialog(HWND window)
{
    // Messages shown while the dialog lives need their owner before CreateDialogParamA returns.
    Setup.WizardWindow = window;
    SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Setup.WizardIcon));
    SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Setup.WizardIcon));
    SetDefaultInstallFolder(window);
    CheckDlgButton(window, IDC_DESKTOP_ICON, BST_CHECKED);
    HWND back = GetDlgItem(window, IDC_BACK);
    ShowWindow(back, SW_HIDE);
    EnableWindow(back, FALSE);
    FillLanguageList(window);
    SubclassOptionCheckBox(window, IDC_DESKTOP_ICON);
    SubclassOptionCheckBox(window, IDC_AUTOSTART);
    return TRUE;
}

INT_PTR OnCommand(HWND window, int id)
{
    const CommandStep step = DecideCommand(id, Setup.WizardPage);
    switch (step.Action) {
    case CommandAction::None:
        break;
    case CommandAction::MovePage:
        if (step.CheckEnglishFirst) SendDlgItemMessageA(window, IDC_ENGLISH, BM_SETCHECK, BST_CHECKED, 0);
        Setup.WizardPage = step.NewPage;
        ShowWizardPage(window, step.NewPage);
        break;
    case CommandAction::DisplayPage:
        ShowWizardPage(window, step.NewPage);
        break;
    case CommandAction::Install:
        RunInstallCommand(window);
        break;
    case CommandAction::Quit:
        Setup.WizardPage = PageQuit;
        break;
    case CommandAction::Browse:
        FolderChooser(window);
        break;
    case CommandAction::RepaintControl:
        InvalidateRect(GetDlgItem(window, id), nullptr, FALSE);
        break;
    }
    return FALSE;
}

INT_PTR OnDrawItem(HWND window, WPARAM controlId, const DRAWITEMSTRUCT* item)
{
    if (controlId == IDC_LICENCE_CN)
        DrawLicenceLine(item, window);
    else
        DrawOwnerControl(item);
    return TRUE;
}

INT_PTR OnMeasureItem(WPARAM controlId, MEASUREITEMSTRUCT* item)
{
    if (controlId != IDC_LICENCE_CN) return FALSE;
    item->itemWidth = LicenceLineWidth;
    item->itemHeight = LicenceLineHeight;
    return TRUE;
}

}  // namespace

INT_PTR CALLBACK WizardDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(window);
    case WM_COMMAND:
        return OnCommand(window, LOWORD(wParam));
    case WM_DRAWITEM:
        return OnDrawItem(window, wParam, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_MEASUREITEM:
        return OnMeasureItem(wParam, reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    default:
        return FALSE;
    }
}

void ShowWizardPage(HWND window, int page)
{
    ApplyPageControls(window, page, false, false);
    if (PageNeedsLicence(page) && !Setup.LicenceLoaded && !LoadLicenceTexts(window)) return;
    const bool englishChecked = IsDlgButtonChecked(window, IDC_ENGLISH) == BST_CHECKED;
    ApplyPageControls(window, page, true, englishChecked);
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
}
