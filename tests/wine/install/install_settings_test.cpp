// The settings update on real files under Wine: content, attributes before and after, no leftovers.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "install/settings_file_win.h"
#include "install_test_support.h"
#include "shell/setup_state_win.h"

namespace {

constexpr DWORD Protected = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;

class SettingsUpdate : public ::testing::Test {
protected:
    void SetUp() override
    {
        lstrcpynA(::Setup.InstallFolder, folder_.Path().c_str(), sizeof ::Setup.InstallFolder);
        ::Setup.UiLanguage = 2;
    }
    std::string Ini() const { return folder_.Child("OmniroUI.ini"); }
    void MakeIni(const std::string& bytes, DWORD attributes) const
    {
        WriteFileBytes(Ini(), bytes);
        ASSERT_TRUE(SetFileAttributesA(Ini().c_str(), attributes));
    }
    DWORD Attributes() const { return GetFileAttributesA(Ini().c_str()); }

    TemporaryFolder folder_;
};

TEST_F(SettingsUpdate, AProtectedFileIsUpdatedAndEndsProtectedWithItsOtherBits)
{
    struct Case {
        const char* name;
        std::string before;
        std::string after;
    } cases[] = {
        {"in place", "[Config]\r\nUILanguage=0\r\nVoice=1\r\n", "[Config]\r\nUILanguage=2\r\nVoice=1\r\n"},
        {"appended", "[Voice]\r\nSpeed=5\r\n", "[Voice]\r\nSpeed=5\r\n\r\n[Config]\r\nUILanguage=2\r\n\r\n"},
    };
    for (const Case& c : cases) {
        MakeIni(c.before, Protected | FILE_ATTRIBUTE_ARCHIVE);
        UpdateUiLanguageSetting();
        EXPECT_EQ(c.after, ReadFileBytes(Ini())) << c.name;
        EXPECT_EQ(Protected | FILE_ATTRIBUTE_ARCHIVE, Attributes()) << c.name;
        EXPECT_EQ(std::vector<std::string>{"OmniroUI.ini"}, FolderEntries(folder_.Path())) << c.name;
        SetFileAttributesA(Ini().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

TEST_F(SettingsUpdate, AnUnprotectedFileEndsReadOnlyAndHidden)
{
    MakeIni("", FILE_ATTRIBUTE_NORMAL);
    UpdateUiLanguageSetting();
    EXPECT_EQ("\r\n[Config]\r\nUILanguage=2\r\n\r\n", ReadFileBytes(Ini()));
    EXPECT_EQ(Protected, Attributes() & Protected);
}

TEST_F(SettingsUpdate, AMissingFileStaysMissing)
{
    UpdateUiLanguageSetting();
    EXPECT_TRUE(FolderEntries(folder_.Path()).empty());
}

TEST_F(SettingsUpdate, AFileHeldOpenKeepsItsBytesAndIsStillProtected)
{
    const std::string before = "[Config]\r\nUILanguage=0\r\n";
    MakeIni(before, FILE_ATTRIBUTE_NORMAL);
    HANDLE held = CreateFileA(Ini().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    UpdateUiLanguageSetting();
    CloseHandle(held);
    EXPECT_EQ(before, ReadFileBytes(Ini()));
    EXPECT_EQ(Protected, Attributes() & Protected);
    EXPECT_EQ(std::vector<std::string>{"OmniroUI.ini"}, FolderEntries(folder_.Path())) << "no temporary file left";
}

TEST_F(SettingsUpdate, ClearProtectiveAttributesRemovesOnlyWhatIsAsked)
{
    struct Case {
        int readOnly, hidden;
        DWORD after;
    } cases[] = {
        {1, 1, FILE_ATTRIBUTE_ARCHIVE},
        {1, 0, FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN},
        {0, 1, FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY},
    };
    for (const Case& c : cases) {
        MakeIni("x", Protected | FILE_ATTRIBUTE_ARCHIVE);
        ClearProtectiveAttributes(Ini().c_str(), c.readOnly, c.hidden);
        EXPECT_EQ(c.after, Attributes()) << c.readOnly << c.hidden;
        SetFileAttributesA(Ini().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

}  // namespace
