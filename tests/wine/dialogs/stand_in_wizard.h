// A modeless stand-in for the wizard, from this test program's template, as Setup.WizardWindow.
#pragma once
#include <windows.h>

#include <string>

#include "test_files.h"

class StandInWizard {
public:
    StandInWizard();
    ~StandInWizard();
    StandInWizard(const StandInWizard&) = delete;
    StandInWizard& operator=(const StandInWizard&) = delete;

    HWND Window() const { return window_; }
    std::string InstallDir() const;
    void SetInstallDir(const std::string& text) const;

private:
    HWND window_;
};

// A fresh folder of the running test; the current directory is put back as it was before the
// folder is removed.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return folder_.Path(); }

private:
    std::string previousDirectory_;
    TemporaryFolder folder_;
};

std::string CurrentDirectory();
