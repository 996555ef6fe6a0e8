// Timer, date and time texts, the program directory.
#include "platform/utility/utility.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <clocale>
#include <cstring>
#include <ctime>
#include <regex>
#include <string>

namespace {

std::string StrftimeNow(const char *format)
{
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    char buf[32];
    std::strftime(buf, sizeof buf, format, &t);
    return buf;
}

TEST(UtilityTime, TimerIsMonotonicSeconds)
{
    const double a = Timer();
    const double b = Timer();
    EXPECT_GE(b, a);
    Sleep(20);
    const double c = Timer();
    EXPECT_GE(c - b, 0.019);
    EXPECT_LT(c - b, 5.0);   // seconds, not milliseconds
}

TEST(UtilityTime, DateAndTimeAreTheLocalClockInFixedForms)
{
    const std::string before = StrftimeNow("%m-%d-%Y");
    const std::string date = DateStr();
    const std::string after = StrftimeNow("%m-%d-%Y");
    EXPECT_TRUE(date == before || date == after) << date;
    EXPECT_TRUE(std::regex_match(date, std::regex(R"(\d\d-\d\d-\d{4})"))) << date;

    const std::string time = TimeStr();
    EXPECT_TRUE(std::regex_match(time, std::regex(R"(([01]\d|2[0-3]):[0-5]\d:[0-5]\d)"))) << time;
    const std::string now = StrftimeNow("%H:%M");
    const std::string later = StrftimeNow("%H:%M");
    EXPECT_TRUE(time.substr(0, 5) == now || time.substr(0, 5) == later) << time;
}

TEST(UtilityTime, DateAndTimeIgnoreTheLocale)
{
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 is not installed (scripts/install-deps.sh generates it)";
    const std::string date = DateStr();
    const std::string time = TimeStr();
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_TRUE(std::regex_match(date, std::regex(R"(\d\d-\d\d-\d{4})"))) << date;
    EXPECT_TRUE(std::regex_match(time, std::regex(R"(\d\d:\d\d:\d\d)"))) << time;
}

TEST(UtilityTime, ProjectDirIsTheExecutablesDirectoryBounded)
{
    char dir[4096];
    ASSERT_EQ(GetProjectDir(dir), 0);
    EXPECT_EQ(std::string(dir), QCoreApplication::applicationDirPath().toStdString());
    ASSERT_GT(std::strlen(dir), 1u);
    EXPECT_NE(dir[std::strlen(dir) - 1], '/');
    EXPECT_STREQ(PathSeparator(), "/");

    char tiny[4] = "xyz";
    EXPECT_EQ(GetProjectDir(tiny), kUtilBufferTooSmall);
    EXPECT_STREQ(tiny, "");
    const std::size_t exact = std::strlen(dir) + 1;
    std::string fits(exact, '#');
    EXPECT_EQ(GetProjectDir(fits.data(), exact), 0);
    EXPECT_EQ(GetProjectDir(fits.data(), exact - 1), kUtilBufferTooSmall);
}

}  // namespace
