// A real installation from this program's payload items into a temp folder, links and all.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "install/catalogue.h"
#include "install/installation_win.h"
#include "install/settings_file.h"
#include "install/shortcut_names.h"
#include "install/shortcut_plan.h"
#include "install/shortcuts_win.h"
#include "install_test_support.h"
#include "resource_ids.h"
#include "shell/setup_state_win.h"

namespace {

// The uncompressed payload sources, seen from Wine through drive Z:.
std::string SourceFile(const char* name)
{
    std::string path = std::string("Z:") + VOCALITH_PAYLOAD_FILES_DIR + "/" + name;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// The system's Chinese variant as the setup derives it, from the code page this run has.
int SystemChineseOfThisRun()
{
    switch (GetACP()) {
    case 936: return 1;
    case 950: return 2;
    default: return 0;
    }
}

class FullRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(nullptr, FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(PAYLOAD_FONT), "TEXT"))
            << "the test program must carry the payload items";
        INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_PROGRESS_CLASS};
        ASSERT_TRUE(InitCommonControlsEx(&classes));
        wizard_ = CreateWindowExA(0, "STATIC", "wizard", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                  nullptr, nullptr);
        ASSERT_NE(nullptr, wizard_);
        bar_ = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD, 10, 10, 300, 20, wizard_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_PROGRESS)), nullptr, nullptr);
        ASSERT_NE(nullptr, bar_);

        ::Setup.ModuleInstance = GetModuleHandleA(nullptr);
        ::Setup.WizardWindow = wizard_;
        ::Setup.PlatformIsNt = 1;
        ::Setup.MajorVersionIs3 = 0;
        ::Setup.SystemChinese = SystemChineseOfThisRun();
        // The Chinese runs say which variant their locale must give, so a locale Wine ignored shows.
        if (const char* expected = getenv("VOCALITH_SYSTEM_CHINESE")) {
            ASSERT_EQ(atoi(expected), ::Setup.SystemChinese) << "code page " << GetACP();
        }
        ::Setup.WantDesktopIcon = 1;
        ::Setup.WantAutoStart = 1;
        ::Setup.UiLanguage = 2;
        lstrcpynA(::Setup.InstallFolder, folder_.Path().c_str(), sizeof ::Setup.InstallFolder);
    }
    void TearDown() override
    {
        ::Setup.WizardWindow = nullptr;
        if (wizard_) DestroyWindow(wizard_);
    }

    TemporaryFolder folder_;
    HWND wizard_ = nullptr;
    HWND bar_ = nullptr;
};

TEST_F(FullRun, InstallsEveryFileTheSettingAndTheLinks)
{
    const ShortcutNames& names = ShortcutNamesFor(::Setup.SystemChinese);
    const std::string group = ShellFolderPath(FolderPrograms) + "\\" + names.Product;
    const std::string desktopLink = ShellFolderPath(FolderDesktop) + "\\" + names.Product + ".lnk";
    const std::string startupLink = ShellFolderPath(FolderStartup) + "\\" + names.Product + ".lnk";
    const RemovedAtEnd cleanup({group, desktopLink, startupLink});

    ASSERT_EQ(1, RunInstallation());

    std::vector<std::string> written;
    for (std::size_t i = 0; i < CatalogueRowCount; ++i) {
        const CatalogueRow& row = Catalogue[i];
        if (row.Action != CatalogueAction::Write) continue;
        written.push_back(row.FileName);
        std::string expected = ReadFileBytes(SourceFile(row.FileName));
        ASSERT_NE("<missing>", expected) << SourceFile(row.FileName);
        if (row.FileName == std::string(SettingsFileName)) {
            ASSERT_EQ(std::string::npos, expected.find("UILanguage=")) << "the shipped settings have no key";
            expected += "\r\n[Config]\r\nUILanguage=2\r\n\r\n";
        }
        const std::string installed = ReadFileBytes(folder_.Child(row.FileName));
        EXPECT_EQ(expected.size(), installed.size()) << row.FileName;
        EXPECT_TRUE(expected == installed) << row.FileName << " differs from its source";
        const DWORD attributes = GetFileAttributesA(folder_.Child(row.FileName).c_str());
        EXPECT_EQ((row.ReadOnly ? FILE_ATTRIBUTE_READONLY : 0u) | (row.Hidden ? FILE_ATTRIBUTE_HIDDEN : 0u),
                  attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN))
            << row.FileName;
    }
    std::vector<std::string> entries = FolderEntries(folder_.Path());
    std::sort(entries.begin(), entries.end());
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, entries) << "the eighteen files and nothing else";

    EXPECT_TRUE(GetWindowLongA(bar_, GWL_STYLE) & WS_VISIBLE) << "the bar is shown";
    EXPECT_EQ(100, SendMessageA(bar_, PBM_GETPOS, 0, 0));

    const std::string program = folder_.Child("Vocalith.exe");
    EXPECT_LINK(group + "\\" + names.Product + ".lnk", program, names.Product, folder_.Path());
    EXPECT_LINK(group + "\\" + names.Uninstall + ".lnk", folder_.Child("VocalithUnInstall.exe"), names.Uninstall,
                folder_.Path());
    EXPECT_LINK(desktopLink, program, names.Product, folder_.Path());
    EXPECT_LINK(startupLink, program, names.Product, folder_.Path());
}

}  // namespace
