#include <gtest/gtest.h>
#include <cstring>
#include "shell/messages.h"
TEST(Smoke, Gb2312) { EXPECT_EQ(0, std::strcmp(CannotCreateFolderText, "Cannot create folder!")); EXPECT_EQ((unsigned char)OutOfMemoryMessage.Chinese[0], 0xC4); }
