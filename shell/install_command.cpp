// The install command's rules: page outcomes, pointer centring and the package hand-off.
#include "shell/install_command.h"

#include <cstdio>
#include <cstring>

#include "shell/wizard_state.h"

int PageAtInstallStart(int page) { return page == PageLicence ? PageInstalling : page; }

int PageAfterInstall(int pageAtStart, InstallOutcome outcome)
{
    return outcome == InstallOutcome::FolderRefused ? pageAtStart : PageQuit;
}

bool PointerTarget(const ScreenRect& window, const ScreenPoint& pointer, ScreenPoint* target)
{
    const bool inside = pointer.X >= window.Left && pointer.X < window.Right && pointer.Y >= window.Top &&
                        pointer.Y < window.Bottom;
    if (inside) return false;
    target->X = window.Left + (window.Right - window.Left) / 2;
    target->Y = window.Top + (window.Bottom - window.Top) / 2;
    return true;
}

bool BuildPackagePath(char* out, std::size_t capacity, const char* tempFolder, unsigned long tempLength)
{
    if (tempLength >= capacity) return false;
    const char* folder = tempLength == 0 ? "C:\\" : tempFolder;
    const std::size_t needed = std::strlen(folder) + std::strlen(SapiPackageName) + 1;
    if (needed > capacity) return false;
    std::snprintf(out, capacity, "%s%s", folder, SapiPackageName);
    return true;
}

bool OpensPackage(int extractResult, bool fileExists) { return extractResult == 1 && fileExists; }
