// The e2e scenarios: each walks the real setup as a user would and checks what it shows and leaves.
#include "driver_scenarios.h"

#include <windows.h>
// dlgs.h needs windows.h first.
#include <dlgs.h>
#include <shlobj.h>

#include <cstdio>
#include <functional>

#include "driver_checks.h"
#include "driver_steps.h"
#include "resource_ids.h"
#include "shell/install_command.h"

namespace {

const wchar_t DefaultFolder[] = L"C:\\Vocalith";
const wchar_t ChooserCaption[] = L"" FOLDER_CHOOSER_CAPTION;

const wchar_t SuccessChinese[] = L"祝贺您：安装顺利完成！";
const wchar_t SuccessEnglish[] = L"Congratulations! Installation Success!";
const wchar_t QuestionChinese[] = L"下面安装微软的语音模块 SAPI5.1.(安装时最好有系统管理员权限)";
const wchar_t QuestionEnglish[] =
    L"Now install speech module SAPI5.1 from Microsoft. (Install with Administrator Right is Recommended)";
const wchar_t RefusedChinese[] = L"无法建目录。请检查所列目录是否合法（注意：子目录只能在已存在的目录下建）。";
const wchar_t RefusedEnglish[] = L"Cannot create folder! Please check folder path.";
const wchar_t FailureChinese[] = L"安装失败！请检查一下系统后，再重新安装。谢谢！";
const wchar_t FailureEnglish[] =
    L"Installation failed. Please check your system (quit all Kelvu applications) and try again.";

// ---- walks shared by the scenarios ----

bool StartWizard(SetupRun& run, const std::wstring& currentDirectory = L"C:\\") {
    REQUIRE(run.Start(Paths.Setup, currentDirectory));
    REQUIRE(run.WaitWizard());
    return true;
}

bool NextTo(SetupRun& run, int shownId, const char* screen) {
    REQUIRE(Command(run.Wizard(), IDC_NEXT));
    REQUIRE(WaitVisible(run.Wizard(), shownId, true));
    run.Screen(screen);
    return true;
}

// The chooser is a modal common dialog over the wizard, captioned by its template.
bool WaitChooser(SetupRun& run, HWND* chooser, bool checkCaption = true) {
    // Wine's own caption for the old-style dialog is "Open File": accept it for the wait, fail on it after.
    if (!WaitFor(LongWait, [&] {
            return (*chooser = run.FindWindowCaptioned(ChooserCaption)) != nullptr ||
                   (*chooser = run.FindWindowCaptioned(L"Open File")) != nullptr;
        }))
        return run.WaitWindow(ChooserCaption, chooser, 0);
    wchar_t caption[256] = L"";
    GetWindowTextW(*chooser, caption, 256);
    if (checkCaption && wcscmp(caption, ChooserCaption) != 0)
        Fail("expected the chooser captioned \"%s\", seen \"%s\"", FOLDER_CHOOSER_CAPTION, Utf8(caption).c_str());
    return true;
}

bool WalkToLicence(SetupRun& run) {
    REQUIRE(NextTo(run, IDC_LANGUAGE, "language"));
    REQUIRE(NextTo(run, IDC_ENGLISH, "licence"));
    return true;
}

// Presses Install and waits for the buttons to go; returns the tick count of the press.
bool PressInstall(SetupRun& run, ULONGLONG* pressed) {
    *pressed = GetTickCount64();
    REQUIRE(Command(run.Wizard(), IDC_NEXT));
    REQUIRE(WaitVisible(run.Wizard(), IDC_NEXT, false, ShortWait, false));
    Sleep(1500);
    run.Screen("installing");
    return true;
}

// What a message box of the setup must show.
struct BoxExpected {
    const char* Screen;
    const wchar_t* Chinese;
    const wchar_t* English;
    std::vector<int> Buttons;
};

// Waits for the box, saves its screen, checks its lines, buttons and layout, calls beforeAnswer (when given,
// with the tick count at which the box was seen) and answers it.
bool AnswerBox(SetupRun& run, const BoxExpected& expected, int answer,
               const std::function<void(ULONGLONG seen)>& beforeAnswer = nullptr) {
    MessageBoxSeen box;
    REQUIRE(WaitMessageBox(run, &box));
    ULONGLONG seen = GetTickCount64();
    run.Screen(expected.Screen);
    CHECK(ExpectMessage(box, expected.Chinese, expected.English));
    CHECK(ExpectButtons(box, expected.Buttons));
    CHECK(ExpectLaidOut(box));
    if (beforeAnswer) beforeAnswer(seen);
    REQUIRE(AnswerMessage(box, answer));
    return true;
}

// The success box, then the package question answered with answer (after atQuestion, when given).
bool FinishInstall(SetupRun& run, ULONGLONG pressed, int answer, const std::function<void()>& atQuestion = nullptr) {
    REQUIRE(AnswerBox(run, {"success", SuccessChinese, SuccessEnglish, {IDOK}}, IDOK, [&](ULONGLONG seen) {
        // Whole-second clock readings: more than 4 and at most 5 s after Install, plus the time to show the box.
        ULONGLONG waited = seen - pressed;
        if (waited < 4000 || waited >= 8000)
            Fail("expected the success box 4 to 8 s after Install, seen it after %llu ms", waited);
    }));
    return AnswerBox(run, {"package-question", QuestionChinese, QuestionEnglish, {IDOK, IDCANCEL}}, answer,
                     [&](ULONGLONG) {
                         if (atQuestion) atQuestion();
                     });
}

bool ExpectLicenceShowsEnglish(HWND wizard) {
    bool ok = ExpectVisible(wizard, IDC_ENGLISH, true);
    ok = ExpectChecked(wizard, IDC_ENGLISH, true) && ok;
    ok = ExpectVisible(wizard, IDC_LICENCE_EN, true) && ok;
    return ExpectVisible(wizard, IDC_LICENCE_CN, false) && ok;
}

// ---- scenarios ----

bool StartAndQuit() {
    struct Way {
        const char* Name;
        bool (*Act)(HWND wizard);
    };
    const Way ways[] = {
        {"cancel", [](HWND wizard) { return Command(wizard, IDCANCEL); }},
        {"escape", [](HWND wizard) { return PressKey(FocusOf(wizard), VK_ESCAPE); }},
        {"close-box", [](HWND wizard) { return PostMessageW(wizard, WM_SYSCOMMAND, SC_CLOSE, 0) != FALSE; }},
    };
    bool ok = true;
    for (const Way& way : ways) {
        printf("-- quit by %s\n", way.Name);
        SetupRun run;
        REQUIRE(StartWizard(run));
        if (way.Act == ways[0].Act) {
            run.Screen("options");
            CHECK(ExpectText(run.Wizard(), IDC_INSTALL_DIR, DefaultFolder));
            CHECK(ExpectFocus(run.Wizard(), IDC_INSTALL_DIR));
            CHECK(ExpectChecked(run.Wizard(), IDC_DESKTOP_ICON, true));
            CHECK(ExpectChecked(run.Wizard(), IDC_AUTOSTART, false));
            CHECK(ExpectVisible(run.Wizard(), IDC_BACK, false));
            CHECK(ExpectEnabled(run.Wizard(), IDC_BACK, false));
        }
        REQUIRE(way.Act(run.Wizard()));
        ok = run.WaitExit(0) && ok;
    }
    return ok;
}

bool DamagedFont() {
    SetupRun run;
    REQUIRE(run.Start(Paths.DamagedSetup));
    HWND seen = nullptr;
    bool ended = WaitFor(LongWait, [&] {
        if (!seen) seen = run.FindWindowCaptioned(L"Vocalith Installer");
        if (!seen) seen = run.FindWindowCaptioned(L"Tabrel Install Message");
        return run.HasExited();
    });
    if (seen) Fail("expected no window from a setup whose font does not inflate, seen one");
    REQUIRE(ended || Fail("expected the setup with a damaged font to end by itself"));
    return run.WaitExit(1) && !seen;
}

bool Pages() {
    SetupRun run;
    REQUIRE(StartWizard(run));
    HWND wizard = run.Wizard();
    run.Screen("options");
    CHECK(ExpectVisible(wizard, IDC_BACK, false));
    CHECK(ExpectEnabled(wizard, IDC_BACK, false));
    Command(wizard, IDC_BACK);
    CHECK(ExpectVisible(wizard, IDC_INSTALL_DIR, true));

    REQUIRE(NextTo(run, IDC_LANGUAGE, "language"));
    CHECK(ExpectVisible(wizard, IDC_INSTALL_DIR, false));
    CHECK(ExpectVisible(wizard, IDC_LANGUAGE_LABEL, true));
    CHECK(ExpectVisible(wizard, IDC_BACK, true));
    CHECK(ExpectEnabled(wizard, IDC_BACK, true));
    std::vector<ListEntry> entries = ComboEntries(GetDlgItem(wizard, IDC_LANGUAGE));
    const ListEntry want[] = {{L"English", 0}, {L"Chinese(Simplified)", 1}, {L"Chinese(Traditional)", 2}};
    bool same = entries.size() == 3;
    for (size_t i = 0; same && i < 3; ++i) same = entries[i].Text == want[i].Text && entries[i].Data == want[i].Data;
    if (!same) {
        std::string seen;
        for (const ListEntry& e : entries) seen += " \"" + Utf8(e.Text) + "\"=" + std::to_string(e.Data);
        Fail("language list: expected \"English\"=0 \"Chinese(Simplified)\"=1 \"Chinese(Traditional)\"=2, seen%s", seen.c_str());
    }
    if (ComboSelection(GetDlgItem(wizard, IDC_LANGUAGE)) != 0)
        Fail("language list: expected English selected, seen entry %d", ComboSelection(GetDlgItem(wizard, IDC_LANGUAGE)));

    REQUIRE(NextTo(run, IDC_ENGLISH, "licence-english"));
    CHECK(ExpectLicenceShowsEnglish(wizard));
    bool read;
    std::string english = ReadBytes(Paths.PayloadFiles + L"\\license_en.txt", &read);
    CHECK(ExpectText(wizard, IDC_LICENCE_EN, Decode(english, CP_ACP)));

    REQUIRE(ClickButton(wizard, IDC_ENGLISH));
    REQUIRE(WaitVisible(wizard, IDC_LICENCE_CN, true));
    run.Screen("licence-chinese");
    CHECK(ExpectChecked(wizard, IDC_ENGLISH, false));
    CHECK(ExpectVisible(wizard, IDC_LICENCE_EN, false));
    // One list item per CR-ended line of the Chinese licence.
    std::string chinese = ReadBytes(Paths.PayloadFiles + L"\\license_cn.txt", &read);
    std::vector<std::string> lines;
    for (size_t start = 0, cr; lines.size() < 500 && (cr = chinese.find('\r', start)) != std::string::npos;) {
        lines.push_back(chinese.substr(start, cr - start));
        start = cr + 1 + (cr + 1 < chinese.size() && chinese[cr + 1] == '\n');
    }
    HWND list = GetDlgItem(wizard, IDC_LICENCE_CN);
    if (ListCount(list) != static_cast<int>(lines.size()))
        Fail("Chinese licence: expected %d lines, seen %d", static_cast<int>(lines.size()), ListCount(list));
    for (size_t i = 0; i < lines.size() && i < static_cast<size_t>(ListCount(list)); ++i)
        if (ListText(list, static_cast<int>(i)) != Decode(lines[i], CP_ACP)) {
            Fail("Chinese licence line %d differs from the source", static_cast<int>(i) + 1);
            break;
        }

    REQUIRE(Command(wizard, IDC_BACK));
    REQUIRE(WaitVisible(wizard, IDC_LANGUAGE, true));
    REQUIRE(NextTo(run, IDC_ENGLISH, "licence-again"));
    CHECK(ExpectLicenceShowsEnglish(wizard));
    REQUIRE(Command(wizard, IDC_BACK));
    REQUIRE(Command(wizard, IDC_BACK));
    REQUIRE(WaitVisible(wizard, IDC_INSTALL_DIR, true));
    CHECK(ExpectVisible(wizard, IDC_BACK, false));
    CHECK(ExpectEnabled(wizard, IDC_BACK, false));
    REQUIRE(Command(wizard, IDCANCEL));
    return run.WaitExit(0);
}

bool EnterKey() {
    SetupRun run;
    REQUIRE(StartWizard(run));
    HWND wizard = run.Wizard();
    REQUIRE(ExpectFocus(wizard, IDC_INSTALL_DIR));
    // Enter in the edit box acts as Next.
    REQUIRE(PressKey(GetDlgItem(wizard, IDC_INSTALL_DIR), VK_RETURN));
    REQUIRE(WaitVisible(wizard, IDC_LANGUAGE, true));
    run.Screen("language-after-enter");
    // Enter on Back acts as Back, not as Next.
    REQUIRE(MoveFocus(wizard, IDC_BACK));
    REQUIRE(PressKey(GetDlgItem(wizard, IDC_BACK), VK_RETURN));
    REQUIRE(WaitVisible(wizard, IDC_INSTALL_DIR, true));
    CHECK(ExpectVisible(wizard, IDC_LANGUAGE, false));
    run.Screen("options-after-enter-on-back");
    REQUIRE(Command(wizard, IDCANCEL));
    return run.WaitExit(0);
}

bool Browse() {
    const std::wstring start = L"C:\\e2e\\Pick Here";
    REQUIRE(MakeFolders(start) || Fail("could not make %s", Utf8(start).c_str()));
    {
        SetupRun run;
        REQUIRE(StartWizard(run, start));
        HWND wizard = run.Wizard();
        REQUIRE(Command(wizard, IDC_BROWSE));
        HWND chooser = nullptr;
        REQUIRE(WaitChooser(run, &chooser));
        run.Screen("chooser");
        CHECK(ExpectFocus(chooser, lst2));
        REQUIRE(Command(chooser, IDOK));
        REQUIRE(WaitFor(LongWait, [&] { return !IsWindow(chooser); }) || Fail("expected the chooser to close on OK"));
        CHECK(ExpectText(wizard, IDC_INSTALL_DIR, start + L"\\Vocalith"));
        run.Screen("options-after-browse");

        REQUIRE(Command(wizard, IDC_BROWSE));
        REQUIRE(WaitChooser(run, &chooser));
        REQUIRE(SetControlText(wizard, IDC_INSTALL_DIR, L"C:\\e2e\\Typed"));
        REQUIRE(Command(chooser, IDCANCEL));
        REQUIRE(WaitFor(LongWait, [&] { return !IsWindow(chooser); }) || Fail("expected the chooser to close on Cancel"));
        CHECK(ExpectText(wizard, IDC_INSTALL_DIR, L"C:\\e2e\\Typed"));
        REQUIRE(Command(wizard, IDCANCEL));
        REQUIRE(run.WaitExit(0));
    }
    // A drive root gives one backslash.
    SetupRun run;
    REQUIRE(StartWizard(run, L"C:\\"));
    REQUIRE(SetControlText(run.Wizard(), IDC_INSTALL_DIR, L"C:\\e2e\\Typed"));
    REQUIRE(Command(run.Wizard(), IDC_BROWSE));
    HWND chooser = nullptr;
    REQUIRE(WaitChooser(run, &chooser));
    run.Screen("chooser-drive-root");
    REQUIRE(Command(chooser, IDOK));
    REQUIRE(WaitFor(LongWait, [&] { return !IsWindow(chooser); }) || Fail("expected the chooser to close on OK"));
    CHECK(ExpectText(run.Wizard(), IDC_INSTALL_DIR, L"C:\\Vocalith"));
    REQUIRE(Command(run.Wizard(), IDCANCEL));
    return run.WaitExit(0);
}

bool InstallEnglish() {
    SetupRun run;
    REQUIRE(StartWizard(run));
    run.Screen("options");
    REQUIRE(WalkToLicence(run));
    ULONGLONG pressed;
    REQUIRE(PressInstall(run, &pressed));
    REQUIRE(FinishInstall(run, pressed, IDCANCEL));
    REQUIRE(run.WaitExit(0));
    bool ok = ExpectInstalledFiles(DefaultFolder, 0);
    ok = ExpectLinks(EnglishLinkNames(), DefaultFolder, true, false) && ok;
    if (Exists(TempPackagePath())) ok = Fail("expected nothing in the temp folder after Cancel, seen %s", Utf8(TempPackagePath()).c_str());
    return ok;
}

// On a Chinese system: no desktop icon, auto-start, Chinese(Traditional) for the product.
bool InstallChinese(const LinkNames& names) {
    SetupRun run;
    REQUIRE(StartWizard(run));
    HWND wizard = run.Wizard();
    REQUIRE(ClickButton(wizard, IDC_DESKTOP_ICON));
    REQUIRE(ClickButton(wizard, IDC_AUTOSTART));
    CHECK(ExpectChecked(wizard, IDC_DESKTOP_ICON, false));
    CHECK(ExpectChecked(wizard, IDC_AUTOSTART, true));
    run.Screen("options");
    REQUIRE(NextTo(run, IDC_LANGUAGE, "language"));
    REQUIRE(SelectCombo(wizard, IDC_LANGUAGE, 2));
    REQUIRE(NextTo(run, IDC_ENGLISH, "licence"));
    ULONGLONG pressed;
    REQUIRE(PressInstall(run, &pressed));
    REQUIRE(FinishInstall(run, pressed, IDCANCEL));
    REQUIRE(run.WaitExit(0));
    bool ok = ExpectInstalledFiles(DefaultFolder, 2);
    return ExpectLinks(names, DefaultFolder, false, true) && ok;
}

bool InstallSimplified() { return InstallChinese(SimplifiedLinkNames()); }
bool InstallTraditional() { return InstallChinese(TraditionalLinkNames()); }

// msiexec.exe processes that were not running before.
std::set<DWORD> NewInstallers(const std::set<DWORD>& before) {
    std::set<DWORD> started;
    for (DWORD id : ProcessesNamed(L"msiexec.exe"))
        if (!before.count(id)) started.insert(id);
    return started;
}

// What the sample package installs, when it installs quietly.
const wchar_t PackageTrace[] = L"C:\\Program Files (x86)\\Kelvu Speech Runtime\\SpeechRuntimeSample.txt";

bool PackageOpened() {
    DeleteTree(PackageTrace);
    std::set<DWORD> before = ProcessesNamed(L"msiexec.exe"), started;
    SetupRun run;
    REQUIRE(StartWizard(run));
    REQUIRE(WalkToLicence(run));
    ULONGLONG pressed;
    REQUIRE(PressInstall(run, &pressed));
    REQUIRE(FinishInstall(run, pressed, IDOK));
    // The shell starts the installer for the package (it may finish quickly, leaving its files).
    bool opened = WaitFor(LongWait, [&] { return !(started = NewInstallers(before)).empty() || Exists(PackageTrace); });
    bool ok = run.WaitExit(0, 60000);
    ok = ExpectSameBytes(TempPackagePath(), Paths.PayloadFiles + L"\\" + Decode(SapiPackageName, CP_UTF8)) && ok;
    if (!opened) ok = Fail("expected the shell to open the package (a new msiexec.exe or %s), seen neither", Utf8(PackageTrace).c_str());
    printf("package opened: %s\n", started.empty() ? (opened ? "its file installed" : "no") : "msiexec.exe started");
    EndProcesses(NewInstallers(before));
    return ok;
}

bool PackagePlanted() {
    const std::string planted = "planted earlier, not the setup's package";
    std::wstring path = TempPackagePath();
    FILE* file = _wfopen(path.c_str(), L"wb");
    REQUIRE(file || Fail("could not plant %s", Utf8(path).c_str()));
    fwrite(planted.data(), 1, planted.size(), file);
    fclose(file);
    // Held open without sharing, the setup cannot write its package over it.
    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    REQUIRE(held != INVALID_HANDLE_VALUE || Fail("could not hold %s", Utf8(path).c_str()));
    DeleteTree(PackageTrace);
    std::set<DWORD> before = ProcessesNamed(L"msiexec.exe"), started;
    bool ok = true, opened = false;
    {
        SetupRun run;
        ULONGLONG pressed;
        ok = StartWizard(run) && WalkToLicence(run) && PressInstall(run, &pressed) && FinishInstall(run, pressed, IDOK);
        opened = WaitFor(ShortWait, [&] { return !(started = NewInstallers(before)).empty() || Exists(PackageTrace); });
        ok = run.WaitExit(0, 60000) && ok;
    }
    CloseHandle(held);
    if (opened) ok = Fail("expected the planted package not to be opened, seen the shell open it");
    EndProcesses(NewInstallers(before));
    bool read;
    if (ReadBytes(path, &read) != planted) ok = Fail("expected the planted file untouched");
    return ok;
}

bool FolderRefused() {
    SetupRun run;
    REQUIRE(StartWizard(run));
    HWND wizard = run.Wizard();
    REQUIRE(SetControlText(wizard, IDC_INSTALL_DIR, L"C:\\e2e\\missing\\Vocalith"));
    REQUIRE(WalkToLicence(run));
    REQUIRE(Command(wizard, IDC_NEXT));
    REQUIRE(AnswerBox(run, {"folder-refused", RefusedChinese, RefusedEnglish, {IDOK}}, IDOK));
    // Still on the licence page with Next and Back.
    CHECK(ExpectVisible(wizard, IDC_NEXT, true));
    CHECK(ExpectVisible(wizard, IDC_BACK, true));
    CHECK(ExpectVisible(wizard, IDC_ENGLISH, true));
    run.Screen("after-refused");
    REQUIRE(Command(wizard, IDC_BACK));
    REQUIRE(WaitVisible(wizard, IDC_INSTALL_DIR, true));
    CHECK(ExpectVisible(wizard, IDC_BACK, true));
    run.Screen("options-again");
    REQUIRE(SetControlText(wizard, IDC_INSTALL_DIR, DefaultFolder));
    // Next from here installs at once.
    ULONGLONG pressed;
    REQUIRE(PressInstall(run, &pressed));
    REQUIRE(FinishInstall(run, pressed, IDCANCEL));
    REQUIRE(run.WaitExit(0));
    return ExpectInstalledFiles(DefaultFolder, 0);
}

bool FontFailure() {
    const std::wstring folder = L"C:\\e2e\\FontFail";
    REQUIRE(MakeFolders(folder + L"\\ChnBmp.bin") || Fail("could not make the blocking folder"));
    SetupRun run;
    REQUIRE(StartWizard(run));
    REQUIRE(SetControlText(run.Wizard(), IDC_INSTALL_DIR, folder));
    REQUIRE(WalkToLicence(run));
    ULONGLONG pressed;
    REQUIRE(PressInstall(run, &pressed));
    REQUIRE(AnswerBox(run, {"failure", FailureChinese, FailureEnglish, {IDOK}}, IDOK));
    REQUIRE(run.WaitExit(0));
    bool ok = ExpectStoppedAtFont(folder);
    return ExpectNoLinks(EnglishLinkNames()) && ok;
}

bool Pointer() {
    SetupRun run;
    REQUIRE(StartWizard(run));
    REQUIRE(WalkToLicence(run));
    RECT wizardRect;
    GetWindowRect(run.Wizard(), &wizardRect);
    POINT outside = {GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5};
    REQUIRE(!PtInRect(&wizardRect, outside) || Fail("the wizard covers the whole screen"));
    SetCursorPos(outside.x, outside.y);
    POINT centre = WindowCentre(run.Wizard()), seen = {};
    ULONGLONG pressed;
    REQUIRE(PressInstall(run, &pressed));
    bool moved = WaitFor(ShortWait, [&] { return GetCursorPos(&seen) && seen.x == centre.x && seen.y == centre.y; });
    if (!moved) Fail("expected the pointer at the wizard's centre (%ld,%ld), seen (%ld,%ld)", centre.x, centre.y, seen.x, seen.y);
    REQUIRE(FinishInstall(run, pressed, IDCANCEL));
    return run.WaitExit(0) && moved;
}

// A full install with the default choices and a look at the chooser; modules seen at the wizard's start
// and at the package question.
bool InstallNoting(SetupRun& run, const std::wstring& exe, std::set<std::wstring>* atStart, std::set<std::wstring>* atEnd) {
    REQUIRE(run.Start(exe));
    REQUIRE(run.WaitWizard());
    *atStart = ModulesOf(run.ProcessId());
    REQUIRE(Command(run.Wizard(), IDC_BROWSE));
    HWND chooser = nullptr;
    REQUIRE(WaitChooser(run, &chooser, false));
    REQUIRE(Command(chooser, IDCANCEL));
    REQUIRE(WaitFor(LongWait, [&] { return !IsWindow(chooser); }) || Fail("expected the chooser to close on Cancel"));
    REQUIRE(WalkToLicence(run));
    ULONGLONG pressed;
    REQUIRE(PressInstall(run, &pressed));
    REQUIRE(FinishInstall(run, pressed, IDCANCEL, [&] { *atEnd = ModulesOf(run.ProcessId()); }));
    return run.WaitExit(0);
}

std::wstring BaseName(const std::wstring& path) { return path.substr(path.rfind(L'\\') + 1); }

// A DLL that the setup loads only after start, planted beside a copy of it, must not be the one loaded.
bool DllHardening() {
    const std::wstring folder = L"C:\\e2e-planted", copy = folder + L"\\setup.exe";
    DeleteTree(folder);
    REQUIRE(MakeFolders(folder) || Fail("could not make %s", Utf8(folder).c_str()));
    REQUIRE(CopyFileW(Paths.Setup.c_str(), copy.c_str(), FALSE) || Fail("could not copy the setup"));
    // First run, nothing planted: which DLLs arrive after the wizard is up.
    std::set<std::wstring> atStart, atEnd, onDemand;
    {
        SetupRun run;
        REQUIRE(InstallNoting(run, copy, &atStart, &atEnd));
    }
    for (const std::wstring& module : atEnd)
        if (!atStart.count(module) && module.size() > 4 && module.substr(module.size() - 4) == L".dll")
            onDemand.insert(BaseName(module));
    std::string names;
    for (const std::wstring& name : onDemand) names += " " + Utf8(name);
    printf("loaded after start:%s\n", names.empty() ? " none" : names.c_str());
    REQUIRE(!onDemand.empty() || Fail("expected the setup to load some DLL on demand to plant; seen none"));

    // Second run with each of them planted beside the copy.
    for (const std::wstring& name : onDemand)
        REQUIRE(CopyFileW(Paths.PlantedDll.c_str(), (folder + L"\\" + name).c_str(), FALSE) || Fail("could not plant %s", Utf8(name).c_str()));
    CleanState();
    {
        SetupRun run;
        REQUIRE(InstallNoting(run, copy, &atStart, &atEnd));
    }
    bool ok = true;
    std::wstring prefix = folder + L"\\";
    for (wchar_t& c : prefix) c = towlower(c);
    for (const std::wstring& module : atEnd)
        if (module.compare(0, prefix.size(), prefix) == 0 && BaseName(module) != L"setup.exe")
            printf("note: Wine names %s from the setup's folder (it maps its builtin under that name)\n", Utf8(module).c_str());
    for (const std::wstring& name : onDemand)
        if (Exists(folder + L"\\" + name + L".loaded")) ok = Fail("the planted %s was loaded and ran", Utf8(name).c_str());
    // The marker works: loading a planted copy by its full path leaves one.
    std::wstring probe = folder + L"\\probe.dll";
    CopyFileW(Paths.PlantedDll.c_str(), probe.c_str(), FALSE);
    HMODULE loaded = LoadLibraryW(probe.c_str());
    if (loaded) FreeLibrary(loaded);
    if (!Exists(probe + L".loaded")) ok = Fail("the planted DLL leaves no marker when loaded; the check above proves nothing");
    return ExpectLinks(EnglishLinkNames(), DefaultFolder, true, false) && ok;
}

// The walk for a person without a display: default choices, keys and clicks, every screen saved.
bool Walk() {
    SetupRun run;
    REQUIRE(StartWizard(run));
    HWND wizard = run.Wizard();
    run.Screen("options");
    REQUIRE(PressKey(GetDlgItem(wizard, IDC_INSTALL_DIR), VK_RETURN));
    REQUIRE(WaitVisible(wizard, IDC_LANGUAGE, true));
    run.Screen("language");
    REQUIRE(NextTo(run, IDC_ENGLISH, "licence-english"));
    REQUIRE(ClickButton(wizard, IDC_ENGLISH));
    REQUIRE(WaitVisible(wizard, IDC_LICENCE_CN, true));
    run.Screen("licence-chinese");
    REQUIRE(ClickButton(wizard, IDC_ENGLISH));
    REQUIRE(WaitVisible(wizard, IDC_LICENCE_EN, true));
    ULONGLONG pressed;
    REQUIRE(PressInstall(run, &pressed));
    REQUIRE(FinishInstall(run, pressed, IDCANCEL));
    REQUIRE(run.WaitExit(0));
    PrintInstallation(DefaultFolder, EnglishLinkNames());
    return true;
}

}  // namespace

const Scenario Scenarios[] = {
    {"start", StartAndQuit},
    {"damaged-font", DamagedFont},
    {"pages", Pages},
    {"enter-key", EnterKey},
    {"browse", Browse},
    {"install-english", InstallEnglish},
    {"install-simplified", InstallSimplified},
    {"install-traditional", InstallTraditional},
    {"package", PackageOpened},
    {"package-planted", PackagePlanted},
    {"folder-refused", FolderRefused},
    {"font-failure", FontFailure},
    {"pointer", Pointer},
    {"dll-hardening", DllHardening},
    {"walk", Walk},
    {nullptr, nullptr},
};
