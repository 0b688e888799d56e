// The installation sequence on the wizard: the work buffer, the progress bar and the real steps.
#include "install/installation_win.h"

#include <windows.h>
#include <commctrl.h>

#include "install/installation_sequence.h"
#include "install/payload_buffers.h"
#include "install/payload_store_win.h"
#include "install/settings_file_win.h"
#include "install/shortcuts_win.h"
#include "resources/resource_ids.h"
#include "shell/message_box_win.h"
#include "shell/setup_state_win.h"
#include "shell/work_buffer.h"

namespace {

class WizardInstallation final : public InstallationSteps {
public:
    WizardInstallation(unsigned char* buffer, HWND progressBar) : buffer_(buffer), progressBar_(progressBar) {}

    int Extract(const CatalogueRow& row) override
    {
        return ExtractPayload(row.Item, row.FileName, buffer_, CatalogueBufferSize, row.ReadOnly, row.Hidden, nullptr);
    }
    // No message loop runs while installing, so the bar is repainted at once.
    void SetProgress(int position) override
    {
        SendMessageA(progressBar_, PBM_SETPOS, static_cast<WPARAM>(position), 0);
        UpdateWindow(progressBar_);
    }
    void UpdateSetting() override { UpdateUiLanguageSetting(); }
    void MakeGroup(const char* groupName, const ShortcutEntry* links, int folder) override
    {
        CreateShortcutGroup(groupName, links, folder);
    }
    void MakeDesktopLink(const char* targetFile, const char* linkName) override
    {
        CreateDesktopShortcut(targetFile, linkName);
    }

private:
    unsigned char* buffer_;
    HWND progressBar_;
};

}  // namespace

int RunInstallation()
{
    WorkBuffer buffer(CatalogueBufferSize);
    if (!buffer.Bytes()) {
        ShowMessage(OutOfMemoryMessage, MessageOk, Setup.WizardWindow);
        return 0;
    }
    HWND progressBar = GetDlgItem(Setup.WizardWindow, IDC_PROGRESS);
    ShowWindow(progressBar, SW_SHOW);
    WizardInstallation steps(buffer.Bytes(), progressBar);
    return RunInstallationSequence(steps, {Setup.SystemChinese, Setup.WantDesktopIcon, Setup.WantAutoStart});
}
