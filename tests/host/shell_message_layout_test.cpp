// The message box layout against the worked figures and the rules at its edges.
#include <gtest/gtest.h>

#include "shell/message_layout.h"
#include "shell/messages.h"

namespace {

// First button 110 x 29, frame 3, caption 19, screen 800 x 600, a 24-byte Chinese line 192 wide
// and an English line 126 x 16.
MessageLayoutInput Example(int kind)
{
    MessageLayoutInput input{};
    input.Chinese = {192, 16};
    input.English = {126, 16};
    input.HasEnglish = true;
    input.HasFirstButton = true;
    input.FirstButton = {110, 29};
    input.DialogFrame = 3;
    input.CaptionHeight = 19;
    input.Screen = {800, 600};
    input.Kind = kind;
    input.ChineseLength = 24;
    return input;
}

void ExpectPlacement(const BoxPlacement& actual, int x, int y, int width, int height)
{
    EXPECT_EQ(x, actual.X);
    EXPECT_EQ(y, actual.Y);
    EXPECT_EQ(width, actual.Width);
    EXPECT_EQ(height, actual.Height);
}

TEST(MessageLayout, SingleOkButtonCentredOnContent)
{
    const MessageLayout layout = LayOutMessageBox(Example(MessageOk));
    ExpectPlacement(layout.Window, 272, 216, 256, 186);
    ASSERT_EQ(1, layout.ButtonCount);
    EXPECT_EQ(1, layout.Buttons[0].Id);
    ExpectPlacement(layout.Buttons[0].Place, 73, 109, 110, 29);
    EXPECT_EQ(10, layout.ChineseLine.Top);
    EXPECT_EQ(48, layout.ChineseLine.Height);
    EXPECT_TRUE(layout.ShowEnglish);
    EXPECT_EQ(63, layout.EnglishLine.Top);
    EXPECT_EQ(32, layout.EnglishLine.Height);
}

TEST(MessageLayout, OkCancelWindowWidenedButPlacedByContent)
{
    const MessageLayout layout = LayOutMessageBox(Example(MessageOkCancel));
    // Three buttons wide, yet its left edge and the buttons follow the 256-pixel content.
    ExpectPlacement(layout.Window, 272, 216, 330, 186);
    ASSERT_EQ(2, layout.ButtonCount);
    EXPECT_EQ(1, layout.Buttons[0].Id);
    ExpectPlacement(layout.Buttons[0].Place, 0, 124, 110, 29);
    EXPECT_EQ(2, layout.Buttons[1].Id);
    ExpectPlacement(layout.Buttons[1].Place, 146, 124, 110, 29);
    EXPECT_EQ(10, layout.ChineseLine.Top);
    EXPECT_EQ(63, layout.EnglishLine.Top);
}

TEST(MessageLayout, ButtonPairByKind)
{
    struct Case {
        int Kind;
        int First;
        int Second;
    };
    for (const Case& c : {Case{MessageOkCancel, 1, 2}, Case{2, 1, 2}, Case{3, 1, 2}, Case{-1, 1, 2},
                          Case{MessageYesNo, 6, 7}}) {
        SCOPED_TRACE(c.Kind);
        const MessageLayout layout = LayOutMessageBox(Example(c.Kind));
        const MessageLayout okCancel = LayOutMessageBox(Example(MessageOkCancel));
        ASSERT_EQ(2, layout.ButtonCount);
        EXPECT_EQ(c.First, layout.Buttons[0].Id);
        EXPECT_EQ(c.Second, layout.Buttons[1].Id);
        ExpectPlacement(layout.Window, okCancel.Window.X, okCancel.Window.Y, okCancel.Window.Width,
                        okCancel.Window.Height);
        EXPECT_EQ(okCancel.Buttons[1].Place.X, layout.Buttons[1].Place.X);
    }
}

TEST(MessageLayout, NoEnglishLine)
{
    MessageLayoutInput input = Example(MessageOk);
    input.HasEnglish = false;
    input.English = {0, 0};
    const MessageLayout layout = LayOutMessageBox(input);
    EXPECT_FALSE(layout.ShowEnglish);
    // H = 3 x (16 + 29); W from the Chinese line, frame and margins: 192 + 6 + 58.
    ExpectPlacement(layout.Window, (800 - 256) / 2, (600 - 135) / 2, 256, 135 + 19);
    ExpectPlacement(layout.Buttons[0].Place, 73, 135 - 58, 110, 29);
}

TEST(MessageLayout, UnmeasuredEnglishLineStillShownWithNoHeight)
{
    MessageLayoutInput input = Example(MessageOk);
    input.English = {0, 0};
    const MessageLayout layout = LayOutMessageBox(input);
    EXPECT_TRUE(layout.ShowEnglish);
    EXPECT_EQ(0, layout.EnglishLine.Height);
    EXPECT_EQ(135 + 19, layout.Window.Height);
}

TEST(MessageLayout, SideMarginsUpToEightyBytes)
{
    MessageLayoutInput input = Example(MessageOk);
    input.Chinese = {640, 16};
    input.ChineseLength = 80;
    EXPECT_EQ(640 + 6 + 58, LayOutMessageBox(input).Window.Width);
    input.ChineseLength = 81;
    const MessageLayout layout = LayOutMessageBox(input);
    EXPECT_EQ(646, layout.Window.Width);
    EXPECT_EQ((800 - 646) / 2, layout.Window.X);
}

TEST(MessageLayout, NarrowContentOkCentredOnContentNotWindow)
{
    MessageLayoutInput input = Example(MessageOk);
    input.Chinese = {32, 16};
    input.English = {20, 16};
    input.ChineseLength = 4;
    // W = 32 + 6 + 58 = 96, below 2 x 110.
    const MessageLayout layout = LayOutMessageBox(input);
    EXPECT_EQ(220, layout.Window.Width);
    EXPECT_EQ((800 - 96) / 2, layout.Window.X);
    EXPECT_EQ((96 - 110) / 2, layout.Buttons[0].Place.X);  // -7: truncated toward zero
}

TEST(MessageLayout, MissingFirstButtonUsesFallbackSize)
{
    MessageLayoutInput input = Example(MessageOkCancel);
    input.HasFirstButton = false;
    input.FirstButton = {999, 999};
    const MessageLayout layout = LayOutMessageBox(input);
    // bw 82, bh 12: W = 198 + 24 = 222, H = 3 x 28 + 32 = 116.
    ExpectPlacement(layout.Window, (800 - 222) / 2, (600 - 116) / 2, 246, 116 + 19);
    ExpectPlacement(layout.Buttons[0].Place, (222 - 191) / 2, 116 - 18, 82, 12);
    EXPECT_EQ(15 + 109, layout.Buttons[1].Place.X);
}

TEST(MessageLayout, CommandsThatEndTheBox)
{
    for (int id = -1; id < 1100; ++id) {
        const bool ends = id == 1 || id == 2 || id == 6 || id == 7;
        EXPECT_EQ(ends, EndsMessageBox(id)) << id;
    }
}

}  // namespace
