// ArrayToFile / FileToArray: the parameter file and record row layouts, what
// reading tolerates, and files that must leave the array untouched.
#include "platform/formatio/formatio.h"
#include "platform/userint/userint.h"
#include "format_test_files.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr int kParamWords = 202;
constexpr int kParamWidth = 5;
constexpr int kRecordValues = 8;
constexpr int kRecordWidth = 11;
constexpr unsigned short kSentinel = 4242;

int WriteParams(const std::string &path, const unsigned short *words)
{
    return ArrayToFile(path.c_str(), words, VAL_UNSIGNED_SHORT_INTEGER, kParamWords, 1, VAL_GROUPS_TOGETHER,
                       VAL_GROUPS_AS_COLUMNS, VAL_CONST_WIDTH, kParamWidth, VAL_ASCII, VAL_TRUNCATE);
}

int ReadParams(const std::string &path, unsigned short *words)
{
    return FileToArray(path.c_str(), words, VAL_UNSIGNED_SHORT_INTEGER, kParamWords, 1, VAL_GROUPS_TOGETHER,
                       VAL_GROUPS_AS_COLUMNS, VAL_ASCII);
}

class FormatArray : public ::testing::Test {
protected:
    ScratchDir dir;
    std::string path = dir.Path("Parameter.ini");
};

TEST_F(FormatArray, ParameterFileIsOneRightAlignedValuePerCrLfLine)
{
    std::array<unsigned short, kParamWords> words{};
    for (int i = 0; i < kParamWords; ++i)
        words[i] = static_cast<unsigned short>(i * 331);
    words[0] = 800;
    words[1] = 0;
    words[2] = 65535;
    ASSERT_EQ(WriteParams(path, words.data()), 0);
    const std::string text = ScratchDir::Read(path);
    EXPECT_EQ(text.size(), static_cast<std::size_t>(kParamWords * (kParamWidth + 2)));
    EXPECT_EQ(text.substr(0, 21), "  800\r\n    0\r\n65535\r\n");

    std::array<unsigned short, kParamWords> back{};
    ASSERT_EQ(ReadParams(path, back.data()), 0);
    EXPECT_EQ(back, words);
}

TEST_F(FormatArray, RecordRowIsTabSeparatedDigitsAppendedAfterDateAndTime)
{
    const std::string rec = dir.Path("record.dat");
    const unsigned short row[kRecordValues] = {1200, 1180, 1210, 3590, 500, 498, 2, 31};
    for (int pass = 0; pass < 2; ++pass) {
        const int fh = OpenFile(rec.c_str(), VAL_WRITE_ONLY, VAL_APPEND, VAL_ASCII);
        WriteFile(fh, "03-15-2026\t14:05:09\t", -1);
        CloseFile(fh);
        ASSERT_EQ(ArrayToFile(rec.c_str(), row, VAL_UNSIGNED_SHORT_INTEGER, kRecordValues, 1, VAL_GROUPS_TOGETHER,
                              VAL_GROUPS_AS_ROWS, VAL_SEP_BY_TAB, kRecordWidth, VAL_ASCII, VAL_APPEND),
                  0);
    }
    const std::string line = "03-15-2026\t14:05:09\t1200\t1180\t1210\t3590\t500\t498\t2\t31\r\n";
    EXPECT_EQ(ScratchDir::Read(rec), line + line);
}

TEST_F(FormatArray, ReadingAcceptsBlanksOnEitherSideLfAloneTabsAndCommas)
{
    std::string text = " 800 \n  1\r\n2  \n3\t4,5";
    for (int i = 6; i < kParamWords; ++i)
        text += "\n" + std::to_string(i);
    ScratchDir::Write(path, text + "\n");
    std::array<unsigned short, kParamWords> words{};
    ASSERT_EQ(ReadParams(path, words.data()), 0);
    EXPECT_EQ(words[0], 800);
    for (int i = 1; i < kParamWords; ++i)
        EXPECT_EQ(words[i], i);
}

