// File handles: modes and actions, ReadLine bounds and line ends, WriteLine,
// WriteFile, GetFileInfo, DeleteFile. Shapes of the settings files included.
#include "platform/formatio/formatio.h"
#include "format_test_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class FormatFile : public ::testing::Test {
protected:
    ScratchDir dir;
    std::string path = dir.Path("file.cfg");
};

TEST_F(FormatFile, SettingsLinesGetCrLfAndReadBackWithoutIt)
{
    int fh = OpenFile(path.c_str(), VAL_READ_WRITE, VAL_TRUNCATE, VAL_ASCII);
    ASSERT_GT(fh, 0);
    EXPECT_EQ(WriteLine(fh, "0", -1), 3);
    EXPECT_EQ(WriteLine(fh, "3", -1), 3);
    EXPECT_EQ(WriteLine(fh, "", -1), 2);
    EXPECT_EQ(WriteLine(fh, "", -1), 2);
    EXPECT_EQ(CloseFile(fh), 0);
    EXPECT_EQ(ScratchDir::Read(path), "0\r\n3\r\n\r\n\r\n");

    fh = OpenFile(path.c_str(), VAL_READ_ONLY, VAL_OPEN_AS_IS, VAL_ASCII);
    ASSERT_GT(fh, 0);
    char line[101];
    EXPECT_EQ(ReadLine(fh, line, 100), 1);
    EXPECT_STREQ(line, "0");
    EXPECT_EQ(ReadLine(fh, line, 100), 1);
    EXPECT_EQ(ReadLine(fh, line, 100), 0);
    EXPECT_STREQ(line, "");
    EXPECT_EQ(ReadLine(fh, line, 100), 0);
    EXPECT_EQ(ReadLine(fh, line, 100), kFmtEndOfFile);
    EXPECT_EQ(CloseFile(fh), 0);
}

TEST_F(FormatFile, ReadLineKeepsAtMostMaxBytesAndSkipsTheRest)
{
    ScratchDir::Write(path, "abcdefghij\r\nxy\nlast");
    const int fh = OpenFile(path.c_str(), VAL_READ_ONLY, VAL_OPEN_AS_IS, VAL_ASCII);
    char line[8];
    std::memset(line, '#', sizeof line);
    EXPECT_EQ(ReadLine(fh, line, 4), 4);
    EXPECT_STREQ(line, "abcd");
    EXPECT_EQ(line[5], '#');
    EXPECT_EQ(ReadLine(fh, line, 4), 2);   // LF alone ends a line too
    EXPECT_STREQ(line, "xy");
    EXPECT_EQ(ReadLine(fh, line, 4), 4);   // no line end before the end of the file
    EXPECT_STREQ(line, "last");
    EXPECT_EQ(ReadLine(fh, line, 4), kFmtEndOfFile);
    CloseFile(fh);
}

TEST_F(FormatFile, CrOfALineExactlyOneLongerThanMaxBytesIsNotKept)
{
    ScratchDir::Write(path, "abcd\r\nabc\r\n");
    const int fh = OpenFile(path.c_str(), VAL_READ_ONLY, VAL_OPEN_AS_IS, VAL_ASCII);
    char line[5];
    EXPECT_EQ(ReadLine(fh, line, 4), 4);
    EXPECT_STREQ(line, "abcd");
    EXPECT_EQ(ReadLine(fh, line, 4), 3);
    EXPECT_STREQ(line, "abc");
    CloseFile(fh);
}

TEST_F(FormatFile, HistoryEntriesOfHundredBytesKeepTheirNulPadding)
{
    // One entry as the server history stores it: text, NULs up to 100 bytes.
    char entry[100] = {};
    std::strcpy(entry, "192.168.0.10");
    int fh = OpenFile(path.c_str(), VAL_WRITE_ONLY, VAL_TRUNCATE, VAL_ASCII);
    EXPECT_EQ(WriteLine(fh, entry, 100), 102);
    CloseFile(fh);
    long size = 0;
    EXPECT_EQ(GetFileInfo(path.c_str(), &size), 1);
    EXPECT_EQ(size, 102);

    fh = OpenFile(path.c_str(), VAL_READ_ONLY, VAL_OPEN_AS_IS, VAL_ASCII);
    char line[101];
    EXPECT_EQ(ReadLine(fh, line, 100), 100);
    EXPECT_STREQ(line, "192.168.0.10");
    CloseFile(fh);
}

