// The install command: Next on the licence page or later.
#pragma once
#include <windows.h>

void RunInstallCommand(HWND wizard);
