// Benchmark of the payload store: inflating the whole catalogue alone, and inflating and writing it.
//   payload_bench [ROUNDS]   (run under Wine with tests/run-in-wine, or on Windows)
#include <windows.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "install/catalogue.h"
#include "install/payload_buffers.h"
#include "install/payload_store_win.h"
#include "shell/setup_state_win.h"

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now()
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

// Runs one pass over the catalogue; returns the bytes of output or -1 on a failure.
long long Pass(unsigned char* buffer, bool write)
{
    long long total = 0;
    for (std::size_t i = 0; i < CatalogueRowCount; ++i) {
        const CatalogueRow& row = Catalogue[i];
        if (row.Action != CatalogueAction::Write) continue;
        unsigned long length = 0;
        if (InflatePayload(row.Item, buffer, CatalogueBufferSize, &length) != Z_OK) return -1;
        if (write && !WritePayloadFile(row.FileName, buffer, length, 0, 0, nullptr)) return -1;
        total += length;
    }
    return total;
}

void Report(const char* what, long long bytes, double seconds)
{
    std::printf("%-22s %8.1f MB in %7.3f s  %8.1f MB/s\n", what, bytes / 1e6, seconds, bytes / 1e6 / seconds);
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 20;
    Setup.ModuleInstance = GetModuleHandleA(nullptr);
    char temp[MAX_PATH];
    if (!GetTempPathA(sizeof temp, temp)) return 1;
    std::snprintf(Setup.InstallFolder, sizeof Setup.InstallFolder, "%svocalith-bench", temp);
    CreateDirectoryA(Setup.InstallFolder, nullptr);
    std::vector<unsigned char> buffer(CatalogueBufferSize);

    long long inflated = 0, written = 0;
    const LARGE_INTEGER start = Now();
    for (int r = 0; r < rounds; ++r) {
        const long long bytes = Pass(buffer.data(), false);
        if (bytes < 0) return std::fprintf(stderr, "payload_bench: an item did not inflate\n"), 1;
        inflated += bytes;
    }
    const LARGE_INTEGER middle = Now();
    for (int r = 0; r < rounds; ++r) {
        const long long bytes = Pass(buffer.data(), true);
        if (bytes < 0) return std::fprintf(stderr, "payload_bench: an item could not be written\n"), 1;
        written += bytes;
    }
    const LARGE_INTEGER end = Now();

    std::printf("catalogue, %d rounds\n", rounds);
    Report("inflate only", inflated, Seconds(start, middle));
    Report("inflate and write", written, Seconds(middle, end));
    return 0;
}
