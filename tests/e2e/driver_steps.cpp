// Steps of the e2e driver: run the setup, find its windows, read and press its controls, answer its boxes.
#include "driver_steps.h"

#include <cstdarg>
#include <cstdio>

#include "driver_screen.h"
#include "render/gdi_scope_win.h"
#include "resource_ids.h"

DriverPaths Paths;

namespace {

int failures = 0;
// Cross-process messages: bounded, and never SMTO_ABORTIFHUNG (the setup's busy wait counts as hung).
constexpr UINT MessageWait = 5000;

bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    DWORD_PTR value = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, MessageWait, &value)) return false;
    if (result) *result = static_cast<LRESULT>(value);
    return true;
}

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

}  // namespace

bool Fail(const char* format, ...) {
    ++failures;
    char text[2048];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    printf("FAIL: %s\n", text);
    fflush(stdout);
    return false;
}

bool FailAt(const char* file, int line) {
    printf("      at %s:%d\n", file, line);
    fflush(stdout);
    return false;
}

int FailureCount() { return failures; }

std::string Utf8(const std::wstring& text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? size : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &out[0], size, nullptr, nullptr);
    out.resize(out.size() - 1);
    return out;
}

std::wstring Decode(const std::string& bytes, UINT codePage) {
    int size = MultiByteToWideChar(codePage, 0, bytes.c_str(), -1, nullptr, 0);
    std::wstring out(size > 0 ? size : 1, L'\0');
    MultiByteToWideChar(codePage, 0, bytes.c_str(), -1, &out[0], size);
    out.resize(out.size() - 1);
    return out;
}

namespace {
struct WindowSearch {
    DWORD ProcessId;
    std::vector<HWND> Found;
};
BOOL CALLBACK AddWindowOf(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->ProcessId) search->Found.push_back(window);
    return TRUE;
}
}  // namespace

std::vector<HWND> WindowsOf(DWORD processId) {
    WindowSearch search = {processId, {}};
    EnumWindows(AddWindowOf, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

// ---- the setup process ----

namespace {
int screenCount = 0;
}

SetupRun::~SetupRun() {
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, ShortWait);
    }
    CloseHandle(process_);
}

bool SetupRun::Start(const std::wstring& exe, const std::wstring& currentDirectory) {
    std::wstring commandLine = Quoted(exe);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        currentDirectory.c_str(), &startup, &info))
        return Fail("could not start %s (error %lu)", Utf8(exe).c_str(), GetLastError());
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    return true;
}

HWND SetupRun::FindWindowCaptioned(const wchar_t* caption) const {
    for (HWND window : WindowsOf(processId_)) {
        if (!IsWindowVisible(window)) continue;
        wchar_t seen[256] = L"";
        GetWindowTextW(window, seen, 256);
        if (wcscmp(seen, caption) == 0) return window;
    }
    return nullptr;
}

std::string SetupRun::DescribeWindows() const {
    std::string text;
    for (HWND window : WindowsOf(processId_)) {
        wchar_t caption[256] = L"";
        GetWindowTextW(window, caption, 256);
        text += std::string(" \"") + Utf8(caption) + (IsWindowVisible(window) ? "\"" : "\" (hidden)");
    }
    return text.empty() ? " none" : text;
}

bool SetupRun::WaitWindow(const wchar_t* caption, HWND* window, DWORD timeoutMs) const {
    if (WaitFor(timeoutMs, [&] { return (*window = FindWindowCaptioned(caption)) != nullptr; })) return true;
    return Fail("expected a window \"%s\" within %lu ms; the setup's windows:%s%s", Utf8(caption).c_str(), timeoutMs,
                DescribeWindows().c_str(), HasExited() ? " (the setup has ended)" : "");
}

bool SetupRun::WaitWizard() {
    bool found = WaitFor(LongWait, [&] {
        wizard_ = FindWindowCaptioned(L"Vocalith Installer");
        return wizard_ != nullptr || HasExited();
    });
    if (!found || !wizard_) {
        DWORD code = 0;
        GetExitCodeProcess(process_, &code);
        return Fail("expected the window \"Vocalith Installer\" within %lu ms; seen %s", LongWait,
                    HasExited() ? ("the setup exit with code " + std::to_string(code)).c_str() : "no such window");
    }
    // The dialog answers messages once its start-up is done.
    LRESULT ignored;
    if (!Send(wizard_, WM_NULL, 0, 0, &ignored)) return Fail("the wizard does not answer messages");
    return true;
}

