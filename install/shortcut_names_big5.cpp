// The Traditional-Chinese link names; the build compiles this file alone to Big5 bytes.
#include "install/shortcut_names.h"

const ShortcutNames TraditionalShortcutNames = {"柯爾伍沃卡裡", "柯爾伍沃卡裡卸載"};
