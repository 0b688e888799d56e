// The start-up: system facts, the glyph font from item 110, the wizard and the run's exit code.
#include "shell/startup_win.h"

#include <commctrl.h>
#include <zlib.h>

#include <cstring>

#include "install/payload_buffers.h"
#include "install/payload_store_win.h"
#include "render/glyph_font.h"
#include "render/glyph_pages_win.h"
#include "resources/resource_ids.h"
#include "shell/main_loop_win.h"
#include "shell/message_box_win.h"
#include "shell/setup_state_win.h"
#include "shell/system_facts.h"
#include "shell/work_buffer.h"
#include "shell/wizard_win.h"

namespace {

static_assert(static_cast<unsigned long>(GlyphPageBytes) * GlyphPageCount <= FontBufferSize,
              "the glyph pages are cut from the font buffer");
constexpr DWORD OsVersionInfoSizeA = 148;
static_assert(sizeof(OSVERSIONINFOA) == OsVersionInfoSizeA, "OSVERSIONINFOA is 148 bytes");

typedef BOOL(WINAPI* SetDefaultDllDirectoriesFunction)(DWORD);

}  // namespace

// Windows looks for a DLL loaded on demand in the program's own folder first, and a setup
// usually runs from a downloads folder where anyone may have dropped a DLL of a system name.
// This has to be the first thing the process does: every later call (common controls, the
// shell, COM, the open-file dialog) may load a DLL on demand. Windows before 8 without the
// update lack the function, hence the look-up.
void RestrictDllSearchToSystem()
{
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (!kernel) return;
    const auto restrict = reinterpret_cast<SetDefaultDllDirectoriesFunction>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (restrict) restrict(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

void RecordSystemFacts(HINSTANCE instance)
{
    SystemQueries queries{};
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = OsVersionInfoSizeA;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    queries.VersionRead = GetVersionExA(&version) != 0;
#pragma GCC diagnostic pop
    queries.PlatformId = version.dwPlatformId;
    queries.MajorVersion = version.dwMajorVersion;
    CPINFO codePage{};
    queries.CodePageRead = GetCPInfo(CP_ACP, &codePage) != 0;
    queries.MaxCharSize = codePage.MaxCharSize;
    queries.LanguageId = GetSystemDefaultLangID();

    const SystemFacts facts = DecideSystemFacts(queries);
    Setup.PlatformIsNt = facts.PlatformIsNt;
    Setup.MajorVersionIs3 = facts.MajorVersionIs3;
    Setup.SystemChinese = facts.SystemChinese;
    Setup.ModuleInstance = instance;
    Setup.InstallLeafName = InstallLeafNameText;
}

namespace {

// True when the glyph pages are built; otherwise *exitCode is what the run ends with.
bool LoadGlyphFont(int* exitCode)
{
    WorkBuffer font(FontBufferSize);
    if (!font.Bytes()) {
        ShowMessage(OutOfMemoryMessage, MessageOk, nullptr);
        *exitCode = 1;
        return false;
    }
    // The font image fills only the start of the pages; the cells beyond it must be background
    // (1 bits), not whatever the heap held.
    std::memset(font.Bytes(), 0xFF, static_cast<size_t>(GlyphPageBytes) * GlyphPageCount);
    unsigned long inflated = 0;
    if (InflatePayload(PAYLOAD_FONT, font.Bytes(), FontBufferSize, &inflated) != Z_OK) {
        *exitCode = 1;
        return false;
    }
    if (!BuildGlyphPages(font.Bytes())) {
        ReleaseGlyphPages();
        *exitCode = 0;
        return false;
    }
    return true;
}

}  // namespace

int RunSetup(HINSTANCE instance, HINSTANCE previousInstance)
{
    if (previousInstance) return 0;
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    RecordSystemFacts(instance);

    int exitCode = 0;
    if (!LoadGlyphFont(&exitCode)) return exitCode;

    // The template holds a progress bar: its class must exist before the dialog is made.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);

    Setup.WizardPage = PageOptions;
    Setup.WizardIcon = LoadIconA(Setup.ModuleInstance, MAKEINTRESOURCEA(IDI_SETUP));
    Setup.WizardWindow = CreateDialogParamA(Setup.ModuleInstance, MAKEINTRESOURCEA(IDD_WIZARD), nullptr,
                                            WizardDlgProc, 0);
    if (!Setup.WizardWindow) {
        // Without a window nothing could ever end the loop.
        ReleaseGlyphPages();
        return 1;
    }
    RunMainLoop();
    DestroyWindow(Setup.WizardWindow);
    Setup.WizardWindow = nullptr;
    ReleaseGlyphPages();
    return 0;
}
