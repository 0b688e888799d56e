// Steps of the e2e driver: run the setup, find its windows, read and press its controls, answer its boxes.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Folders and programs the scenarios work with, from the command line.
struct DriverPaths {
    std::wstring Setup;
    std::wstring DamagedSetup;
    std::wstring PlantedDll;
    std::wstring PayloadFiles;
    std::wstring ScreensRoot;
};
extern DriverPaths Paths;

// Failures print what was expected and what was seen; REQUIRE stops the scenario, CHECK goes on.
bool Fail(const char* format, ...) __attribute__((format(printf, 1, 2)));
bool FailAt(const char* file, int line);
int FailureCount();
#define REQUIRE(step) do { if (!(step)) return FailAt(__FILE__, __LINE__); } while (0)
#define CHECK(step) do { if (!(step)) FailAt(__FILE__, __LINE__); } while (0)

std::string Utf8(const std::wstring& text);
// Bytes in a code page as UTF-16; with CP_ACP, how an ANSI program in this locale stores them as window text.
std::wstring Decode(const std::string& bytes, UINT codePage);
// The process's top-level windows, hidden ones too, in the system's z-order.
std::vector<HWND> WindowsOf(DWORD processId);

// Every wait polls until its condition holds or the time runs out.
constexpr DWORD ShortWait = 5000;
constexpr DWORD LongWait = 20000;
template <typename Condition>
bool WaitFor(DWORD timeoutMs, Condition condition) {
    ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(25);
    }
}

// One run of a setup executable, ended (by its handle) if the scenario leaves it running.
class SetupRun {
public:
    SetupRun() = default;
    ~SetupRun();
    SetupRun(const SetupRun&) = delete;
    SetupRun& operator=(const SetupRun&) = delete;

    bool Start(const std::wstring& exe, const std::wstring& currentDirectory = L"C:\\");
    bool WaitWizard();
    bool WaitExit(DWORD expectedCode, DWORD timeoutMs = LongWait);
    bool HasExited() const;
    HWND FindWindowCaptioned(const wchar_t* caption) const;
    // Waits for a visible top-level window of the setup with this caption; on failure names those seen.
    bool WaitWindow(const wchar_t* caption, HWND* window, DWORD timeoutMs = LongWait) const;
    std::string DescribeWindows() const;
    HWND Wizard() const { return wizard_; }
    HWND Item(int id) const { return GetDlgItem(wizard_, id); }
    DWORD ProcessId() const { return processId_; }
    // Saves a PNG of the setup's windows as NN-name.png in the scenario's folder.
    void Screen(const char* name);

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND wizard_ = nullptr;
};

// Control state, read from outside the setup's process.
std::wstring TextOf(HWND control);
HWND FocusOf(HWND window);
int CheckStateOf(HWND button);
struct ListEntry {
    std::wstring Text;
    LRESULT Data;
};
std::vector<ListEntry> ComboEntries(HWND combo);
int ComboSelection(HWND combo);
int ListCount(HWND list);
std::wstring ListText(HWND list, int index);

// Expectations on controls of the wizard (or any dialog).
bool ExpectVisible(HWND dialog, int id, bool visible);
bool ExpectEnabled(HWND dialog, int id, bool enabled);
bool ExpectChecked(HWND dialog, int id, bool checked);
bool ExpectText(HWND dialog, int id, const std::wstring& text);
bool ExpectFocus(HWND dialog, int id);
// Waits for the control to show or hide, then (when settle) for the handler that did it to return.
bool WaitVisible(HWND dialog, int id, bool visible, DWORD timeoutMs = ShortWait, bool settle = true);

// Input: commands and clicks as the dialog manager would send them, keys posted to a window.
bool Command(HWND dialog, int id);
bool ClickButton(HWND dialog, int id);
bool PressKey(HWND target, UINT key);
bool MoveFocus(HWND dialog, int id);
bool SetControlText(HWND dialog, int id, const std::wstring& text);
bool SelectCombo(HWND dialog, int id, int index);

// The bilingual message box: "Tabrel Install Message".
struct MessageBoxSeen {
    HWND Window = nullptr;
    std::wstring Chinese;
    std::wstring English;
};
bool WaitMessageBox(const SetupRun& run, MessageBoxSeen* box, DWORD timeoutMs = LongWait);
// chinese: the expected Chinese line in UTF-16, shown by the setup as GB2312 bytes.
bool ExpectMessage(const MessageBoxSeen& box, const wchar_t* chinese, const wchar_t* english);
bool ExpectButtons(const MessageBoxSeen& box, std::vector<int> shown);
bool ExpectLaidOut(const MessageBoxSeen& box);
bool AnswerMessage(const MessageBoxSeen& box, int buttonId);

// Whole-screen facts for the pointer and the box placement.
POINT WindowCentre(HWND window);
