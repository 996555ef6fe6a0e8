// StringUpperCase and CopyString.
#include "platform/utility/utility.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(UtilityString, UpperCaseTouchesAsciiLettersOnly)
{
    char text[] = "abc-xyz 09 \xC3\xA4 AbC";
    StringUpperCase(text);
    EXPECT_STREQ(text, "ABC-XYZ 09 \xC3\xA4 ABC");
    StringUpperCase(nullptr);
}

TEST(UtilityString, CopyStringCopiesARangeAndTerminates)
{
    char target[16];
    std::memset(target, '#', sizeof target);
    std::memcpy(target, "ab", 2);
    CopyString(target, 2, "0123456789", 3, 4);
    EXPECT_STREQ(target, "ab3456");
    EXPECT_EQ(target[7], '#');

    CopyString(target, 0, "hello", 1, -1);
    EXPECT_STREQ(target, "ello");
    CopyString(target, 1, "zzz", 0, 0);
    EXPECT_STREQ(target, "e");
}

TEST(UtilityString, CopyStringNeverReadsPastTheSource)
{
    char target[16];
    std::memset(target, '#', sizeof target);
    CopyString(target, 0, "abc", 1, 100);   // count beyond the end stops at the terminator
    EXPECT_STREQ(target, "bc");
    EXPECT_EQ(target[3], '#');

    // A source without room after its terminator: a start past it copies nothing.
    const char source[4] = {'x', 'y', '\0', 'q'};
    CopyString(target, 0, source, 3, 5);
    EXPECT_STREQ(target, "");

    std::strcpy(target, "keep");
    CopyString(target, 0, nullptr, 0, 3);
    CopyString(target, -1, "x", 0, 1);
    CopyString(target, 0, "x", 0, -2);
    EXPECT_STREQ(target, "keep");
}

TEST(UtilityString, CopyStringWithinOneBufferShiftsSafely)
{
    char text[16] = "0123456789";
    CopyString(text, 2, text, 0, 5);
    EXPECT_STREQ(text, "0101234");
}

}  // namespace
