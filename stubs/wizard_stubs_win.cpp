// TEMPORARY placeholders until shell/ implements these; delete each as its real definition lands.
#include "shell/wizard_win.h"
INT_PTR CALLBACK WizardDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
void ShowWizardPage(HWND, int) {}
