// The payload store against real resources of this test program and real files under Wine.
#include <gtest/gtest.h>
#include <windows.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "install/payload_store_win.h"
#include "payload_fixture_ids.h"
#include "shell/setup_state_win.h"
#include "test_files.h"

namespace {

std::string FixturePattern(size_t length)
{
    std::string bytes;
    while (bytes.size() < length) bytes += "0123456789abcdef";
    bytes.resize(length);
    return bytes;
}

// Each test writes into a fresh folder of its own.
class PayloadStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        lstrcpynA(::Setup.InstallFolder, folder_.Path().c_str(), sizeof ::Setup.InstallFolder);
        ::Setup.ModuleInstance = GetModuleHandleA(nullptr);
    }

    std::vector<std::string> Entries() const { return FolderEntries(folder_.Path()); }
    std::string Path(const char* name) const { return folder_.Child(name); }

    void MakeFile(const char* name, const std::string& bytes, DWORD attributes) const
    {
        WriteFileBytes(Path(name), bytes);
        ASSERT_TRUE(SetFileAttributesA(Path(name).c_str(), attributes));
    }

    TemporaryFolder folder_;
    std::vector<unsigned char> buffer_ = std::vector<unsigned char>(FixtureExactLength + 64, 0xCC);
};

TEST_F(PayloadStore, InflatesAnItemThatExactlyFillsTheCapacity)
{
    unsigned long length = 0;
    ASSERT_EQ(Z_OK, InflatePayload(FixtureExactItem, buffer_.data(), FixtureExactLength, &length));
    EXPECT_EQ(FixtureExactLength, length);
    EXPECT_EQ(FixturePattern(FixtureExactLength), std::string(buffer_.begin(), buffer_.begin() + length));
}

TEST_F(PayloadStore, OneByteTooSmallFailsAndWritesNothing)
{
    unsigned long length = 0;
    EXPECT_EQ(Z_BUF_ERROR, InflatePayload(FixtureExactItem, buffer_.data(), FixtureExactLength - 1, &length));
    EXPECT_EQ(0, ExtractPayload(FixtureExactItem, "short.bin", buffer_.data(), FixtureExactLength - 1, 0, 0, nullptr));
    EXPECT_TRUE(Entries().empty());
}

TEST_F(PayloadStore, DamagedAndMissingItemsFailWithTheirCodes)
{
    unsigned long length = 0;
    EXPECT_EQ(Z_DATA_ERROR, InflatePayload(FixtureDamagedItem, buffer_.data(), buffer_.size(), &length));
    EXPECT_EQ(Z_STREAM_ERROR, InflatePayload(FixtureMissingItem, buffer_.data(), buffer_.size(), &length));
    EXPECT_EQ(0, ExtractPayload(FixtureMissingItem, "missing.bin", buffer_.data(), buffer_.size(), 1, 1, nullptr));
    EXPECT_EQ(0, ExtractPayload(FixtureDamagedItem, "damaged.bin", buffer_.data(), buffer_.size(), 1, 1, nullptr));
    EXPECT_TRUE(Entries().empty());
}

TEST_F(PayloadStore, FindsAnItemStoredUnderAnotherLanguage)
{
    unsigned long length = 0;
    ASSERT_EQ(Z_OK, InflatePayload(FixtureEnglishItem, buffer_.data(), buffer_.size(), &length));
    EXPECT_EQ(std::string(FixtureEnglishText), std::string(buffer_.begin(), buffer_.begin() + length));
}

TEST_F(PayloadStore, AttributesAfterWritingOverAProtectedFile)
{
    struct Case {
        int readOnly, hidden;
        DWORD expected;
    } cases[] = {
        {0, 0, 0},
        {1, 0, FILE_ATTRIBUTE_READONLY},
        {0, 1, FILE_ATTRIBUTE_HIDDEN},
        {1, 1, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN},
    };
    for (const Case& c : cases) {
        MakeFile("target.bin", "old bytes", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
        ASSERT_EQ(1, ExtractPayload(FixtureExactItem, "target.bin", buffer_.data(), FixtureExactLength, c.readOnly,
                                    c.hidden, nullptr));
        const DWORD attributes = GetFileAttributesA(Path("target.bin").c_str());
        EXPECT_EQ(c.expected, attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN))
            << "read-only " << c.readOnly << " hidden " << c.hidden;
        EXPECT_TRUE(attributes & FILE_ATTRIBUTE_ARCHIVE) << "the archive bit of the new file is kept";
        EXPECT_EQ(FixturePattern(FixtureExactLength), ReadFileBytes(Path("target.bin")));
        SetFileAttributesA(Path("target.bin").c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    EXPECT_EQ(std::vector<std::string>{"target.bin"}, Entries()) << "no temporary file is left behind";
}

TEST_F(PayloadStore, ExplicitPathWinsOverFolderAndName)
{
    const std::string other = Path("elsewhere.msi");
    lstrcpynA(::Setup.InstallFolder, "C:\\no-such-folder-for-vocalith", sizeof ::Setup.InstallFolder);
    ASSERT_EQ(1, WritePayloadFile("ignored.bin", reinterpret_cast<const unsigned char*>("abc"), 3, 0, 0,
                                  other.c_str()));
    EXPECT_EQ("abc", ReadFileBytes(other));
    EXPECT_EQ(std::vector<std::string>{"elsewhere.msi"}, Entries());
}

TEST_F(PayloadStore, FolderEndingInASeparatorStillWrites)
{
    const std::string withSeparator = folder_.Path() + "\\";
    lstrcpynA(::Setup.InstallFolder, withSeparator.c_str(), sizeof ::Setup.InstallFolder);
    ASSERT_EQ(1, WritePayloadFile("doubled.bin", reinterpret_cast<const unsigned char*>("xy"), 2, 0, 0, nullptr));
    EXPECT_EQ("xy", ReadFileBytes(Path("doubled.bin")));
}

TEST_F(PayloadStore, TargetHeldOpenKeepsItsOldBytes)
{
    MakeFile("locked.exe", "old program", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    HANDLE held = CreateFileA(Path("locked.exe").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_EQ(0, ExtractPayload(FixtureExactItem, "locked.exe", buffer_.data(), FixtureExactLength, 1, 0, nullptr));
    CloseHandle(held);
    EXPECT_EQ("old program", ReadFileBytes(Path("locked.exe")));
    EXPECT_EQ(std::vector<std::string>{"locked.exe"}, Entries()) << "no temporary file is left behind";
}

TEST_F(PayloadStore, RefusesTargetsThatAreTooLongOrAFolder)
{
    const std::string longName(260, 'n');
    EXPECT_EQ(0, WritePayloadFile(longName.c_str(), reinterpret_cast<const unsigned char*>("x"), 1, 0, 0, nullptr));
    ASSERT_TRUE(CreateDirectoryA(Path("ChnBmp.bin").c_str(), nullptr));
    EXPECT_EQ(0, ExtractPayload(FixtureExactItem, "ChnBmp.bin", buffer_.data(), FixtureExactLength, 1, 1, nullptr));
    EXPECT_TRUE(GetFileAttributesA(Path("ChnBmp.bin").c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(std::vector<std::string>{"ChnBmp.bin"}, Entries());
}

}  // namespace
