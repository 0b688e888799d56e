// Recording the chosen user-interface language in OmniroUI.ini.
#pragma once

void UpdateUiLanguageSetting();
void ClearProtectiveAttributes(const char* path, int clearReadOnly, int clearHidden);
