// The bilingual message box's arithmetic: window, buttons and text lines from measured sizes.
#include "shell/message_layout.h"

#include <algorithm>

#include "resources/resource_ids.h"
#include "shell/messages.h"

namespace {

// Used for the layout when the kind's first button is missing from the template.
constexpr BoxSize FallbackButton = {82, 12};

// Lines of up to 80 bytes get a margin of one button height on each side.
constexpr std::size_t LongestLineWithMargins = 80;

}  // namespace

MessageLayout LayOutMessageBox(const MessageLayoutInput& input)
{
    const bool yesNo = input.Kind == MessageYesNo;
    const bool single = input.Kind == MessageOk;
    const BoxSize button = input.HasFirstButton ? input.FirstButton : FallbackButton;
    const int bw = button.Width;
    const int bh = button.Height;
    const int ch = input.Chinese.Height;
    const int eh = input.English.Height;

    const int minimumWidth = (single ? 2 : 3) * bw;
    int w = std::max(input.Chinese.Width, input.English.Width) + 2 * input.DialogFrame;
    if (input.ChineseLength <= LongestLineWithMargins) w += 2 * bh;
    const int h = 3 * (ch + bh) + 2 * eh;

    MessageLayout layout{};
    // Centred by the content size even when the window comes out wider than that.
    layout.Window = {(input.Screen.Width - w) / 2, (input.Screen.Height - h) / 2, std::max(w, minimumWidth),
                     h + input.CaptionHeight};

    if (single) {
        layout.ButtonCount = 1;
        layout.Buttons[0] = {IDOK, {(w - bw) / 2, h - 2 * bh, bw, bh}};
    } else {
        // Two buttons with a third of a button between them, centred on the content width.
        const int x1 = (w - (7 * bw) / 3) / 2;
        const int y = h - (3 * bh) / 2;
        layout.ButtonCount = 2;
        layout.Buttons[0] = {yesNo ? IDYES : IDOK, {x1, y, bw, bh}};
        layout.Buttons[1] = {yesNo ? IDNO : IDCANCEL, {x1 + (4 * bw) / 3, y, bw, bh}};
    }

    layout.ChineseLine = {(2 * ch) / 3, 3 * ch};
    layout.ShowEnglish = input.HasEnglish;
    layout.EnglishLine = {3 * ch + (2 * ch) / 3 + 5, 2 * eh};
    return layout;
}

bool EndsMessageBox(int commandId)
{
    return commandId == IDOK || commandId == IDCANCEL || commandId == IDYES || commandId == IDNO;
}
