// The product's link names, one pair per system Chinese variant.
#pragma once

struct ShortcutNames {
    const char* Product;    // also the Start-menu group's folder name
    const char* Uninstall;
};

// SystemChinese 1 gives the GB2312 names, 2 the Big5 names, anything else the English names.
const ShortcutNames& ShortcutNamesFor(int systemChinese);

extern const ShortcutNames EnglishShortcutNames;
extern const ShortcutNames SimplifiedShortcutNames;
extern const ShortcutNames TraditionalShortcutNames;
