// Browse: the old-style open-file dialog on template 168, reduced to a folder chooser by its hook.
#include "shell/folder_chooser_win.h"

#include <commdlg.h>
#include <dlgs.h>
#include <direct.h>

#include <cstddef>
#include <cstring>

#include "render/owner_draw_win.h"
#include "resources/resource_ids.h"
#include "shell/folder_choice.h"
#include "shell/message_box_win.h"
#include "shell/setup_state_win.h"

namespace {

// OPENFILENAME_SIZE_VERSION_400A as a constant expression (the macro casts a null pointer): the
// record as the dialog knew it before the members added for Windows 2000.
constexpr DWORD OldStyleRecordSize = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
#if !defined(_WIN64)
static_assert(OldStyleRecordSize == 76, "the shipped 32-bit build passes the 76-byte record");
#endif

// Set by the hook when OK took the shown folder; the common dialog can end with OK on its own
// (after the hook declined because the current directory could not be read).
bool FolderTaken = false;

// The template's caption. Windows keeps it when the record names no title; Wine puts its own
// "Open File" there instead, so the record names it.
constexpr char ChooserTitle[] = FOLDER_CHOOSER_CAPTION;

constexpr DWORD ChooserFlags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_ENABLEHOOK | OFN_ENABLETEMPLATE |
                               OFN_PATHMUSTEXIST;
static_assert(ChooserFlags == 0x86C, "old-style dialog with hook and own template");

UINT_PTR OnDrawItem(const DRAWITEMSTRUCT* item)
{
    if (item->CtlID != IDC_DIRECTORIES_LABEL && item->CtlID != IDC_DRIVES_LABEL && item->CtlID != IDCANCEL)
        return FALSE;  // the dialog draws its own folder and drive lists
    DrawOwnerControl(item);
    return TRUE;
}

UINT_PTR OnInitDialog(HWND dialog)
{
    // Cancel shows its bilingual caption: it becomes owner-drawn like the wizard's buttons.
    HWND cancel = GetDlgItem(dialog, IDCANCEL);
    const LONG_PTR style = GetWindowLongPtrA(cancel, GWL_STYLE);
    SetWindowLongPtrA(cancel, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
    // The template carries no WS_VISIBLE and Wine's old-style dialog never shows it on its own;
    // where the platform shows it anyway this changes nothing.
    ShowWindow(dialog, SW_SHOW);
    SetFocus(GetDlgItem(dialog, lst2));
    return TRUE;
}

// While the user moves through folders and drives, the current directory is the folder shown.
UINT_PTR OnOk(HWND dialog)
{
    char folder[PathCapacity];
    if (!_getcwd(folder, sizeof folder)) return FALSE;  // left to the dialog's own handling of OK
    StripTrailingBackslash(folder);
    std::memcpy(Setup.InstallFolder, folder, sizeof folder);
    FolderTaken = true;
    EndDialog(dialog, IDOK);
    return TRUE;
}

}  // namespace

UINT_PTR CALLBACK FolderHookProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DRAWITEM:
        return OnDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_INITDIALOG:
        return OnInitDialog(dialog);
    case WM_COMMAND:
        return LOWORD(wParam) == IDOK ? OnOk(dialog) : FALSE;
    default:
        return FALSE;
    }
}

void FolderChooser(HWND wizard)
{
    char file[PathCapacity] = "";
    OPENFILENAMEA record{};
    record.lStructSize = OldStyleRecordSize;
    record.hwndOwner = wizard;
    record.hInstance = nullptr;  // the template is looked up in the program's own executable
    record.lpstrFile = file;
    record.lpstrTitle = ChooserTitle;
    record.nMaxFile = 128;
    record.Flags = ChooserFlags;
    record.lpfnHook = FolderHookProc;
    record.lpTemplateName = MAKEINTRESOURCEA(IDD_FOLDER_CHOOSER);

    // OFN_NOCHANGEDIR should put the current directory back, but Wine's old-style dialog does not
    // when the hook ends it after the user moved through folders; put it back here as well.
    char startDirectory[PathCapacity];
    const DWORD startLength = GetCurrentDirectoryA(sizeof startDirectory, startDirectory);
    FolderTaken = false;
    const BOOL picked = GetOpenFileNameA(&record);
    if (startLength > 0 && startLength < sizeof startDirectory) SetCurrentDirectoryA(startDirectory);
    if (!picked || !FolderTaken) return;

    char path[PathCapacity];
    if (!JoinInstallPath(path, sizeof path, Setup.InstallFolder, Setup.InstallLeafName)) {
        ShowMessage(FolderRefusedMessage, MessageOk, wizard);
        return;
    }
    SetDlgItemTextA(wizard, IDC_INSTALL_DIR, path);
}
