// The wizard's page table, command transitions, language names and licence line splitter.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "shell/licence_lines.h"
#include "shell/wizard_pages.h"
#include "shell/wizard_state.h"

namespace {

// Visibility of every page-dependent control for one displayed page; '-' keeps its state.
struct PageCase {
    int Page;
    int WizardPage;
    bool EnglishChecked;
    // In the order: 1010, options (1004 1005 1002 1006 1003), language (1017 1018), 1014, 1019, Back.
    const char* Expected;
};

char VisibilityOf(int page, int wizardPage, bool englishChecked, int controlId)
{
    for (int i = 0; i < PageTableSize; ++i) {
        if (PageTable[i].ControlId != controlId) continue;
        const ControlChange change = ResolvePageControl(PageTable[i], page, wizardPage, englishChecked);
        if (!change.Applies) return '-';
        if (change.SetsEnabled && change.Enabled != change.Visible) return '?';
        return change.Visible ? 'S' : 'H';
    }
    return 'x';
}

std::string Visibilities(const PageCase& c)
{
    const int ids[] = {IDC_ENGLISH,       IDC_DESKTOP_ICON, IDC_AUTOSTART,  IDC_INSTALL_DIR,
                       IDC_INSTALL_DIR_LABEL, IDC_BROWSE,   IDC_LANGUAGE_LABEL, IDC_LANGUAGE,
                       IDC_LICENCE_EN,    IDC_LICENCE_CN,   IDC_BACK};
    std::string out;
    for (const int id : ids) out += VisibilityOf(c.Page, c.WizardPage, c.EnglishChecked, id);
    return out;
}

TEST(ShellWizardPages, EachPageShowsItsControls)
{
    const PageCase cases[] = {
        {0, 0, false, "HSSSSSHHHHH"},
        {1, 1, false, "HHHHHHSSHHS"},
        {2, 2, true, "SHHHHHHHSHS"},
        {2, 2, false, "SHHHHHHHHSS"},
        {1, 2, false, "HHHHHHSSHHS"},   // Back from the licence page
        {98, 98, false, "HSSSSSHHHHS"},  // Back after a refused folder: like page 0, Back on
        {3, 3, true, "HSSSSSHHHHS"},
        {2, 99, true, "SHHHHHHHSH-"},    // installing: Back keeps what the install command made it
        {0, -1, false, "HSSSSSHHHH-"},
    };
    for (const PageCase& c : cases)
        EXPECT_EQ(c.Expected, Visibilities(c)) << "page " << c.Page << " WizardPage " << c.WizardPage;
}

TEST(ShellWizardPages, OnlyTheLicencePageWaitsForTheTexts)
{
    for (int page : {-1, 0, 1, 3, 98, 99}) EXPECT_FALSE(PageNeedsLicence(page)) << page;
    EXPECT_TRUE(PageNeedsLicence(2));
    // The licence controls and Back are applied after the texts are loaded, everything else before.
    for (int i = 0; i < PageTableSize; ++i) {
        const int id = PageTable[i].ControlId;
        const bool after = id == IDC_LICENCE_EN || id == IDC_LICENCE_CN || id == IDC_BACK;
        EXPECT_EQ(after, PageTable[i].AfterLicenceLoad) << id;
    }
}

TEST(ShellWizardCommands, Transitions)
{
    struct CommandCase {
        int Id, Page;
        CommandAction Action;
        int NewPage;
        bool CheckEnglish;
    } cases[] = {
        {IDC_BACK, 0, CommandAction::None, 0, false},
        {IDC_BACK, 1, CommandAction::MovePage, 0, false},
        {IDC_BACK, 2, CommandAction::MovePage, 1, false},
        {IDC_BACK, 99, CommandAction::MovePage, 98, false},
        {IDC_BACK, 3, CommandAction::MovePage, 2, false},
        {IDC_NEXT, 0, CommandAction::MovePage, 1, false},
        {IDC_NEXT, 1, CommandAction::MovePage, 2, true},
        {IDC_NEXT, 2, CommandAction::Install, 2, false},
        {IDC_NEXT, 98, CommandAction::Install, 98, false},
        {IDC_NEXT, 99, CommandAction::Install, 99, false},
        {IDCANCEL, 0, CommandAction::Quit, PageQuit, false},
        {IDCANCEL, 99, CommandAction::Quit, PageQuit, false},
        {IDC_BROWSE, 0, CommandAction::Browse, 0, false},
        {IDC_DESKTOP_ICON, 0, CommandAction::RepaintControl, 0, false},
        {IDC_AUTOSTART, 0, CommandAction::RepaintControl, 0, false},
        {IDC_ENGLISH, 2, CommandAction::DisplayPage, 2, false},
        {IDC_ENGLISH, 99, CommandAction::DisplayPage, 2, false},
        {IDOK, 1, CommandAction::None, 1, false},  // Enter through the dialog manager
        {IDC_LANGUAGE, 1, CommandAction::None, 1, false},
        {IDC_INSTALL_DIR, 0, CommandAction::None, 0, false},
    };
    for (const CommandCase& c : cases) {
        const CommandStep step = DecideCommand(c.Id, c.Page);
        EXPECT_EQ(c.Action, step.Action) << c.Id << " at " << c.Page;
        if (step.Action == CommandAction::MovePage || step.Action == CommandAction::Quit ||
            step.Action == CommandAction::DisplayPage) {
            EXPECT_EQ(c.NewPage, step.NewPage) << c.Id << " at " << c.Page;
        }
        EXPECT_EQ(c.CheckEnglish, step.CheckEnglishFirst) << c.Id << " at " << c.Page;
    }
}

TEST(ShellWizardLanguages, NamesAndOfferedValues)
{
    EXPECT_STREQ("English", UiLanguageName(0));
    EXPECT_STREQ("Chinese(Simplified)", UiLanguageName(1));
    EXPECT_STREQ("Chinese(Traditional)", UiLanguageName(2));
    EXPECT_STREQ("German", UiLanguageName(3));
    EXPECT_STREQ("", UiLanguageName(4));
    EXPECT_STREQ("", UiLanguageName(-1));
    EXPECT_EQ((std::vector<int>{0, 1, 2}),
              std::vector<int>(std::begin(OfferedUiLanguages), std::end(OfferedUiLanguages)));
}

std::vector<std::string> Split(std::string text)
{
    std::vector<char> bytes(text.begin(), text.end());
    bytes.push_back('\0');
    const char* lines[LicenceLineLimit];
    const int count = SplitLicenceLines(bytes.data(), lines, LicenceLineLimit);
    return std::vector<std::string>(lines, lines + count);
}

using Lines = std::vector<std::string>;

TEST(ShellWizardLicenceLines, SplitsAtCarriageReturns)
{
    struct SplitCase {
        const char* Name;
        std::string Text;
        Lines Expected;
    } cases[] = {
        {"CR LF", "one\r\ntwo\r\n", {"one", "two"}},
        {"lone CR", "one\rtwo\r", {"one", "two"}},
        {"LF inside a line stays", "a\nb\r\nc\r\n", {"a\nb", "c"}},
        {"only one LF is skipped", "a\r\n\nb\r\n", {"a", "\nb"}},
        {"empty lines", "\r\n\r\nx\r\n\r\n", {"", "", "x", ""}},
        {"no CR at all", "just one line", {"just one line"}},
        {"last line without CR", "one\r\ntwo", {"one", "two"}},
        {"empty text", "", {}},
        {"GB2312 bytes", "\xD0\xED\xBF\xC9\r\n\xCC\xF5\xBF\xEE", {"\xD0\xED\xBF\xC9", "\xCC\xF5\xBF\xEE"}},
    };
    for (const SplitCase& c : cases) EXPECT_EQ(c.Expected, Split(c.Text)) << c.Name;
}

TEST(ShellWizardLicenceLines, StopsAtFiveHundredLines)
{
    std::string text;
    for (int i = 0; i < 600; ++i) text += "line " + std::to_string(i) + "\r\n";
    const Lines lines = Split(text);
    ASSERT_EQ(500u, lines.size());
    EXPECT_EQ("line 0", lines.front());
    EXPECT_EQ("line 499", lines.back());

    // A 501st line without CR is dropped as well.
    std::string exact;
    for (int i = 0; i < 500; ++i) exact += "x\r\n";
    EXPECT_EQ(500u, Split(exact + "tail").size());
}

}  // namespace
