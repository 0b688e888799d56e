// The bilingual message box as the platform builds it from template 112.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "render/mixed_text_win.h"
#include "resources/resource_ids.h"
#include "shell/message_box_win.h"
#include "shell/message_layout.h"
#include "shell/setup_state_win.h"

namespace {

struct ChildSeen {
    bool Visible;
    RECT Rect;
    std::string Text;
};

// What a box looked like once initialised, and the platform values its layout came from.
struct BoxSeen {
    RECT Window;
    RECT Client;
    ChildSeen Buttons[4];  // ids 1, 2, 6, 7
    ChildSeen Chinese;
    ChildSeen English;
    MessageLayoutInput Input;
};

constexpr int ButtonIds[4] = {IDOK, IDCANCEL, IDYES, IDNO};

ChildSeen SeeChild(HWND dialog, int id)
{
    HWND child = GetDlgItem(dialog, id);
    return {IsWindowVisible(child) != FALSE, ChildRect(child), WindowText(child)};
}

// Measures the texts as the box does: on the box's own DC, no font selected.
BoxSeen See(HWND box, const char* chinese, const std::string& english, int kind)
{
    BoxSeen seen{};
    GetWindowRect(box, &seen.Window);
    GetClientRect(box, &seen.Client);
    for (int i = 0; i < 4; ++i) seen.Buttons[i] = SeeChild(box, ButtonIds[i]);
    seen.Chinese = SeeChild(box, IDC_MSG_TEXT);
    seen.English = SeeChild(box, IDC_MSG_ENGLISH);

    MessageLayoutInput& in = seen.Input;
    HDC dc = GetDC(box);
    const SIZE cn = MeasureMixedText(dc, chinese);
    in.Chinese = {static_cast<int>(cn.cx), static_cast<int>(cn.cy)};
    SIZE en{};
    if (!english.empty()) GetTextExtentPointA(dc, english.c_str(), static_cast<int>(english.size()), &en);
    in.English = {static_cast<int>(en.cx), static_cast<int>(en.cy)};
    ReleaseDC(box, dc);
    in.HasEnglish = !english.empty();
    RECT button{};
    GetClientRect(GetDlgItem(box, kind == MessageYesNo ? IDYES : IDOK), &button);
    in.HasFirstButton = true;
    in.FirstButton = {static_cast<int>(button.right), static_cast<int>(button.bottom)};
    in.DialogFrame = GetSystemMetrics(SM_CXDLGFRAME);
    in.CaptionHeight = GetSystemMetrics(SM_CYCAPTION);
    in.Screen = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    in.Kind = kind;
    in.ChineseLength = std::strlen(chinese);
    return seen;
}

void ExpectRect(const RECT& actual, const BoxPlacement& expected)
{
    EXPECT_EQ(expected.X, actual.left);
    EXPECT_EQ(expected.Y, actual.top);
    EXPECT_EQ(expected.Width, actual.right - actual.left);
    EXPECT_EQ(expected.Height, actual.bottom - actual.top);
}

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override { ::Setup.ModuleInstance = GetModuleHandleA(nullptr); }
};

