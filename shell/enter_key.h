// The main loop's Enter-key rule: which command Enter posts and whether the key goes on.
#pragma once

struct FocusFacts {
    bool Exists;         // a window has the keyboard focus
    bool ClassNameRead;  // its class name could be read
    const char* ClassName;
    unsigned long Style;
    int ControlId;
};

struct EnterKeyOutcome {
    int Command;        // posted to the wizard as WM_COMMAND
    bool KeyGoesOn;     // the key message is still offered to the dialog manager
};

EnterKeyOutcome DecideEnterKey(const FocusFacts& focus);
