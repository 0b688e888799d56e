// The UILanguage update on real files: which line is taken, what is written, what is left alone.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "install/settings_file.h"

namespace {

const std::string AppendedBlock0 = "\r\n[Config]\r\nUILanguage=0\r\n\r\n";
const std::string AppendedBlock2 = "\r\n[Config]\r\nUILanguage=2\r\n\r\n";

// A shipped-like settings file: sections, keys, CR LF lines, no UILanguage.
const std::string Shipped =
    "[Voice]\r\nSpeed=5\r\nVolume=80\r\n\r\n[Window]\r\nLeft=100\r\nTop=120\r\n; UI follows the system\r\n";

// A folder of its own under the temp folder, removed with its files afterwards.
class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/vocalith-settings-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(pattern));
        folder_ = pattern;
        path_ = folder_ + "/OmniroUI.ini";
        updated_ = folder_ + "/updated.tmp";
    }
    void TearDown() override
    {
        std::remove(path_.c_str());
        std::remove(updated_.c_str());
        rmdir(folder_.c_str());
    }

    void Write(const std::string& bytes) const
    {
        FILE* file = std::fopen(path_.c_str(), "wb");
        ASSERT_NE(nullptr, file);
        ASSERT_EQ(bytes.size(), std::fwrite(bytes.data(), 1, bytes.size(), file));
        std::fclose(file);
    }

    static std::string Read(const std::string& path)
    {
        FILE* file = std::fopen(path.c_str(), "rb");
        if (!file) return "<missing>";
        std::string bytes;
        char chunk[512];
        std::size_t got;
        while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.append(chunk, got);
        std::fclose(file);
        return bytes;
    }

    // The update as the setup does it: write the result beside the file, then move it over.
    std::string Update(const std::string& before, int value)
    {
        Write(before);
        EXPECT_EQ(1, WriteUpdatedSettings(path_.c_str(), updated_.c_str(), value));
        EXPECT_EQ(0, std::rename(updated_.c_str(), path_.c_str()));
        return Read(path_);
    }

    std::string folder_;
    std::string path_;
    std::string updated_;
};

TEST_F(SettingsFile, ShippedFileGrowsByExactlyTheConfigBlock)
{
    const std::string after = Update(Shipped, 2);
    EXPECT_EQ(Shipped.size() + 28, after.size());
    EXPECT_EQ(Shipped + AppendedBlock2, after);
}

TEST_F(SettingsFile, EmptyFileBecomesTheBlockAlone)
{
    EXPECT_EQ(AppendedBlock0, Update("", 0));
    EXPECT_EQ(28u, AppendedBlock0.size());
}

TEST_F(SettingsFile, ReplacesTheValueOfTheKeyLineAndKeepsEveryOtherByte)
{
    struct Case {
        const char* name;
        std::string before;
        int value;
        std::string after;
    } cases[] = {
        {"digit in another section", "[A]\r\nUILanguage=1\r\n[Config]\r\nX=1\r\n", 0,
         "[A]\r\nUILanguage=0\r\n[Config]\r\nX=1\r\n"},
        {"last line without line end", "[Config]\r\nUILanguage=1", 2, "[Config]\r\nUILanguage=2"},
        {"multi-digit value", "[Config]\r\nUILanguage=12\r\nNext=3\r\n", 1, "[Config]\r\nUILanguage=1\r\nNext=3\r\n"},
        {"text after the value", "[Config]\r\nUILanguage=1 ; English\r\nNext=3\r\n", 2,
         "[Config]\r\nUILanguage=2\r\nNext=3\r\n"},
        {"empty value", "UILanguage=\r\n", 2, "UILanguage=2\r\n"},
        {"leading blanks kept", "[Config]\r\n \tUILanguage=0\r\n", 1, "[Config]\r\n \tUILanguage=1\r\n"},
        {"bare line feeds", "[Config]\nUILanguage=0\nNext=1\n", 2, "[Config]\nUILanguage=2\nNext=1\n"},
        {"only the first key line", "UILanguage=0\r\nUILanguage=0\r\n", 1, "UILanguage=1\r\nUILanguage=0\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.after, Update(c.before, c.value)) << c.name;
    }
}

TEST_F(SettingsFile, LinesThatOnlyContainTheTextAreLeftAlone)
{
    const char* lines[] = {
        "; UILanguage=1 is set by the setup\r\n",
        "MyUILanguage=1\r\n",
        "uilanguage=1\r\n",  // the key is case-sensitive
        "UILanguage =1\r\n",
        "[UILanguage=1]\r\n",
    };
    for (const char* line : lines) {
        const std::string before = std::string("[Config]\r\n") + line;
        EXPECT_EQ(before + AppendedBlock2, Update(before, 2)) << line;
    }
}

TEST_F(SettingsFile, FindsTheKeyAroundAndInsideOverLongLines)
{
    const std::string longLine = "Comment=" + std::string(600, 'c') + "\r\n";
    EXPECT_EQ(longLine + "UILanguage=2\r\n", Update(longLine + "UILanguage=0\r\n", 2));

    // The key starts past the first 255 bytes of its line.
    const std::string blanks(300, ' ');
    EXPECT_EQ(blanks + "UILanguage=1\r\nX=1\r\n", Update(blanks + "UILanguage=0\r\nX=1\r\n", 1));

    // A value that runs on for hundreds of bytes goes as a whole.
    EXPECT_EQ("UILanguage=0\r\nX=1\r\n", Update("UILanguage=1" + std::string(700, '9') + "\r\nX=1\r\n", 0));

    // The key text deep inside a long line is no key.
    const std::string inside = "Note=" + std::string(400, 'n') + "UILanguage=1\r\n";
    EXPECT_EQ(inside + AppendedBlock0, Update(inside, 0));
}

TEST_F(SettingsFile, MissingFileStaysMissing)
{
    EXPECT_EQ(0, WriteUpdatedSettings(path_.c_str(), updated_.c_str(), 1));
    EXPECT_EQ("<missing>", Read(path_));
    EXPECT_EQ("<missing>", Read(updated_));
}

TEST_F(SettingsFile, AReadErrorEndsTheUpdateWithoutAResult)
{
    // A folder opens as a stream here but every read fails.
    const std::string folderAsFile = folder_ + "/sub";
    ASSERT_EQ(0, mkdir(folderAsFile.c_str(), 0700));
    EXPECT_EQ(0, WriteUpdatedSettings(folderAsFile.c_str(), updated_.c_str(), 1));
    EXPECT_EQ("<missing>", Read(updated_));
    rmdir(folderAsFile.c_str());
}

TEST_F(SettingsFile, AResultThatCannotBeWrittenIsAFailure)
{
    Write(Shipped);
    const std::string noFolder = folder_ + "/missing/updated.tmp";
    EXPECT_EQ(0, WriteUpdatedSettings(path_.c_str(), noFolder.c_str(), 1));
    EXPECT_EQ(Shipped, Read(path_));
}

}  // namespace