TEST_F(FormatArray, GroupsBecomeRowsAndOtherTypesRoundTrip)
{
    // Two interleaved groups of three: rows are the groups.
    const int ints[6] = {1, -10, 2, -20, 3, -30};
    ASSERT_EQ(ArrayToFile(path.c_str(), ints, VAL_INTEGER, 6, 2, VAL_DATA_MULTIPLIER, VAL_GROUPS_AS_ROWS,
                          VAL_SEP_BY_COMMA, 0, VAL_ASCII, VAL_TRUNCATE),
              0);
    EXPECT_EQ(ScratchDir::Read(path), "1,2,3\r\n-10,-20,-30\r\n");
    int back[6] = {};
    ASSERT_EQ(FileToArray(path.c_str(), back, VAL_INTEGER, 6, 2, VAL_DATA_MULTIPLIER, VAL_GROUPS_AS_ROWS,
                          VAL_ASCII),
              0);
    EXPECT_EQ(std::vector<int>(back, back + 6), std::vector<int>(ints, ints + 6));

    const double reals[3] = {0.1, -2.5e-7, 12345.678};
    ASSERT_EQ(ArrayToFile(path.c_str(), reals, VAL_DOUBLE, 3, 1, VAL_GROUPS_TOGETHER, VAL_GROUPS_AS_COLUMNS,
                          VAL_CONST_WIDTH, 12, VAL_ASCII, VAL_TRUNCATE),
              0);
    double realsBack[3] = {};
    ASSERT_EQ(FileToArray(path.c_str(), realsBack, VAL_DOUBLE, 3, 1, VAL_GROUPS_TOGETHER, VAL_GROUPS_AS_COLUMNS,
                          VAL_ASCII),
              0);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(realsBack[i], reals[i]);

    const unsigned short raw[4] = {1, 0x0203, 0xFFFF, 0};
    ASSERT_EQ(ArrayToFile(path.c_str(), raw, VAL_UNSIGNED_SHORT_INTEGER, 4, 1, VAL_GROUPS_TOGETHER,
                          VAL_GROUPS_AS_COLUMNS, VAL_CONST_WIDTH, 0, VAL_BINARY, VAL_TRUNCATE),
              0);
    EXPECT_EQ(ScratchDir::Read(path).size(), sizeof raw);
    unsigned short rawBack[4] = {};
    ASSERT_EQ(FileToArray(path.c_str(), rawBack, VAL_UNSIGNED_SHORT_INTEGER, 4, 1, VAL_GROUPS_TOGETHER,
                          VAL_GROUPS_AS_COLUMNS, VAL_BINARY),
              0);
    EXPECT_EQ(std::vector<unsigned short>(rawBack, rawBack + 4), std::vector<unsigned short>(raw, raw + 4));
}

TEST_F(FormatArray, UnusableTypesAndShapesAreRefused)
{
    unsigned short v[7] = {};
    EXPECT_EQ(ArrayToFile(path.c_str(), v, VAL_STRING, 7, 1, 0, 0, VAL_SEP_BY_TAB, 0, VAL_ASCII, VAL_TRUNCATE),
              kFmtBadFormat);
    EXPECT_EQ(ArrayToFile(path.c_str(), v, VAL_UNSIGNED_SHORT_INTEGER, 7, 2, 0, 0, VAL_SEP_BY_TAB, 0, VAL_ASCII,
                          VAL_TRUNCATE),
              kFmtBadFormat);
    EXPECT_EQ(ArrayToFile(path.c_str(), nullptr, VAL_INTEGER, 1, 1, 0, 0, VAL_SEP_BY_TAB, 0, VAL_ASCII,
                          VAL_TRUNCATE),
              kFmtBadFormat);
    EXPECT_EQ(ArrayToFile(dir.Path("no/dir/x").c_str(), v, VAL_UNSIGNED_SHORT_INTEGER, 7, 1, 0, 0,
                          VAL_SEP_BY_TAB, 0, VAL_ASCII, VAL_TRUNCATE),
              kFmtCannotOpen);
}

// A parameter file that must not change the array.
struct BadFile {
    const char *name;
    std::string text;   // empty name of a file: the file is missing
    int expected;
};

void PrintTo(const BadFile &c, std::ostream *os)
{
    *os << c.name;
}

std::string Numbers(int count, const std::string &tail = "")
{
    std::string s;
    for (int i = 0; i < count; ++i)
        s += "  100\r\n";
    return s + tail;
}

class FormatArrayBadFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(FormatArrayBadFile, LeavesTheArrayUntouched)
{
    ScratchDir dir;
    const std::string path = dir.Path("Parameter.ini");
    const BadFile &c = GetParam();
    if (std::string(c.name) != "missing")
        ScratchDir::Write(path, c.text);
    std::array<unsigned short, kParamWords> words;
    words.fill(kSentinel);
    EXPECT_EQ(ReadParams(path, words.data()), c.expected);
    for (unsigned short w : words)
        ASSERT_EQ(w, kSentinel);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatArrayBadFile,
    ::testing::Values(BadFile{"missing", "", kFmtCannotOpen},
                      BadFile{"empty", "", kFmtBadFormat},
                      BadFile{"short", Numbers(kParamWords - 1), kFmtBadFormat},
                      BadFile{"letters", Numbers(100, "  abc\r\n") + Numbers(101), kFmtBadFormat},
                      BadFile{"trailing_junk", Numbers(100, "  12x\r\n") + Numbers(101), kFmtBadFormat},
                      BadFile{"fraction", Numbers(100, "  1.5\r\n") + Numbers(101), kFmtBadFormat},
                      BadFile{"too_big", Numbers(100, "70000\r\n") + Numbers(101), kFmtValueOutOfRange},
                      BadFile{"negative", Numbers(100, "   -1\r\n") + Numbers(101), kFmtValueOutOfRange},
                      BadFile{"huge", Numbers(5, "99999999999999999999999\r\n") + Numbers(196),
                              kFmtValueOutOfRange},
                      BadFile{"endless_field", Numbers(5, std::string(5000, '7')) + Numbers(196), kFmtBadFormat}),
    [](const ::testing::TestParamInfo<BadFile> &info) { return std::string(info.param.name); });

}  // namespace
