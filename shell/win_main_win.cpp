// The entry point of setup.exe.
#include <windows.h>

#include "shell/startup_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR, int)
{
    // First of all, before anything can load a DLL on demand (see the function).
    RestrictDllSearchToSystem();
    return RunSetup(instance, previousInstance);
}
