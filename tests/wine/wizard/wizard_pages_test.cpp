// The wizard under the real dialog manager: set-up, page walk, commands and licence loading.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "render/owner_draw_win.h"
#include "resource_ids.h"
#include "shell/setup_state_win.h"
#include "shell/wizard_win.h"
#include "test_files.h"
#include "wizard_fixture_ids.h"
#include "wizard_window.h"

namespace {

std::vector<std::string> ListLines(HWND list)
{
    std::vector<std::string> lines;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char line[256] = {};
        if (SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) >= static_cast<LRESULT>(sizeof line)) break;
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line));
        lines.push_back(line);
    }
    return lines;
}

// Expects the options, language and licence controls to show exactly one page.
void ExpectPage(const WizardWindow& wizard, int page, bool english, int line)
{
    SCOPED_TRACE("page " + std::to_string(page) + " checked at line " + std::to_string(line));
    const bool options = page != 1 && page != 2;
    for (int id : {IDC_INSTALL_DIR, IDC_INSTALL_DIR_LABEL, IDC_BROWSE, IDC_DESKTOP_ICON, IDC_AUTOSTART})
        EXPECT_EQ(options, wizard.Visible(id)) << id;
    EXPECT_EQ(page == 1, wizard.Visible(IDC_LANGUAGE_LABEL));
    EXPECT_EQ(page == 1, wizard.Visible(IDC_LANGUAGE));
    EXPECT_EQ(page == 2, wizard.Visible(IDC_ENGLISH));
    EXPECT_EQ(page == 2 && english, wizard.Visible(IDC_LICENCE_EN));
    EXPECT_EQ(page == 2 && !english, wizard.Visible(IDC_LICENCE_CN));
    EXPECT_EQ(page != 0, wizard.Visible(IDC_BACK));
    EXPECT_EQ(page != 0, wizard.Enabled(IDC_BACK));
}

TEST(WizardSetUp, StartsOnTheOptionsPage)
{
    WizardWindow wizard;
    ASSERT_NE(nullptr, wizard.Window());
    EXPECT_EQ(wizard.Window(), ::Setup.WizardWindow) << "owner of messages shown during the dialog's life";

    char windows[MAX_PATH] = {};
    ASSERT_NE(0u, GetWindowsDirectoryA(windows, sizeof windows));
    char expected[MAX_PATH];
    std::snprintf(expected, sizeof expected, "%c:\\Vocalith", windows[0]);
    EXPECT_EQ(expected, wizard.Text(IDC_INSTALL_DIR));
    EXPECT_EQ(wizard.Item(IDC_INSTALL_DIR), GetFocus()) << "the first tab stop has the focus";

    EXPECT_TRUE(wizard.Checked(IDC_DESKTOP_ICON));
    EXPECT_FALSE(wizard.Checked(IDC_AUTOSTART));
    EXPECT_FALSE(wizard.Checked(IDC_ENGLISH));
    EXPECT_FALSE(wizard.Visible(IDC_BACK));
    EXPECT_FALSE(wizard.Enabled(IDC_BACK));
    ExpectPage(wizard, 0, false, __LINE__);

    HWND list = wizard.Item(IDC_LANGUAGE);
    ASSERT_EQ(3, SendMessageA(list, CB_GETCOUNT, 0, 0));
    const char* names[] = {"English", "Chinese(Simplified)", "Chinese(Traditional)"};
    for (int i = 0; i < 3; ++i) {
        char name[64] = {};
        SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(name));
        EXPECT_STREQ(names[i], name);
        EXPECT_EQ(i, SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(i), 0));
    }
    EXPECT_EQ(0, SendMessageA(list, CB_GETCURSEL, 0, 0));

    EXPECT_EQ(reinterpret_cast<LRESULT>(::Setup.WizardIcon), SendMessageA(wizard.Window(), WM_GETICON, ICON_BIG, 0));
    EXPECT_EQ(reinterpret_cast<LRESULT>(::Setup.WizardIcon), SendMessageA(wizard.Window(), WM_GETICON, ICON_SMALL, 0));
    EXPECT_NE(nullptr, ::Setup.WizardIcon);
}

