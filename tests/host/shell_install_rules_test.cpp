// The install command's decisions: pages, pointer, package path and whether to open the package.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "shell/install_command.h"
#include "shell/wizard_state.h"

namespace {

TEST(InstallRules, PageOutcomes)
{
    EXPECT_EQ(PageInstalling, PageAtInstallStart(PageLicence));
    for (int page : {3, 50, 98, 99}) EXPECT_EQ(page, PageAtInstallStart(page));

    struct Case {
        int Before;
        InstallOutcome Outcome;
        int After;
    };
    const Case cases[] = {
        {PageLicence, InstallOutcome::FolderRefused, PageInstalling},
        {3, InstallOutcome::FolderRefused, 3},
        {98, InstallOutcome::FolderRefused, 98},
        {PageInstalling, InstallOutcome::FolderRefused, PageInstalling},
        {PageLicence, InstallOutcome::InstallationFailed, PageQuit},
        {50, InstallOutcome::QuestionDeclined, PageQuit},
        {PageLicence, InstallOutcome::NoPackageMemory, PageQuit},
        {PageInstalling, InstallOutcome::PackageHandedOff, PageQuit},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.After, PageAfterInstall(PageAtInstallStart(c.Before), c.Outcome))
            << "from " << c.Before << " outcome " << static_cast<int>(c.Outcome);
    }
}

TEST(InstallRules, PointerMovesToCentreOnlyFromOutside)
{
    const ScreenRect wizard = {100, 50, 781, 413};  // odd sizes: the halves truncate
    struct Case {
        ScreenPoint Pointer;
        bool Moves;
    };
    const Case cases[] = {
        {{100, 50}, false}, {{780, 412}, false}, {{400, 200}, false},
        {{781, 200}, true}, {{400, 413}, true},  {{99, 200}, true},   {{400, 49}, true}, {{-5, -5}, true},
    };
    for (const Case& c : cases) {
        ScreenPoint target = {-1, -1};
        EXPECT_EQ(c.Moves, PointerTarget(wizard, c.Pointer, &target)) << c.Pointer.X << "," << c.Pointer.Y;
        if (c.Moves) {
            EXPECT_EQ(100 + 681 / 2, target.X);
            EXPECT_EQ(50 + 363 / 2, target.Y);
        }
    }
    ScreenPoint target{};
    ASSERT_TRUE(PointerTarget({-301, -101, -100, 0}, {0, 0}, &target));
    EXPECT_EQ(-301 + 201 / 2, target.X);  // -201: truncated toward zero, not floored
    EXPECT_EQ(-101 + 101 / 2, target.Y);
}

TEST(InstallRules, PackagePathInTheTempFolder)
{
    char path[260];
    const char temp[] = "C:\\users\\me\\Temp\\";
    ASSERT_TRUE(BuildPackagePath(path, sizeof path, temp, sizeof temp - 1));
    EXPECT_STREQ("C:\\users\\me\\Temp\\Sapi51forKelvu.msi", path);
}

TEST(InstallRules, PackagePathFallsBackToDriveCWhenTheTempFolderIsUnknown)
{
    char path[260];
    ASSERT_TRUE(BuildPackagePath(path, sizeof path, "garbage left by the failed call", 0));
    EXPECT_STREQ("C:\\Sapi51forKelvu.msi", path);
}

TEST(InstallRules, PackagePathMustFitTheBuffer)
{
    const std::size_t name = std::strlen(SapiPackageName);
    const std::string fits(259 - name, 't');
    const std::string tooLong(260 - name, 't');
    char path[260];
    ASSERT_TRUE(BuildPackagePath(path, sizeof path, fits.c_str(), static_cast<unsigned long>(fits.size())));
    EXPECT_EQ(259u, std::strlen(path));

    std::snprintf(path, sizeof path, "%s", "untouched");
    EXPECT_FALSE(BuildPackagePath(path, sizeof path, tooLong.c_str(), static_cast<unsigned long>(tooLong.size())));
    EXPECT_STREQ("untouched", path);
    // GetTempPathA reports a folder too long for the buffer by the size it would need.
    EXPECT_FALSE(BuildPackagePath(path, sizeof path, "", 300));
    EXPECT_FALSE(BuildPackagePath(path, sizeof path, "", 260));
    EXPECT_STREQ("untouched", path);
}

TEST(InstallRules, PackageOpenedOnlyWhenThisRunWroteIt)
{
    EXPECT_TRUE(OpensPackage(1, true));
    EXPECT_FALSE(OpensPackage(0, true));  // a file left there earlier, or planted
    EXPECT_FALSE(OpensPackage(0, false));
    EXPECT_FALSE(OpensPackage(1, false));
}

}  // namespace
