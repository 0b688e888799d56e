// The install command's rules: page outcomes, pointer centring and the package hand-off.
#pragma once
#include <cstddef>

// Least whole-second difference between Install and the report of its result.
constexpr double MinimumInstallSeconds = 5.0;
constexpr const char* SapiPackageName = "Sapi51forKelvu.msi";

enum class InstallOutcome {
    FolderRefused,
    InstallationFailed,
    QuestionDeclined,
    NoPackageMemory,
    PackageHandedOff,
};

// The page once Install is accepted: the licence page becomes PageInstalling, later pages stay.
int PageAtInstallStart(int page);
// The page when the command ends: only a refused folder keeps the wizard open.
int PageAfterInstall(int pageAtStart, InstallOutcome outcome);

struct ScreenPoint {
    int X;
    int Y;
};

// A window rectangle; right and bottom are exclusive.
struct ScreenRect {
    int Left;
    int Top;
    int Right;
    int Bottom;
};

// True, with *target the centre of window, when pointer lies outside window and must move there.
bool PointerTarget(const ScreenRect& window, const ScreenPoint& pointer, ScreenPoint* target);

// tempLength is GetTempPathA's result for a buffer of capacity bytes: 0 means the call failed and
// "C:\" stands in; capacity or more means the folder did not fit. False when the temp folder
// with the package name does not fit in capacity bytes; out is then left unchanged.
bool BuildPackagePath(char* out, std::size_t capacity, const char* tempFolder, unsigned long tempLength);

// The package is opened only when this run wrote it; a file of that name found there is not enough.
bool OpensPackage(int extractResult, bool fileExists);
