// Files must not change with the operator's locale: under de_DE.UTF-8 numbers
// keep the decimal point and get no thousands separators.
#include "platform/formatio/formatio.h"
#include "platform/userint/userint.h"
#include "format_test_files.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <clocale>
#include <string>

namespace {

constexpr const char *kGermanLocale = "de_DE.UTF-8";

class GermanLocale : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = std::setlocale(LC_ALL, nullptr);
        savedQt_ = QLocale();
        if (!std::setlocale(LC_ALL, kGermanLocale))
            GTEST_SKIP() << kGermanLocale << " is not installed (scripts/install-deps.sh generates it)";
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void TearDown() override
    {
        std::setlocale(LC_ALL, saved_.c_str());
        QLocale::setDefault(savedQt_);
    }

    ScratchDir dir;

private:
    std::string saved_;
    QLocale savedQt_;
};

TEST_F(GermanLocale, NumbersAreWrittenAndReadInTheCForm)
{
    char buf[16];
    Fmt(buf, "%s<%i", 1234567);
    EXPECT_STREQ(buf, "1234567");

    const std::string path = dir.Path("values.txt");
    const double reals[2] = {1234.5, -0.25};
    ASSERT_EQ(ArrayToFile(path.c_str(), reals, VAL_DOUBLE, 2, 1, VAL_GROUPS_TOGETHER, VAL_GROUPS_AS_ROWS,
                          VAL_SEP_BY_TAB, 0, VAL_ASCII, VAL_TRUNCATE),
              0);
    EXPECT_EQ(ScratchDir::Read(path), "1234.5\t-0.25\r\n");

    const unsigned short words[2] = {65535, 12000};
    ASSERT_EQ(ArrayToFile(path.c_str(), words, VAL_UNSIGNED_SHORT_INTEGER, 2, 1, VAL_GROUPS_TOGETHER,
                          VAL_GROUPS_AS_COLUMNS, VAL_CONST_WIDTH, 5, VAL_ASCII, VAL_TRUNCATE),
              0);
    EXPECT_EQ(ScratchDir::Read(path), "65535\r\n12000\r\n");

    ScratchDir::Write(path, "1234.5\r\n0.125\r\n");
    double back[2] = {};
    ASSERT_EQ(FileToArray(path.c_str(), back, VAL_DOUBLE, 2, 1, VAL_GROUPS_TOGETHER, VAL_GROUPS_AS_COLUMNS,
                          VAL_ASCII),
              0);
    EXPECT_EQ(back[0], 1234.5);
    EXPECT_EQ(back[1], 0.125);
}

}  // namespace
