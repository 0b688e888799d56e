// Where payload files go: path building within the 260-byte buffer.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "install/payload_target.h"

namespace {

TEST(PayloadTarget, JoinsFolderAndNameOrTakesTheExplicitPath)
{
    struct Case {
        const char* folder;
        const char* name;
        const char* explicitPath;
        const char* expected;
    } cases[] = {
        {"C:\\Vocalith", "ChnBmp.bin", nullptr, "C:\\Vocalith\\ChnBmp.bin"},
        {"C:\\Vocalith\\", "ChnBmp.bin", nullptr, "C:\\Vocalith\\\\ChnBmp.bin"},  // used unchanged
        {"C:\\Vocalith", "ignored.bin", "C:\\temp\\Sapi51forKelvu.msi", "C:\\temp\\Sapi51forKelvu.msi"},
    };
    for (const Case& c : cases) {
        char out[260];
        std::memset(out, 'x', sizeof out);
        ASSERT_TRUE(BuildPayloadTarget(out, sizeof out, c.folder, c.name, c.explicitPath)) << c.expected;
        EXPECT_STREQ(c.expected, out);
    }
}

TEST(PayloadTarget, RefusesAPathThatDoesNotFitIn259Bytes)
{
    const std::string folder = "C:\\" + std::string(245, 'f');  // 248 bytes
    char out[260];
    // 248 + "\" + 10 = 259 bytes: the longest that fits with its terminator.
    EXPECT_TRUE(BuildPayloadTarget(out, sizeof out, folder.c_str(), "ChnBmp.bin", nullptr));
    EXPECT_EQ(259u, std::string(out).size());
    EXPECT_FALSE(BuildPayloadTarget(out, sizeof out, folder.c_str(), "ChnBmp.bin1", nullptr));
    EXPECT_STREQ("", out);
    const std::string longExplicit(260, 'p');
    EXPECT_FALSE(BuildPayloadTarget(out, sizeof out, "C:", "x", longExplicit.c_str()));
}

TEST(PayloadTarget, FolderOfATarget)
{
    struct Case {
        const char* target;
        const char* folder;
    } cases[] = {
        {"C:\\Vocalith\\ChnBmp.bin", "C:\\Vocalith"},
        {"C:\\Vocalith\\\\ChnBmp.bin", "C:\\Vocalith\\"},
        {"C:\\Sapi51forKelvu.msi", "C:\\"},
        {"\\file", "\\"},
        {"Z:/tmp/a/b.bin", "Z:/tmp/a"},
        {"plain.bin", "."},
    };
    for (const Case& c : cases) {
        char out[260];
        ASSERT_TRUE(PayloadTargetFolder(out, sizeof out, c.target)) << c.target;
        EXPECT_STREQ(c.folder, out) << c.target;
    }
    char tiny[3];
    EXPECT_FALSE(PayloadTargetFolder(tiny, sizeof tiny, "C:\\abc\\d"));
}

}  // namespace
