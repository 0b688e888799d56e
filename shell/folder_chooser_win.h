// Browse: the old-style folder chooser on template 168.
#pragma once
#include <windows.h>

// Runs the chooser over the wizard; on OK writes the picked folder and the leaf name into 1002.
void FolderChooser(HWND wizard);
UINT_PTR CALLBACK FolderHookProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
