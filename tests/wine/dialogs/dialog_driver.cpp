// Answers the dialogs that a call under test opens, from inside their modal loops.
#include "dialog_driver.h"

#include <deque>
#include <set>

namespace {

struct DriverState {
    DialogDriver::Handler Handler;
    HHOOK Hook = nullptr;
    std::set<HWND> Known;
    std::deque<HWND> Pending;
    int Seen = 0;
};

DriverState* Active = nullptr;

bool IsDialogWindow(HWND window)
{
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return std::string(name) == "#32770";
}

BOOL CALLBACK RememberWindow(HWND window, LPARAM)
{
    Active->Known.insert(window);
    return TRUE;
}

// Runs from the dialog's own modal loop, after its initialisation.
void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    if (!Active || Active->Pending.empty()) return;
    HWND dialog = Active->Pending.front();
    Active->Pending.pop_front();
    if (!IsWindow(dialog)) return;
    ++Active->Seen;
    Active->Handler(dialog);
}

LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam)
{
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && Active && IsDialogWindow(window) && Active->Known.insert(window).second) {
        Active->Pending.push_back(window);
        SetTimer(nullptr, 0, 10, OnTimer);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

DialogDriver::DialogDriver(Handler handler)
{
    Active = new DriverState;
    Active->Handler = std::move(handler);
    EnumThreadWindows(GetCurrentThreadId(), RememberWindow, 0);
    Active->Hook = SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
}

DialogDriver::~DialogDriver()
{
    UnhookWindowsHookEx(Active->Hook);
    delete Active;
    Active = nullptr;
}

int DialogDriver::DialogsSeen() const { return Active->Seen; }

std::string WindowText(HWND window)
{
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ItemText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

RECT ChildRect(HWND child)
{
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void PostCommand(HWND dialog, int id) { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
