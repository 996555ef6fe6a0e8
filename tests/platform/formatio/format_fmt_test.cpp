// Fmt's two forms, always bounded and terminated.
#include "platform/formatio/formatio.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

TEST(Fmt, FormatsIntegersAsPlainDecimal)
{
    char buf[32];
    EXPECT_EQ(Fmt(buf, "%s<%i", 3), 1);
    EXPECT_STREQ(buf, "3");
    EXPECT_EQ(Fmt(buf, "%s<%i", -1234567), 8);
    EXPECT_STREQ(buf, "-1234567");
    EXPECT_EQ(Fmt(buf, "%s<%i", INT_MIN), 11);
    EXPECT_STREQ(buf, "-2147483648");
}

TEST(Fmt, CopiesTextAndTreatsNullAsEmpty)
{
    char buf[16];
    EXPECT_EQ(Fmt(buf, "%s<%s", "sensor.local"), 12);
    EXPECT_STREQ(buf, "sensor.local");
    EXPECT_EQ(Fmt(buf, "%s<%s", ""), 0);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(Fmt(buf, "%s<%s", static_cast<const char *>(nullptr)), 0);
    EXPECT_STREQ(buf, "");
}

TEST(Fmt, TruncatesToTheTargetAndNeverWritesPastIt)
{
    char buf[8];
    std::memset(buf, '#', sizeof buf);
    EXPECT_EQ(Fmt(buf, 5, "%s<%s", "abcdefgh"), 4);
    EXPECT_STREQ(buf, "abcd");
    EXPECT_EQ(buf[5], '#');
    EXPECT_EQ(Fmt(buf, 3, "%s<%i", 65535), 2);
    EXPECT_STREQ(buf, "65");
    EXPECT_EQ(Fmt(buf, 1, "%s<%i", 7), 0);
    EXPECT_STREQ(buf, "");
}

TEST(Fmt, OtherFormsAreRefused)
{
    char buf[8] = "keep";
    EXPECT_EQ(Fmt(buf, "%s<%f", 1), kFmtBadFormat);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(Fmt(buf, "%s<%i", "text"), kFmtBadFormat);
    EXPECT_EQ(Fmt(nullptr, 4, "%s<%i", 1), kFmtBadFormat);
    EXPECT_EQ(Fmt(buf, 0, "%s<%i", 1), kFmtBadFormat);
}

}  // namespace
