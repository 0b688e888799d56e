// The installation sequence over the catalogue, the settings update and the shortcuts.
#pragma once

#include "install/catalogue.h"
#include "install/shortcut_entry.h"

// What the sequence acts through: the payload store, the progress bar, the settings file, the shell.
class InstallationSteps {
public:
    virtual ~InstallationSteps() = default;
    virtual int Extract(const CatalogueRow& row) = 0;  // 1 = written in full
    virtual void SetProgress(int position) = 0;
    virtual void UpdateSetting() = 0;
    virtual void MakeGroup(const char* groupName, const ShortcutEntry* links, int folder) = 0;
    virtual void MakeDesktopLink(const char* targetFile, const char* linkName) = 0;
};

struct InstallationChoices {
    int SystemChinese;
    int WantDesktopIcon;
    int WantAutoStart;
};

// 1 when every catalogue file was written; 0 otherwise. A failed font file stops everything at once.
int RunInstallationSequence(InstallationSteps& steps, const InstallationChoices& choices);
