// A modeless stand-in for the wizard, from this test program's template, as Setup.WizardWindow.
#pragma once
#include <windows.h>

#include <string>

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

// A fresh folder under the temp folder, removed with its contents afterwards; the current
// directory is put back as it was.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& tag);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
    std::string previousDirectory_;
};

std::string CurrentDirectory();