TEST(WizardSetUp, OptionCheckBoxesAreSubclassed)
{
    WizardWindow wizard;
    for (int id : {IDC_DESKTOP_ICON, IDC_AUTOSTART})
        EXPECT_EQ(reinterpret_cast<LONG_PTR>(CheckBoxProc), GetWindowLongPtrA(wizard.Item(id), GWLP_WNDPROC)) << id;
    // The kept procedure is the button class's own: the English box was never subclassed.
    ASSERT_NE(nullptr, ::Setup.ButtonClassProc);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(::Setup.ButtonClassProc),
              GetWindowLongPtrA(wizard.Item(IDC_ENGLISH), GWLP_WNDPROC));
    // The check boxes still work as buttons through the kept procedure.
    SendMessageA(wizard.Item(IDC_AUTOSTART), BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_TRUE(wizard.Checked(IDC_AUTOSTART));
}

TEST(WizardPages, NextNextBackAndTheLicenceSwitch)
{
    WizardWindow wizard;
    wizard.Command(IDC_BACK);
    EXPECT_EQ(0, ::Setup.WizardPage) << "Back on the first page does nothing";

    wizard.Command(IDC_NEXT);
    EXPECT_EQ(1, ::Setup.WizardPage);
    ExpectPage(wizard, 1, false, __LINE__);

    wizard.Command(IDC_NEXT);
    EXPECT_EQ(2, ::Setup.WizardPage);
    EXPECT_TRUE(wizard.Checked(IDC_ENGLISH)) << "Next from the language page checks English";
    ExpectPage(wizard, 2, true, __LINE__);
    EXPECT_EQ(1, ::Setup.LicenceLoaded);
    EXPECT_EQ(FixtureEnglishLicence, wizard.Text(IDC_LICENCE_EN));
    EXPECT_EQ((std::vector<std::string>{"first line", "", "third a\nb", "last without CR"}),
              ListLines(wizard.Item(IDC_LICENCE_CN)));
    EXPECT_EQ(23, SendMessageA(wizard.Item(IDC_LICENCE_CN), LB_GETITEMHEIGHT, 0, 0));

    // A click on the box: the button toggles itself, then reports the command.
    SendMessageA(wizard.Item(IDC_ENGLISH), BM_SETCHECK, BST_UNCHECKED, 0);
    wizard.Command(IDC_ENGLISH);
    EXPECT_EQ(2, ::Setup.WizardPage);
    ExpectPage(wizard, 2, false, __LINE__);

    wizard.Command(IDC_BACK);
    EXPECT_EQ(1, ::Setup.WizardPage);
    ExpectPage(wizard, 1, false, __LINE__);
    wizard.Command(IDC_NEXT, BN_DOUBLECLICKED);  // notification codes are not examined
    EXPECT_EQ(2, ::Setup.WizardPage);
    ExpectPage(wizard, 2, true, __LINE__);
    EXPECT_EQ(4, SendMessageA(wizard.Item(IDC_LICENCE_CN), LB_GETCOUNT, 0, 0)) << "loaded once only";

    wizard.Command(IDC_BACK);
    wizard.Command(IDC_BACK);
    EXPECT_EQ(0, ::Setup.WizardPage);
    ExpectPage(wizard, 0, true, __LINE__);
}

TEST(WizardPages, BackAfterARefusedFolder)
{
    WizardWindow wizard;
    wizard.Command(IDC_NEXT);
    wizard.Command(IDC_NEXT);
    ::Setup.WizardPage = 99;  // what the install command leaves after refusing the folder
    wizard.Command(IDC_BACK);
    EXPECT_EQ(98, ::Setup.WizardPage);
    ExpectPage(wizard, 98, true, __LINE__);  // like the options page, with Back on

    ::Setup.WizardPage = 3;
    wizard.Command(IDC_BACK);
    EXPECT_EQ(2, ::Setup.WizardPage);
    ExpectPage(wizard, 2, true, __LINE__);
}

