// Recording the chosen user-interface language in OmniroUI.ini.
#pragma once

#include "install/file_attributes_win.h"

void UpdateUiLanguageSetting();
