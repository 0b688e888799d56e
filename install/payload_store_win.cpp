// Payload store: inflating the zlib items embedded as "TEXT" resources and writing them as files.
#include "install/payload_store_win.h"

#include <windows.h>
#include <zlib.h>

#include <cstdio>

#include "install/file_attributes_win.h"
#include "install/payload_target.h"
#include "install/temporary_file_win.h"
#include "shell/setup_state_win.h"

namespace {

bool WriteWhole(const char* path, const unsigned char* bytes, unsigned long length)
{
    FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    const size_t written = std::fwrite(bytes, 1, length, file);
    // A failed close can lose buffered bytes, so it counts as a short write.
    const bool closed = std::fclose(file) == 0;
    return written == length && closed;
}

}  // namespace

int InflatePayload(unsigned short item, unsigned char* destination, unsigned long capacity,
                   unsigned long* inflatedLength)
{
    HRSRC found = FindResourceA(Setup.ModuleInstance, MAKEINTRESOURCEA(item), "TEXT");
    if (!found) return Z_STREAM_ERROR;
    HGLOBAL loaded = LoadResource(Setup.ModuleInstance, found);
    const void* stored = loaded ? LockResource(loaded) : nullptr;
    const DWORD storedSize = SizeofResource(Setup.ModuleInstance, found);
    if (!stored || storedSize == 0) return Z_STREAM_ERROR;

    uLongf length = capacity;
    const int result = uncompress(destination, &length, static_cast<const Bytef*>(stored), storedSize);
    if (result == Z_OK) *inflatedLength = length;
    return result;
}

int WritePayloadFile(const char* fileName, const unsigned char* bytes, unsigned long length, int readOnly,
                     int hidden, const char* explicitPath)
{
    char target[PathCapacity];
    if (!BuildPayloadTarget(target, sizeof target, Setup.InstallFolder, fileName, explicitPath)) return 0;

    ClearProtectiveAttributes(target, 1, 1);

    // Write beside the target and move over it only once every byte is on disk, so a failed or
    // short write never leaves a truncated file where the old one was.
    TemporaryFileBeside temporary(target);
    if (!temporary.Created()) return 0;
    if (!WriteWhole(temporary.Path(), bytes, length)) return 0;
    if (!temporary.MoveOver(target)) return 0;

    if (readOnly || hidden) AddProtectiveAttributes(target, readOnly, hidden);
    return 1;
}

int ExtractPayload(unsigned short item, const char* fileName, unsigned char* buffer, unsigned long capacity,
                   int readOnly, int hidden, const char* explicitPath)
{
    unsigned long length = 0;
    if (InflatePayload(item, buffer, capacity, &length) != Z_OK) return 0;
    return WritePayloadFile(fileName, buffer, length, readOnly, hidden, explicitPath);
}
