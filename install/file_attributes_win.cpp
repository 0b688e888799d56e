// Lowering and raising a file's read-only and hidden attributes on disk.
#include "install/file_attributes_win.h"

#include <windows.h>

#include "install/file_attributes.h"

void ClearProtectiveAttributes(const char* path, int clearReadOnly, int clearHidden)
{
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    const DWORD cleared = ClearedAttributes(attributes, clearReadOnly, clearHidden);
    if (cleared != attributes) SetFileAttributesA(path, cleared);
}

void AddProtectiveAttributes(const char* path, int readOnly, int hidden)
{
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesA(path, WithProtection(attributes, readOnly, hidden));
}
