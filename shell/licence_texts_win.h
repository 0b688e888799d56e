// Loading the two licence texts into the licence page's controls.
#pragma once
#include <windows.h>

// Fills 1019 with the Chinese lines and 1014 with the English text. False when it stopped early
// (no memory, after telling the user, or an item that does not inflate).
bool LoadLicenceTexts(HWND wizard);