TEST_F(FormatFile, ActionsTruncateAppendOrKeep)
{
    ScratchDir::Write(path, "old line\r\n");
    int fh = OpenFile(path.c_str(), VAL_WRITE_ONLY, VAL_APPEND, VAL_ASCII);
    WriteFile(fh, "DATE\t", -1);
    WriteLine(fh, "x", 1);
    CloseFile(fh);
    EXPECT_EQ(ScratchDir::Read(path), "old line\r\nDATE\tx\r\n");

    fh = OpenFile(path.c_str(), VAL_WRITE_ONLY, VAL_OPEN_AS_IS, VAL_BINARY);
    EXPECT_EQ(WriteLine(fh, "NEW", 3), 4);   // binary: LF only
    CloseFile(fh);
    EXPECT_EQ(ScratchDir::Read(path), "NEW\nline\r\nDATE\tx\r\n");

    fh = OpenFile(path.c_str(), VAL_WRITE_ONLY, VAL_TRUNCATE, VAL_ASCII);
    CloseFile(fh);
    EXPECT_EQ(ScratchDir::Read(path), "");
}

TEST_F(FormatFile, MissingFilesAndBadHandlesFailCleanly)
{
    EXPECT_EQ(OpenFile(dir.Path("none.cfg").c_str(), VAL_READ_ONLY, VAL_OPEN_AS_IS, VAL_ASCII), kFmtCannotOpen);
    EXPECT_EQ(OpenFile(dir.Path("no/dir/x").c_str(), VAL_WRITE_ONLY, VAL_TRUNCATE, VAL_ASCII), kFmtCannotOpen);
    EXPECT_EQ(OpenFile(path.c_str(), 9, VAL_TRUNCATE, VAL_ASCII), kFmtCannotOpen);
    EXPECT_EQ(OpenFile(nullptr, VAL_READ_ONLY, VAL_OPEN_AS_IS, VAL_ASCII), kFmtCannotOpen);
    char line[4];
    EXPECT_EQ(ReadLine(0, line, 3), kFmtIOError);
    EXPECT_EQ(ReadLine(12345, line, 3), kFmtIOError);
    EXPECT_EQ(WriteLine(-1, "x", 1), kFmtIOError);
    EXPECT_EQ(CloseFile(7777), kFmtIOError);

    // A closed handle is no longer usable.
    const int fh = OpenFile(path.c_str(), VAL_WRITE_ONLY, VAL_TRUNCATE, VAL_ASCII);
    CloseFile(fh);
    EXPECT_EQ(WriteFile(fh, "x", 1), kFmtIOError);
}

TEST_F(FormatFile, ReadingAWriteOnlyFileIsAnError)
{
    const int fh = OpenFile(path.c_str(), VAL_WRITE_ONLY, VAL_TRUNCATE, VAL_ASCII);
    char line[8];
    EXPECT_EQ(ReadLine(fh, line, 7), kFmtIOError);
    EXPECT_STREQ(line, "");
    CloseFile(fh);
}

TEST_F(FormatFile, FileInfoAndDelete)
{
    long size = -1;
    EXPECT_EQ(GetFileInfo(path.c_str(), &size), 0);
    EXPECT_EQ(size, 0);
    ScratchDir::Write(path, std::string(1010, 'x'));
    EXPECT_EQ(GetFileInfo(path.c_str(), &size), 1);
    EXPECT_EQ(size, 1010);
    EXPECT_EQ(GetFileInfo(path.c_str(), nullptr), 1);
    EXPECT_EQ(DeleteFile(path.c_str()), 0);
    EXPECT_EQ(GetFileInfo(path.c_str(), &size), 0);
    EXPECT_EQ(DeleteFile(path.c_str()), kFmtIOError);
}

}  // namespace
