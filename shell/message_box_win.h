// The bilingual modal message box on template 112.
#pragma once
#include <windows.h>

#include "shell/messages.h"

// Returns the id the box ended with (1, 2, 6 or 7), or DialogBoxParamA's failure value.
int ShowMessage(const char* chinese, const char* english, int kind, HWND parent);
// The same for one of the program's own messages.
inline int ShowMessage(const MessageText& text, int kind, HWND parent)
{
    return ShowMessage(text.Chinese, text.English, kind, parent);
}
INT_PTR CALLBACK MessageDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
