// SetupState: the one process-wide record that every part of the setup reads and writes.
#pragma once
#include <windows.h>

#include "render/glyph_font.h"
#include "shell/wizard_state.h"

struct GlyphPage {
    HBITMAP Bitmap;
    HDC MemoryDc;
    HGDIOBJ PreviousBitmap;
};

struct GlyphPageSet {
    GlyphPage Pages[GlyphPageCount];
};

struct SetupState {
    HINSTANCE ModuleInstance;
    int PlatformIsNt;
    int MajorVersionIs3;
    int SystemChinese;
    const char* InstallLeafName;
    char InstallFolder[PathCapacity];
    HWND WizardWindow;
    HICON WizardIcon;
    int WizardPage;
    WNDPROC ButtonClassProc;
    int LicenceLoaded;
    int WantDesktopIcon;
    int WantAutoStart;
    int UiLanguage;
    GlyphPageSet GlyphFont;
};

extern SetupState Setup;
