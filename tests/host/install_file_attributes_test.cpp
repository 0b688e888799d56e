// The attribute words: only read-only and hidden change, every other bit comes through.
#include <gtest/gtest.h>

#include "install/file_attributes.h"

namespace {

TEST(FileAttributes, ClearAndAddOnlyTheBitsAskedFor)
{
    struct Case {
        unsigned long before;
        int readOnly;
        int hidden;
        unsigned long cleared;
        unsigned long added;
    } cases[] = {
        {0x23, 1, 1, 0x20, 0x23}, {0x23, 1, 0, 0x22, 0x23}, {0x23, 0, 1, 0x21, 0x23}, {0x23, 0, 0, 0x23, 0x23},
        {0x20, 1, 0, 0x20, 0x21}, {0x20, 0, 1, 0x20, 0x22}, {0x84, 1, 1, 0x84, 0x87},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.cleared, ClearedAttributes(c.before, c.readOnly, c.hidden)) << std::hex << c.before;
        EXPECT_EQ(c.added, WithProtection(c.before, c.readOnly, c.hidden)) << std::hex << c.before;
    }
}

}  // namespace
