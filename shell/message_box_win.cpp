// The bilingual modal message box on template 112: ShowMessage and its dialog procedure.
#include "shell/message_box_win.h"

#include <cstdio>
#include <cstring>

#include "render/mixed_text_win.h"
#include "render/owner_draw_win.h"
#include "resources/resource_ids.h"
#include "shell/message_layout.h"
#include "shell/setup_state_win.h"

namespace {

// The box being opened: written by ShowMessage, read only while the box initialises.
struct MessageBoxFields {
    int Kind;
    char English[128];
};

MessageBoxFields MessageBoxState;

// The box window's own DC as the platform hands it out, released on every path.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc()
    {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

BoxSize ToBoxSize(SIZE size) { return {static_cast<int>(size.cx), static_cast<int>(size.cy)}; }

MessageLayoutInput GatherLayoutInput(HWND window, const char* chinese)
{
    MessageLayoutInput input{};
    input.Kind = MessageBoxState.Kind;
    input.ChineseLength = std::strlen(chinese);
    const char* english = MessageBoxState.English;
    input.HasEnglish = english[0] != '\0';
    {
        // Both lines are measured on the window's DC with no font selected.
        WindowDc dc(window);
        input.Chinese = ToBoxSize(MeasureMixedText(dc.Get(), chinese));
        SIZE extent{};
        if (input.HasEnglish && GetTextExtentPointA(dc.Get(), english, static_cast<int>(std::strlen(english)), &extent))
            input.English = ToBoxSize(extent);
    }
    const int first = input.Kind == MessageYesNo ? IDYES : IDOK;
    if (HWND button = GetDlgItem(window, first)) {
        RECT client{};
        GetClientRect(button, &client);
        input.HasFirstButton = true;
        input.FirstButton = {client.right - client.left, client.bottom - client.top};
    }
    input.DialogFrame = GetSystemMetrics(SM_CXDLGFRAME);
    input.CaptionHeight = GetSystemMetrics(SM_CYCAPTION);
    input.Screen = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return input;
}

void PlaceLine(HWND line, const char* text, const RECT& client, TextBand band)
{
    SetWindowTextA(line, text);
    MoveWindow(line, client.left, band.Top, client.right, band.Height, TRUE);
}

BOOL OnInitDialog(HWND window, const char* chinese)
{
    const MessageLayout layout = LayOutMessageBox(GatherLayoutInput(window, chinese));
    const BoxPlacement& frame = layout.Window;
    SetWindowPos(window, nullptr, frame.X, frame.Y, frame.Width, frame.Height, SWP_NOZORDER);

    RECT client{};
    GetClientRect(window, &client);
    for (int i = 0; i < layout.ButtonCount; ++i) {
        const PlacedButton& button = layout.Buttons[i];
        HWND control = GetDlgItem(window, button.Id);
        ShowWindow(control, SW_SHOW);
        MoveWindow(control, button.Place.X, button.Place.Y, button.Place.Width, button.Place.Height, TRUE);
    }

    PlaceLine(GetDlgItem(window, IDC_MSG_TEXT), chinese, client, layout.ChineseLine);
    HWND english = GetDlgItem(window, IDC_MSG_ENGLISH);
    if (layout.ShowEnglish)
        PlaceLine(english, MessageBoxState.English, client, layout.EnglishLine);
    else
        ShowWindow(english, SW_HIDE);
    return TRUE;
}

BOOL OnCommand(HWND window, int id)
{
    if (EndsMessageBox(id)) EndDialog(window, id);
    return FALSE;
}

}  // namespace

int ShowMessage(const char* chinese, const char* english, int kind, HWND parent)
{
    MessageBoxState.Kind = kind;
    // The line holds at most 127 bytes; a longer one is cut there.
    std::snprintf(MessageBoxState.English, sizeof MessageBoxState.English, "%s", english ? english : "");
    return static_cast<int>(DialogBoxParamA(Setup.ModuleInstance, MAKEINTRESOURCEA(IDD_MESSAGE), parent,
                                            MessageDlgProc, reinterpret_cast<LPARAM>(chinese)));
}

INT_PTR CALLBACK MessageDlgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DRAWITEM:
        DrawOwnerControl(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_INITDIALOG:
        return OnInitDialog(window, reinterpret_cast<const char*>(lParam));
    case WM_COMMAND:
        return OnCommand(window, LOWORD(wParam));
    default:
        return FALSE;
    }
}
