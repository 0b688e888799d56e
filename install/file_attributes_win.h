// Lowering and raising a file's read-only and hidden attributes on disk.
#pragma once

// Removes read-only and/or hidden from an existing file; writes nothing when neither was set.
void ClearProtectiveAttributes(const char* path, int clearReadOnly, int clearHidden);
// Adds read-only and/or hidden to an existing file, keeping every other bit.
void AddProtectiveAttributes(const char* path, int readOnly, int hidden);
