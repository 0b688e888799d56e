// TEMPORARY placeholders until shell/ implements these; delete each as its real definition lands.
#include "shell/message_box_win.h"
#include "shell/folder_chooser_win.h"
#include "shell/install_command_win.h"
int ShowMessage(const char*, const char*, int, HWND) { return 1; }
INT_PTR CALLBACK MessageDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
void FolderChooser(HWND) {}
UINT_PTR CALLBACK FolderHookProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
void RunInstallCommand(HWND) {}