TEST_F(MessageBoxTest, LaidOutByTheLayoutRulesFromRealMetrics)
{
    const std::string longEnglish(140, 'e');
    std::string chinese80;
    for (int i = 0; i < 40; ++i) chinese80 += "\xb0\xa1";
    const std::string chinese81 = chinese80 + ".";  // too long for the side margins
    struct Case {
        const char* Chinese;
        const char* English;  // may be null
        int Kind;
    };
    const Case cases[] = {
        {OutOfMemoryMessage.Chinese, OutOfMemoryMessage.English, MessageOk},
        {PackageQuestionMessage.Chinese, PackageQuestionMessage.English, MessageOkCancel},
        {FolderRefusedMessage.Chinese, FolderRefusedMessage.English, MessageYesNo},
        {SuccessMessage.Chinese, nullptr, MessageOk},
        {SuccessMessage.Chinese, "", 3},
        {chinese80.c_str(), FailureMessage.English, MessageOk},
        {chinese81.c_str(), FailureMessage.English, MessageOkCancel},
        {"", longEnglish.c_str(), MessageOk},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.English ? c.English : "(null)").substr(0, 20) + " kind " + std::to_string(c.Kind));
        const std::string english = std::string(c.English ? c.English : "").substr(0, 127);
        BoxSeen seen{};
        int result = 0;
        {
            DialogDriver driver([&](HWND box) {
                seen = See(box, c.Chinese, english, c.Kind);
                PostCommand(box, IDOK);
            });
            result = ShowMessage(c.Chinese, c.English, c.Kind, nullptr);
            EXPECT_EQ(1, driver.DialogsSeen());
        }
        EXPECT_EQ(IDOK, result);

        const MessageLayout layout = LayOutMessageBox(seen.Input);
        ExpectRect(seen.Window, layout.Window);
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(ButtonIds[i]);
            const PlacedButton* placed = nullptr;
            for (int b = 0; b < layout.ButtonCount; ++b)
                if (layout.Buttons[b].Id == ButtonIds[i]) placed = &layout.Buttons[b];
            EXPECT_EQ(placed != nullptr, seen.Buttons[i].Visible);
            if (placed) ExpectRect(seen.Buttons[i].Rect, placed->Place);
        }
        const int clientWidth = seen.Client.right;
        EXPECT_EQ(c.Chinese, seen.Chinese.Text);
        ExpectRect(seen.Chinese.Rect, {0, layout.ChineseLine.Top, clientWidth, layout.ChineseLine.Height});
        EXPECT_EQ(!english.empty(), seen.English.Visible);
        if (!english.empty()) {
            EXPECT_EQ(english, seen.English.Text);
            ExpectRect(seen.English.Rect, {0, layout.EnglishLine.Top, clientWidth, layout.EnglishLine.Height});
        }
    }
}

TEST_F(MessageBoxTest, EnglishLineOverLimitIsCutAt127Bytes)
{
    std::string english;
    for (int i = 0; english.size() < 300; ++i) english += std::to_string(i % 10);
    std::string shown;
    {
        DialogDriver driver([&](HWND box) {
            shown = ItemText(box, IDC_MSG_ENGLISH);
            PostCommand(box, IDOK);
        });
        ShowMessage(SuccessMessage.Chinese, english.c_str(), MessageOk, nullptr);
    }
    EXPECT_EQ(english.substr(0, 127), shown);
}

TEST_F(MessageBoxTest, CommandIdsEndTheBoxWhateverItsKind)
{
    struct Sent {
        UINT Message;
        int Id;
    };
    struct Case {
        int Kind;
        std::vector<Sent> Messages;
        int Result;
    };
    const Case cases[] = {
        {MessageOk, {{WM_COMMAND, IDCANCEL}}, IDCANCEL},
        {MessageOk, {{WM_CLOSE, 0}}, IDCANCEL},  // the close box
        {MessageYesNo, {{WM_COMMAND, IDOK}}, IDOK},
        {MessageOkCancel, {{WM_COMMAND, IDYES}}, IDYES},
        {MessageYesNo, {{WM_COMMAND, IDNO}}, IDNO},
        // Other ids are ignored: the box is still open for the last one.
        {MessageOkCancel, {{WM_COMMAND, 0}, {WM_COMMAND, 3}, {WM_COMMAND, 1013}, {WM_COMMAND, 8}, {WM_COMMAND, IDNO}},
         IDNO},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("kind " + std::to_string(c.Kind) + " result " + std::to_string(c.Result));
        HWND owner = CreateWindowA("STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                                   nullptr);
        DialogDriver driver([&](HWND box) {
            EXPECT_EQ(owner, GetWindow(box, GW_OWNER));
            for (const Sent& sent : c.Messages)
                PostMessageA(box, sent.Message, sent.Message == WM_COMMAND ? MAKEWPARAM(sent.Id, BN_CLICKED) : 0, 0);
        });
        EXPECT_EQ(c.Result, ShowMessage(FailureMessage.Chinese, FailureMessage.English, c.Kind, owner));
        DestroyWindow(owner);
    }
}

}  // namespace