bool SetupRun::HasExited() const { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }

bool SetupRun::WaitExit(DWORD expectedCode, DWORD timeoutMs) {
    if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0)
        return Fail("expected the setup to end within %lu ms; it is still running", timeoutMs);
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    if (code != expectedCode) return Fail("expected exit code %lu, seen %lu", expectedCode, code);
    return true;
}

void SetupRun::Screen(const char* name) {
    RECT area = {};
    bool any = false;
    for (HWND window : WindowsOf(processId_)) {
        RECT r;
        if (!IsWindowVisible(window) || !GetWindowRect(window, &r)) continue;
        if (any) UnionRect(&area, &area, &r);
        else area = r;
        any = true;
    }
    if (!any) {
        printf("note: no window to capture for %s\n", name);
        return;
    }
    // The setup paints in its own time: take the screen once it stays the same for a moment.
    ScreenImage image, previous;
    for (int attempt = 0; attempt < 20; ++attempt) {
        Sleep(150);
        if (!CaptureScreen(area, &image)) break;
        if (attempt > 0 && image.Pixels == previous.Pixels) break;
        previous = image;
    }
    wchar_t file[MAX_PATH];
    swprintf(file, MAX_PATH, L"%ls\\%02d-%ls.png", Paths.ScreensRoot.c_str(), ++screenCount, Decode(name, CP_UTF8).c_str());
    if (image.Pixels.empty() || !SavePng(file, image)) printf("note: could not save %s\n", Utf8(file).c_str());
}

// ---- reading controls ----

std::wstring TextOf(HWND control) {
    LRESULT length = 0;
    if (!control || !Send(control, WM_GETTEXTLENGTH, 0, 0, &length)) return L"<no answer>";
    std::wstring text(length + 1, L'\0');
    LRESULT copied = 0;
    if (!Send(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), &copied)) return L"<no answer>";
    text.resize(copied);
    return text;
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

int CheckStateOf(HWND button) {
    LRESULT state = -1;
    if (!Send(button, BM_GETCHECK, 0, 0, &state)) return -1;
    return static_cast<int>(state);
}

std::vector<ListEntry> ComboEntries(HWND combo) {
    std::vector<ListEntry> entries;
    LRESULT count = 0;
    if (!Send(combo, CB_GETCOUNT, 0, 0, &count)) return entries;
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = 0, data = 0, copied = 0;
        Send(combo, CB_GETLBTEXTLEN, i, 0, &length);
        std::wstring text(length + 1, L'\0');
        // The wide message: the ANSI one returns only the first character across processes under Wine.
        Send(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&text[0]), &copied);
        text.resize(copied > 0 ? copied : 0);
        Send(combo, CB_GETITEMDATA, i, 0, &data);
        entries.push_back({text, data});
    }
    return entries;
}

int ComboSelection(HWND combo) {
    LRESULT selection = -1;
    Send(combo, CB_GETCURSEL, 0, 0, &selection);
    return static_cast<int>(selection);
}

int ListCount(HWND list) {
    LRESULT count = -1;
    Send(list, LB_GETCOUNT, 0, 0, &count);
    return static_cast<int>(count);
}

std::wstring ListText(HWND list, int index) {
    LRESULT length = 0, copied = 0;
    if (!Send(list, LB_GETTEXTLEN, index, 0, &length) || length < 0) return L"<none>";
    std::wstring text(length + 1, L'\0');
    Send(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]), &copied);
    text.resize(copied > 0 ? copied : 0);
    return text;
}

// ---- expectations ----

bool ExpectVisible(HWND dialog, int id, bool visible) {
    HWND control = GetDlgItem(dialog, id);
    if (!control) return Fail("control %d: expected it to exist", id);
    bool seen = IsWindowVisible(control) != FALSE;
    if (seen != visible) return Fail("control %d: expected %s, seen %s", id, visible ? "visible" : "hidden", seen ? "visible" : "hidden");
    return true;
}

bool ExpectEnabled(HWND dialog, int id, bool enabled) {
    bool seen = IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
    if (seen != enabled) return Fail("control %d: expected %s, seen %s", id, enabled ? "enabled" : "disabled", seen ? "enabled" : "disabled");
    return true;
}

