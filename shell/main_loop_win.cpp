// The main loop: Enter posts a command to the wizard before the dialog manager sees the key.
#include "shell/main_loop_win.h"

#include "shell/enter_key.h"
#include "shell/setup_state_win.h"

namespace {

constexpr int ClassNameCapacity = 100;

EnterKeyOutcome DecideForFocus()
{
    char className[ClassNameCapacity] = {};
    FocusFacts focus{false, false, className, 0, 0};
    HWND window = GetFocus();
    if (window) {
        focus.Exists = true;
        focus.ClassNameRead = GetClassNameA(window, className, ClassNameCapacity) != 0;
        className[ClassNameCapacity - 1] = '\0';
        focus.Style = static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE));
        focus.ControlId = static_cast<int>(GetWindowLongPtrA(window, GWLP_ID));
    }
    return DecideEnterKey(focus);
}

}  // namespace

void HandleLoopMessage(MSG* message)
{
    if (message->message == WM_KEYDOWN && message->wParam == VK_RETURN) {
        const EnterKeyOutcome outcome = DecideForFocus();
        PostMessageA(Setup.WizardWindow, WM_COMMAND, static_cast<WPARAM>(outcome.Command), 0);
        if (!outcome.KeyGoesOn) return;
    }
    if (!IsDialogMessageA(Setup.WizardWindow, message)) {
        TranslateMessage(message);
        DispatchMessageA(message);
    }
}

void RunMainLoop()
{
    MSG message;
    while (Setup.WizardPage >= 0) {
        // 0 is WM_QUIT; -1 is a failed call, which would fail again on every turn.
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) break;
        HandleLoopMessage(&message);
    }
}