TEST(WizardPages, CancelEscapeAndCloseQuit)
{
    for (UINT how : {0u, 1u, 2u}) {
        WizardWindow wizard;
        if (how == 0) wizard.Command(IDCANCEL);
        if (how == 1) {
            // The dialog manager posts command 2 for it.
            SendMessageA(wizard.Window(), WM_CLOSE, 0, 0);
            MSG message;
            while (PeekMessageA(&message, wizard.Window(), 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        }
        if (how == 2) {
            MSG escape{wizard.Item(IDC_INSTALL_DIR), WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
            IsDialogMessageA(wizard.Window(), &escape);
        }
        EXPECT_EQ(PageQuit, ::Setup.WizardPage) << how;
    }
}

TEST(WizardPages, MeasuresOnlyTheChineseLicenceLines)
{
    WizardWindow wizard;
    // Called directly: through the dialog manager the procedure's answer is not the message result.
    MEASUREITEMSTRUCT other{ODT_BUTTON, IDC_NEXT, 0, 77, 88, 0};
    EXPECT_EQ(FALSE, WizardDlgProc(wizard.Window(), WM_MEASUREITEM, IDC_NEXT, reinterpret_cast<LPARAM>(&other)));
    EXPECT_EQ(77u, other.itemWidth);
    EXPECT_EQ(88u, other.itemHeight);

    MEASUREITEMSTRUCT licence{ODT_LISTBOX, IDC_LICENCE_CN, 0, 77, 88, 0};
    EXPECT_EQ(TRUE, WizardDlgProc(wizard.Window(), WM_MEASUREITEM, IDC_LICENCE_CN, reinterpret_cast<LPARAM>(&licence)));
    EXPECT_EQ(1024u, licence.itemWidth);
    EXPECT_EQ(23u, licence.itemHeight);
}

TEST(WizardPages, ALicenceThatDoesNotInflateStopsTheDisplay)
{
    WizardWindow wizard;
    wizard.Command(IDC_NEXT);
    // A module without the licence items.
    ::Setup.ModuleInstance = GetModuleHandleA("kernel32.dll");
    wizard.Command(IDC_NEXT);
    EXPECT_EQ(2, ::Setup.WizardPage);
    EXPECT_EQ(0, ::Setup.LicenceLoaded);
    EXPECT_TRUE(wizard.Visible(IDC_ENGLISH));
    EXPECT_FALSE(wizard.Visible(IDC_LICENCE_EN));
    EXPECT_FALSE(wizard.Visible(IDC_LICENCE_CN));

    // The next display of the page tries again.
    ::Setup.ModuleInstance = GetModuleHandleA(nullptr);
    wizard.Command(IDC_ENGLISH);
    EXPECT_EQ(1, ::Setup.LicenceLoaded);
    ExpectPage(wizard, 2, true, __LINE__);
    EXPECT_EQ(4, SendMessageA(wizard.Item(IDC_LICENCE_CN), LB_GETCOUNT, 0, 0));
}

TEST(WizardPages, ALoadStoppedAfterTheChineseLinesDoesNotRepeatThem)
{
    HMODULE chineseOnly = LoadLibraryA(BesideThisProgram("shella_probe.dll").c_str());
    ASSERT_NE(nullptr, chineseOnly);

    WizardWindow wizard;
    wizard.Command(IDC_NEXT);
    ::Setup.ModuleInstance = chineseOnly;
    wizard.Command(IDC_NEXT);
    EXPECT_EQ(0, ::Setup.LicenceLoaded);
    EXPECT_EQ(4, SendMessageA(wizard.Item(IDC_LICENCE_CN), LB_GETCOUNT, 0, 0));

    ::Setup.ModuleInstance = GetModuleHandleA(nullptr);
    wizard.Command(IDC_ENGLISH);
    EXPECT_EQ(1, ::Setup.LicenceLoaded);
    EXPECT_EQ((std::vector<std::string>{"first line", "", "third a\nb", "last without CR"}),
              ListLines(wizard.Item(IDC_LICENCE_CN)));
    FreeLibrary(chineseOnly);
}

}  // namespace
