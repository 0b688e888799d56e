// The e2e driver's entry: driver SCENARIO --setup=EXE [--damaged-setup=EXE] [--planted-dll=DLL] [--payload=DIR] [--screens=DIR].
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "driver_checks.h"
#include "driver_scenarios.h"
#include "driver_steps.h"
#include "install/com_scope_win.h"

namespace {

// Paths from the build are Unix paths; Wine shows the Unix root as drive Z.
std::wstring WindowsPath(const char* path) {
    std::wstring out = Decode(path, CP_UTF8);
    if (!out.empty() && out[0] == L'/') out = L"Z:" + out;
    for (wchar_t& c : out)
        if (c == L'/') c = L'\\';
    return out;
}

bool Option(const char* arg, const char* name, std::wstring* value) {
    size_t length = strlen(name);
    if (strncmp(arg, name, length) != 0) return false;
    *value = WindowsPath(arg + length);
    return true;
}

int Usage() {
    printf("usage: driver SCENARIO --setup=EXE [--damaged-setup=EXE] [--planted-dll=DLL] [--payload=DIR] [--screens=DIR]\nscenarios:");
    for (const Scenario* s = Scenarios; s->Name; ++s) printf(" %s", s->Name);
    printf("\n");
    return 2;
}

// Without a window manager under Xvfb nobody draws the caption; have Wine draw it, so screens show it.
void DrawCaptionsInWine() {
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\X11 Driver", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(key, L"Decorated", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"N"), 2 * sizeof(wchar_t));
    RegCloseKey(key);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const Scenario* scenario = Scenarios;
    while (scenario->Name && strcmp(scenario->Name, argv[1]) != 0) ++scenario;
    if (!scenario->Name) return Usage();
    std::wstring screens = L"Z:\\tmp\\e2e-screens";
    for (int i = 2; i < argc; ++i) {
        if (!Option(argv[i], "--setup=", &Paths.Setup) && !Option(argv[i], "--damaged-setup=", &Paths.DamagedSetup) &&
            !Option(argv[i], "--planted-dll=", &Paths.PlantedDll) &&
            !Option(argv[i], "--payload=", &Paths.PayloadFiles) && !Option(argv[i], "--screens=", &screens))
            return Usage();
    }
    Paths.ScreensRoot = screens + L"\\" + Decode(scenario->Name, CP_UTF8);
    DeleteTree(Paths.ScreensRoot);
    MakeFolders(Paths.ScreensRoot);
    ScopedComApartment com;
    if (!com.Entered()) {
        printf("FAIL: COM does not initialise\n");
        return 1;
    }
    CleanState();
    DrawCaptionsInWine();
    printf("scenario %s\n", scenario->Name);
    fflush(stdout);
    bool passed = scenario->Run() && FailureCount() == 0;
    printf("screens: %s\n%s: %s\n", Utf8(Paths.ScreensRoot).c_str(), scenario->Name, passed ? "passed" : "FAILED");
    return passed ? 0 : 1;
}
