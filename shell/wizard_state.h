// Values of the wizard's page state and the constants the subsystems share.
#pragma once

enum WizardPageValue : int {
    PageQuit = -1,
    PageOptions = 0,
    PageLanguage = 1,
    PageLicence = 2,
    PageInstalling = 99,
};

// Posted on Enter and drawn with the black default frame: the Next button.
constexpr int DefaultCommand = 1001;

// Every path lives in a buffer of this many bytes, terminator included.
constexpr int PathCapacity = 260;

constexpr const char* InstallLeafNameText = "Vocalith";
