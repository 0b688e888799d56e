// VocalithUnInstall.exe, the sample uninstaller: says what it is and removes nothing.
#include <windows.h>

#include "product_window_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return RunProductWindow(instance, "UnInstall Vocalith",
                          "This is the Vocalith uninstaller.\r\nKelvu Vocalith sample: nothing is removed.");
}
