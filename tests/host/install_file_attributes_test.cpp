// The attribute words: only read-only and hidden change, every other bit comes through.
#include <gtest/gtest.h>

#include "install/file_attributes.h"

namespace {

TEST(FileAttributes, ClearsOnlyTheBitsAskedFor)
{
    struct Case {
        unsigned long before;
        int readOnly;
        int hidden;
        unsigned long after;
    } cases[] = {
        {0x23, 1, 1, 0x20}, {0x23, 1, 0, 0x22}, {0x23, 0, 1, 0x21}, {0x23, 0, 0, 0x23}, {0x80, 1, 1, 0x80},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.after, ClearedAttributes(c.before, c.readOnly, c.hidden)) << std::hex << c.before;
    }
}

TEST(FileAttributes, AddsOnlyTheBitsAskedFor)
{
    struct Case {
        unsigned long before;
        int readOnly;
        int hidden;
        unsigned long after;
    } cases[] = {
        {0x20, 0, 0, 0x20}, {0x20, 1, 0, 0x21}, {0x20, 0, 1, 0x22}, {0x21, 1, 1, 0x23}, {0x04, 1, 1, 0x07},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.after, WithProtection(c.before, c.readOnly, c.hidden)) << std::hex << c.before;
    }
}

}  // namespace
