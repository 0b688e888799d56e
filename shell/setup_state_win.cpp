// The process-wide SetupState, with the values the run starts from.
#include "shell/setup_state_win.h"

SetupState Setup = {
    /* ModuleInstance */ nullptr,
    /* PlatformIsNt */ 0,
    /* MajorVersionIs3 */ 0,
    /* SystemChinese */ 0,
    /* InstallLeafName */ InstallLeafNameText,
    /* InstallFolder */ {},
    /* WizardWindow */ nullptr,
    /* WizardIcon */ nullptr,
    /* WizardPage */ PageOptions,
    /* ButtonClassProc */ nullptr,
    /* LicenceLoaded */ 0,
    /* WantDesktopIcon */ 0,
    /* WantAutoStart */ 0,
    /* UiLanguage */ 0,
    /* GlyphFont */ {},
};
