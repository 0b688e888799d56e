// The whole run of the start-up inside this test program, and the DLL search restriction.
#include <windows.h>

#include <string>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "render/glyph_font.h"
#include "resource_ids.h"
#include "shell/setup_state_win.h"
#include "shell/startup_win.h"
#include "test_files.h"
#include "wizard_fixture_ids.h"
#include "wizard_window.h"

namespace {

struct RunObservation {
    HWND Wizard;
    int Page;
    COLORREF ImagePixel;     // inside the font image
    COLORREF PastImageRow;   // page 2, first cell row after the image
    COLORREF LastPagePixel;  // page 3, wholly beyond the image
};
RunObservation Seen;

COLORREF PixelOfPage(int page, int x, int y)
{
    return GetPixel(::Setup.GlyphFont.Pages[page].MemoryDc, x, y);
}

// Runs inside the main loop: looks at the open wizard and the glyph pages, then cancels.
void CALLBACK ObserveAndCancel(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    Seen.Wizard = ::Setup.WizardWindow;
    Seen.Page = ::Setup.WizardPage;
    Seen.ImagePixel = PixelOfPage(0, 0, 0);
    Seen.PastImageRow = PixelOfPage(2, 1, 320);
    Seen.LastPagePixel = PixelOfPage(3, 1, 943);
    PostMessageA(::Setup.WizardWindow, WM_COMMAND, IDCANCEL, 0);
}

TEST(StartUp, ARunOpensTheWizardAndEndsWithZero)
{
    ResetSetupState();
    // The run itself must record these.
    ::Setup.ModuleInstance = nullptr;
    ::Setup.InstallLeafName = nullptr;
    Seen = RunObservation{};
    ASSERT_NE(0u, SetTimer(nullptr, 0, 100, ObserveAndCancel));
    EXPECT_EQ(0, RunSetup(GetModuleHandleA(nullptr), nullptr));

    ASSERT_NE(nullptr, Seen.Wizard);
    EXPECT_EQ(PageOptions, Seen.Page);
    EXPECT_FALSE(IsWindow(Seen.Wizard)) << "destroyed at the end";
    EXPECT_EQ(nullptr, ::Setup.GlyphFont.Pages[0].Bitmap) << "glyph pages released";
    // 0x55: the leftmost pixel is ink. Past the image the buffer was background, not heap bytes.
    EXPECT_EQ(RGB(0, 0, 0), Seen.ImagePixel);
    EXPECT_EQ(RGB(255, 255, 255), Seen.PastImageRow);
    EXPECT_EQ(RGB(255, 255, 255), Seen.LastPagePixel);
    EXPECT_EQ(::Setup.ModuleInstance, GetModuleHandleA(nullptr));
    EXPECT_STREQ("Vocalith", ::Setup.InstallLeafName);
}

TEST(StartUp, ASecondInstanceDoesNothing)
{
    ResetSetupState();
    ::Setup.ModuleInstance = nullptr;
    EXPECT_EQ(0, RunSetup(GetModuleHandleA(nullptr), GetModuleHandleA(nullptr)));
    EXPECT_EQ(nullptr, ::Setup.ModuleInstance) << "nothing was recorded";
    EXPECT_EQ(nullptr, ::Setup.WizardWindow);
}

TEST(StartUp, AFontThatDoesNotInflateEndsWithOne)
{
    ResetSetupState();
    // kernel32 holds no item 110.
    EXPECT_EQ(1, RunSetup(GetModuleHandleA("kernel32.dll"), nullptr));
    EXPECT_EQ(nullptr, ::Setup.WizardWindow);
    EXPECT_EQ(nullptr, ::Setup.GlyphFont.Pages[0].Bitmap);
}

TEST(StartUp, SystemFactsOfThisWine)
{
    ResetSetupState();
    RecordSystemFacts(GetModuleHandleA(nullptr));
    EXPECT_EQ(1, ::Setup.PlatformIsNt);
    EXPECT_EQ(0, ::Setup.MajorVersionIs3);
    CPINFO codePage{};
    ASSERT_TRUE(GetCPInfo(CP_ACP, &codePage));
    const LANGID language = GetSystemDefaultLangID();
    if (codePage.MaxCharSize == 1 || PRIMARYLANGID(language) != LANG_CHINESE) {
        EXPECT_EQ(0, ::Setup.SystemChinese);
    } else {
        EXPECT_EQ((language & 0x400) ? 2 : 1, ::Setup.SystemChinese);
    }
}

TEST(StartUp, DllSearchLeavesTheProgramFolderButCOMWorks)
{
    // Found beside the program while the default search holds.
    HMODULE probe = LoadLibraryA("shella_probe.dll");
    ASSERT_NE(nullptr, probe) << "the probe DLL lies beside the test program";
    FreeLibrary(probe);

    RestrictDllSearchToSystem();
    EXPECT_EQ(nullptr, LoadLibraryA("shella_probe.dll"));

    const std::string path = BesideThisProgram("shella_probe.dll");
    probe = LoadLibraryA(path.c_str());
    EXPECT_NE(nullptr, probe) << "a full path still loads";
    if (probe) FreeLibrary(probe);

    // The shell link object is made through COM as the shortcuts make it.
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    IShellLinkA* link = nullptr;
    EXPECT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                           reinterpret_cast<void**>(&link))));
    if (link) {
        // ...and saved, which loads more of the shell on demand.
        EXPECT_TRUE(SUCCEEDED(link->SetPath(path.c_str())));
        IPersistFile* file = nullptr;
        ASSERT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))));
        char temp[MAX_PATH];
        ASSERT_NE(0u, GetTempPathA(sizeof temp, temp));
        wchar_t linkPath[MAX_PATH];
        ASSERT_GT(MultiByteToWideChar(CP_ACP, 0, temp, -1, linkPath, MAX_PATH), 0);
        lstrcatW(linkPath, L"shella_probe.lnk");
        EXPECT_TRUE(SUCCEEDED(file->Save(linkPath, TRUE)));
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(linkPath));
        DeleteFileW(linkPath);
        file->Release();
        link->Release();
    }
    CoUninitialize();
}

}  // namespace
