// One link of a link list; a list ends with an entry whose Name is null.
#pragma once

struct ShortcutEntry {
    const char* Name;
    const char* Target;
};
