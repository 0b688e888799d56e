// Values of the wizard's page state and the constants the subsystems share.
#pragma once

#include "resources/resource_ids.h"

enum WizardPageValue : int {
    PageQuit = -1,
    PageOptions = 0,
    PageLanguage = 1,
    PageLicence = 2,
    PageInstalling = 99,
};

// Posted on Enter and drawn with the black default frame: the Next button.
constexpr int DefaultCommand = IDC_NEXT;

// Every path lives in a buffer of this many bytes, terminator included.
constexpr int PathCapacity = 260;

constexpr const char* InstallLeafNameText = "Vocalith";
