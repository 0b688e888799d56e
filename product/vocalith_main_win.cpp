// Vocalith.exe, the sample product: shows the interface language set in OmniroUI.ini beside it.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "product_window_win.h"
#include "install/settings_file.h"
#include "shell/wizard_pages.h"

namespace {

constexpr int NotSet = -1;

// "<folder of this program>\OmniroUI.ini"; false when it does not fit.
bool SettingsPath(char* path, DWORD capacity) {
  const DWORD length = GetModuleFileNameA(nullptr, path, capacity);
  if (length == 0 || length >= capacity) return false;
  char* slash = std::strrchr(path, '\\');
  if (!slash) return false;
  const std::size_t folderLength = static_cast<std::size_t>(slash - path);
  const int written = std::snprintf(slash, capacity - folderLength, "\\%s", SettingsFileName);
  return written > 0 && static_cast<std::size_t>(written) < capacity - folderLength;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH];
  char text[MAX_PATH + 128];
  int written = 0;
  if (!SettingsPath(path, sizeof path)) {
    written = std::snprintf(text, sizeof text, "Vocalith cannot find the folder it runs from.");
  } else {
    const int language = static_cast<int>(GetPrivateProfileIntA("Config", "UILanguage", NotSet, path));
    if (language == NotSet) {
      written = std::snprintf(text, sizeof text, "Interface language: not set\r\n(no [Config] UILanguage in %s)", path);
    } else {
      written = std::snprintf(text, sizeof text, "Interface language: %d %s\r\n(from %s)", language,
                              *UiLanguageName(language) ? UiLanguageName(language) : "unknown", path);
    }
  }
  if (written < 0 || static_cast<std::size_t>(written) >= sizeof text) return 1;
  return RunProductWindow(instance, "Kelvu Vocalith", text);
}
