// A wizard made from template 114 of this test program, with the setup state reset around it.
#pragma once
#include <windows.h>

#include <string>

class WizardWindow {
public:
    WizardWindow();
    ~WizardWindow();
    WizardWindow(const WizardWindow&) = delete;
    WizardWindow& operator=(const WizardWindow&) = delete;

    HWND Window() const { return window_; }
    HWND Item(int id) const { return GetDlgItem(window_, id); }
    bool Visible(int id) const;
    bool Enabled(int id) const;
    bool Checked(int id) const;
    std::string Text(int id) const;
    void Command(int id, int notification = BN_CLICKED) const;

private:
    HWND window_;
};

// Puts SetupState back to its start values for this test program.
void ResetSetupState();
