// The wizard dialog (template 114) and its pages.
#pragma once
#include <windows.h>

INT_PTR CALLBACK WizardDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void ShowWizardPage(HWND window, int page);
