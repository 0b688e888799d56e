// The one window of the sample product programs: a caption and a line of text.
#pragma once
#include <windows.h>

// Shows a window titled `title` holding `text` in a static control, and runs its message loop
// until the window is closed. Returns the process exit code.
int RunProductWindow(HINSTANCE instance, const char* title, const char* text);
