// The English and Simplified-Chinese link names (this file compiles to GB2312), and the choice.
#include "install/shortcut_names.h"

const ShortcutNames EnglishShortcutNames = {"Kelvu Vocalith", "UnInstall Vocalith"};
const ShortcutNames SimplifiedShortcutNames = {"柯尔伍沃卡里", "柯尔伍沃卡里卸载"};

const ShortcutNames& ShortcutNamesFor(int systemChinese)
{
    if (systemChinese == 1) return SimplifiedShortcutNames;
    if (systemChinese == 2) return TraditionalShortcutNames;
    return EnglishShortcutNames;
}
