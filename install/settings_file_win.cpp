// Recording the chosen user-interface language in OmniroUI.ini, with its attributes lowered and raised.
#include "install/settings_file_win.h"

#include <windows.h>

#include "install/file_attributes.h"
#include "install/payload_target.h"
#include "install/settings_file.h"
#include "install/temporary_file_win.h"
#include "shell/setup_state_win.h"

namespace {

// The new text is written beside the file and moved over it in one step, so an error at any point
// leaves the old file whole.
void RewriteSettings(const char* path, int value)
{
    TemporaryFileBeside updated(path);
    if (!updated.Created()) return;
    if (!WriteUpdatedSettings(path, updated.Path(), value)) return;
    updated.MoveOver(path);
}

}  // namespace

void UpdateUiLanguageSetting()
{
    char path[PathCapacity];
    if (!BuildPayloadTarget(path, sizeof path, Setup.InstallFolder, SettingsFileName, nullptr)) return;
    ClearProtectiveAttributes(path, 1, 1);
    // A missing file stays missing: nothing to update and nothing to protect.
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    RewriteSettings(path, Setup.UiLanguage);
    // The rewritten file is a new one: give it the old file's other bits back along with the protection.
    SetFileAttributesA(path, WithProtection(attributes, 1, 1));
}