bool ExpectChecked(HWND dialog, int id, bool checked) {
    int state = CheckStateOf(GetDlgItem(dialog, id));
    if (state != (checked ? BST_CHECKED : BST_UNCHECKED))
        return Fail("control %d: expected %s, seen state %d", id, checked ? "checked" : "unchecked", state);
    return true;
}

bool ExpectText(HWND dialog, int id, const std::wstring& text) {
    std::wstring seen = TextOf(GetDlgItem(dialog, id));
    if (seen != text) return Fail("control %d: expected text \"%s\", seen \"%s\"", id, Utf8(text).c_str(), Utf8(seen).c_str());
    return true;
}

bool ExpectFocus(HWND dialog, int id) {
    HWND want = GetDlgItem(dialog, id);
    HWND seen = nullptr;
    if (WaitFor(ShortWait, [&] { return (seen = FocusOf(dialog)) == want; })) return true;
    return Fail("expected the keyboard focus on control %d, seen it on %s (id %d)", id,
                seen ? "a window" : "no window", seen ? GetDlgCtrlID(seen) : 0);
}

bool WaitVisible(HWND dialog, int id, bool visible, DWORD timeoutMs, bool settle) {
    HWND control = GetDlgItem(dialog, id);
    if (WaitFor(timeoutMs, [&] { return (IsWindowVisible(control) != FALSE) == visible; })) {
        // A message sent now is handled only once the setup is back in its loop.
        LRESULT ignored;
        if (settle) Send(dialog, WM_NULL, 0, 0, &ignored);
        return true;
    }
    return Fail("control %d: expected it to become %s within %lu ms", id, visible ? "visible" : "hidden", timeoutMs);
}

// ---- input ----

bool Command(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    if (!PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control)))
        return Fail("could not post command %d", id);
    return true;
}

bool ClickButton(HWND dialog, int id) {
    if (!PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0)) return Fail("could not click control %d", id);
    // Let the click be handled before the next step looks.
    LRESULT ignored;
    Send(dialog, WM_NULL, 0, 0, &ignored);
    return true;
}

bool PressKey(HWND target, UINT key) {
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    if (!PostMessageW(target, WM_KEYDOWN, key, scan | 1) ||
        !PostMessageW(target, WM_KEYUP, key, scan | 1 | (1LL << 30) | (1LL << 31)))
        return Fail("could not post key %u", key);
    return true;
}

bool MoveFocus(HWND dialog, int id) {
    PostMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, id)), TRUE);
    return ExpectFocus(dialog, id);
}

bool SetControlText(HWND dialog, int id, const std::wstring& text) {
    LRESULT ok = 0;
    if (!Send(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &ok) || !ok)
        return Fail("could not set the text of control %d", id);
    return true;
}

bool SelectCombo(HWND dialog, int id, int index) {
    LRESULT seen = CB_ERR;
    if (!Send(GetDlgItem(dialog, id), CB_SETCURSEL, index, 0, &seen) || seen != index)
        return Fail("control %d: expected entry %d selected, seen %ld", id, index, static_cast<long>(seen));
    return true;
}

// ---- the message box ----

bool WaitMessageBox(const SetupRun& run, MessageBoxSeen* box, DWORD timeoutMs) {
    *box = MessageBoxSeen();
    if (!run.WaitWindow(L"Tabrel Install Message", &box->Window, timeoutMs)) return false;
    // The box fills its lines while it initialises; wait until it answers messages.
    LRESULT ignored;
    if (!WaitFor(ShortWait, [&] { return Send(box->Window, WM_NULL, 0, 0, &ignored); }))
        return Fail("the message box does not answer messages");
    box->Chinese = TextOf(GetDlgItem(box->Window, IDC_MSG_TEXT));
    box->English = TextOf(GetDlgItem(box->Window, IDC_MSG_ENGLISH));
    printf("box: \"%s\"\n", Utf8(box->English).c_str());
    return true;
}

bool ExpectMessage(const MessageBoxSeen& box, const wchar_t* chinese, const wchar_t* english) {
    bool ok = true;
    // The setup sets GB2312 bytes with the ANSI API: compare with what that makes of the expected line here.
    int size = WideCharToMultiByte(936, 0, chinese, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size, '\0');
    WideCharToMultiByte(936, 0, chinese, -1, &bytes[0], size, nullptr, nullptr);
    bytes.resize(size - 1);
    if (box.Chinese != Decode(bytes, CP_ACP))
        ok = Fail("message box Chinese line: expected \"%s\" (as GB2312), seen %d characters \"%s\"", Utf8(chinese).c_str(),
                  static_cast<int>(box.Chinese.size()), Utf8(box.Chinese).c_str());
    if (box.English != english)
        ok = Fail("message box English line: expected \"%s\", seen \"%s\"", Utf8(english).c_str(), Utf8(box.English).c_str());
    return ok;
}

bool ExpectButtons(const MessageBoxSeen& box, std::vector<int> shown) {
    bool ok = true;
    for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
        bool want = false;
        for (int s : shown) want = want || s == id;
        ok = ExpectVisible(box.Window, id, want) && ok;
    }
    return ok;
}

// The box is centred by its own layout: top = (screen height - H) / 2 with H the window height less the
// caption; left = (screen width - W) / 2 whenever the window is wider than its button minimum.
bool ExpectLaidOut(const MessageBoxSeen& box) {
    bool ok = true;
    RECT window, client;
    GetWindowRect(box.Window, &window);
    GetClientRect(box.Window, &client);
    int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    int width = window.right - window.left, height = window.bottom - window.top;
    int contentHeight = height - GetSystemMetrics(SM_CYCAPTION);
    if (window.left < 0 || window.top < 0 || window.right > screenWidth || window.bottom > screenHeight)
        ok = Fail("message box at (%ld,%ld)-(%ld,%ld) is not on the %dx%d screen", window.left, window.top, window.right,
                  window.bottom, screenWidth, screenHeight);
    if (window.top != (screenHeight - contentHeight) / 2)
        ok = Fail("message box top: expected (%d - %d) / 2 = %d, seen %ld", screenHeight, contentHeight,
                  (screenHeight - contentHeight) / 2, window.top);
    RECT button;
    GetWindowRect(GetDlgItem(box.Window, IDOK), &button);
    int buttonWidth = button.right - button.left;
    bool twoButtons = IsWindowVisible(GetDlgItem(box.Window, IDCANCEL));
    if (width > (twoButtons ? 3 : 2) * buttonWidth && window.left != (screenWidth - width) / 2)
        ok = Fail("message box left: expected (%d - %d) / 2 = %d, seen %ld", screenWidth, width, (screenWidth - width) / 2,
                  window.left);
    // Both lines and every shown button lie inside the client area.
    for (int id : {IDC_MSG_TEXT, IDC_MSG_ENGLISH, IDOK, IDCANCEL, IDYES, IDNO}) {
        HWND control = GetDlgItem(box.Window, id);
        if (!IsWindowVisible(control)) continue;
        RECT r;
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, box.Window, reinterpret_cast<POINT*>(&r), 2);
        if (r.left < 0 || r.top < 0 || r.right > client.right || r.bottom > client.bottom)
            ok = Fail("message box control %d at (%ld,%ld)-(%ld,%ld) does not fit the client area %ldx%ld", id, r.left,
                      r.top, r.right, r.bottom, client.right, client.bottom);
    }
    // The English line fits on the two lines the box gives it.
    SIZE extent = {};
    LRESULT font = 0;
    Send(GetDlgItem(box.Window, IDC_MSG_ENGLISH), WM_GETFONT, 0, 0, &font);
    HDC dc = GetDC(nullptr);
    {
        ScopedSelection selected(dc, font ? reinterpret_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
        GetTextExtentPoint32W(dc, box.English.c_str(), static_cast<int>(box.English.size()), &extent);
    }
    ReleaseDC(nullptr, dc);
    if (extent.cx > 2 * client.right)
        ok = Fail("message box: the English line is %ld pixels wide, more than two lines of %ld", extent.cx, client.right);
    return ok;
}

bool AnswerMessage(const MessageBoxSeen& box, int buttonId) {
    if (!PostMessageW(box.Window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0))
        return Fail("could not press button %d of the message box", buttonId);
    if (!WaitFor(LongWait, [&] { return !IsWindow(box.Window); }))
        return Fail("expected the message box to close after button %d", buttonId);
    return true;
}

POINT WindowCentre(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return POINT{r.left + (r.right - r.left) / 2, r.top + (r.bottom - r.top) / 2};
}
