// Reading record files back: which lines are data, headers, blanks or not
// record lines; whole files with either line end; the nearest line, the
// lines in a range and writing them out again.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "gui/record_range.h"
#include "gui/record_reader.h"

using namespace orvelle;

namespace {

struct LineCase {
    const char *name;
    const char *text;
    RecordLineKind kind;
    std::int64_t seconds;  // data lines: of 03-15-2026 14:05:09 plus this
    word chL, temp;
};

const std::int64_t kStamp = RecordSeconds(2026, 3, 15, 14, 5, 9);

const LineCase kLines[] = {
    {"AsWritten", "03-15-2026\t14:05:09\t1200\t1180\t1210\t3590\t500\t498\t2\t31",
     RecordLineKind::Data, 0, 1200, 31},
    {"PaddedToTheFieldWidth",
     "03-15-2026\t14:05:09\t       1200\t0\t0\t0\t0\t0\t255\t        31 \t",
     RecordLineKind::Data, 0, 1200, 31},
    {"LargestWords", "03-15-2026\t14:05:10\t65535\t0\t0\t0\t0\t0\t0\t65535",
     RecordLineKind::Data, 1, 65535, 65535},
    {"LeapDay", "02-29-2024\t00:00:00\t1\t2\t3\t4\t5\t6\t7\t8", RecordLineKind::Data,
     RecordSeconds(2024, 2, 29, 0, 0, 0) - kStamp, 1, 8},
    {"Header", "DATE\tTIME\tCH_L\tCH_C\tCH_R\tDENS\tSYM1\tSYM2\tVECTOR\tTEMP\t",
     RecordLineKind::Header, 0, 0, 0},
    {"HeaderWithoutItsLastTab", "DATE\tTIME\tCH_L\tCH_C\tCH_R\tDENS\tSYM1\tSYM2\tVECTOR\tTEMP",
     RecordLineKind::Header, 0, 0, 0},
    {"Blank", " \t ", RecordLineKind::Blank, 0, 0, 0},
    {"WordTooLarge", "03-15-2026\t14:05:09\t65536\t0\t0\t0\t0\t0\t0\t0", RecordLineKind::Bad, 0, 0, 0},
    {"SevenValues", "03-15-2026\t14:05:09\t1\t2\t3\t4\t5\t6\t7", RecordLineKind::Bad, 0, 0, 0},
    {"NineValues", "03-15-2026\t14:05:09\t1\t2\t3\t4\t5\t6\t7\t8\t9", RecordLineKind::Bad, 0, 0, 0},
    {"EmptyValue", "03-15-2026\t14:05:09\t1\t\t3\t4\t5\t6\t7\t8", RecordLineKind::Bad, 0, 0, 0},
    {"SignedValue", "03-15-2026\t14:05:09\t-1\t2\t3\t4\t5\t6\t7\t8", RecordLineKind::Bad, 0, 0, 0},
    {"NoSuchDay", "02-29-2026\t14:05:09\t1\t2\t3\t4\t5\t6\t7\t8", RecordLineKind::Bad, 0, 0, 0},
    {"NoSuchMonth", "13-01-2026\t14:05:09\t1\t2\t3\t4\t5\t6\t7\t8", RecordLineKind::Bad, 0, 0, 0},
    {"NoSuchHour", "03-15-2026\t24:00:00\t1\t2\t3\t4\t5\t6\t7\t8", RecordLineKind::Bad, 0, 0, 0},
    {"BlankForATab", "03-15-2026 14:05:09\t1\t2\t3\t4\t5\t6\t7\t8", RecordLineKind::Bad, 0, 0, 0},
    {"CutOff", "03-15-2026\t14:05", RecordLineKind::Bad, 0, 0, 0},
    {"Words", "recorded by hand", RecordLineKind::Bad, 0, 0, 0},
};

void PrintTo(const LineCase &c, std::ostream *os)
{
    *os << c.name;
}

class RecordLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(RecordLines, SortsEachLine)
{
    const LineCase &c = GetParam();
    RecordLine line;
    line.values[0] = 4321;  // left alone unless the line is data
    const std::string text = c.text;
    ASSERT_EQ(ParseRecordLine(text.data(), text.size(), &line), c.kind);
    if (c.kind != RecordLineKind::Data) {
        EXPECT_EQ(line.values[0], 4321);
        return;
    }
    EXPECT_EQ(line.seconds, kStamp + c.seconds);
    EXPECT_EQ(line.values[0], c.chL);
    EXPECT_EQ(line.values[kRecordValues - 1], c.temp);
}

INSTANTIATE_TEST_SUITE_P(Record, RecordLines, ::testing::ValuesIn(kLines),
                         [](const auto &info) { return std::string(info.param.name); });

class RecordFiles : public ::testing::Test {
protected:
    std::string Write(const char *name, const std::string &bytes)
    {
        const std::string path = (dir_.path() + "/" + name).toStdString();
        FILE *f = std::fopen(path.c_str(), "wb");
        EXPECT_NE(f, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        return path;
    }
    static std::string Line(int second, int chL)
    {
        char line[kRecordLineBytes];
        const word v[kRecordValues] = {word(chL), 2, 3, 4, 5, 6, 7, 8};
        char time[16];
        std::snprintf(time, sizeof time, "10:00:%02d", second);
        FormatRecordLine(v, "03-15-2026", time, line, sizeof line);
        return line;
    }
    QTemporaryDir dir_;
};

TEST_F(RecordFiles, EitherLineEndABadLineNamedAndSecondsSpreadOverTheirLines)
{
    // Header, two lines in second 0 (CR LF), a bad line, three in second 1
    // (LF), a blank line, a second header, one in second 2 without a line end.
    std::string bytes = kRecordHeader + Line(0, 10) + Line(0, 11) + "03-15-2026\tjunk\r\n";
    for (int chL : {20, 21, 22}) {
        std::string l = Line(1, chL);
        l.erase(l.size() - 2, 1);  // LF only
        bytes += l;
    }
    bytes += "\r\n" + std::string(kRecordHeader) + Line(2, 30).substr(0, Line(2, 30).size() - 2);
    const std::string path = Write("mixed.dat", bytes);

    RecordData data;
    char reason[128];
    ASSERT_EQ(ReadRecordFile(path.c_str(), &data, reason, sizeof reason), 0) << reason;
    ASSERT_EQ(data.lines(), 6u);
    EXPECT_EQ(data.values[0], (std::vector<word>{10, 11, 20, 21, 22, 30}));
    EXPECT_EQ(data.values[7], (std::vector<word>(6, 8)));
    EXPECT_EQ(data.bad, (std::vector<std::uint32_t>{4}));
    EXPECT_EQ(data.skipped, (std::vector<std::uint32_t>{1, 4, 8, 9}));
    const double t0 = double(RecordSeconds(2026, 3, 15, 10, 0, 0));
    const std::vector<double> x = {t0, t0 + 0.5, t0 + 1, t0 + 1 + 1.0 / 3, t0 + 1 + 2.0 / 3, t0 + 2};
    EXPECT_EQ(data.x, x);
    EXPECT_TRUE(data.ascending);
    EXPECT_FALSE(data.truncated);
    // File lines of the data lines, counted over the skipped ones.
    const std::uint32_t fileLines[] = {2, 3, 5, 6, 7, 10};
    for (std::size_t i = 0; i < data.lines(); ++i)
        EXPECT_EQ(RecordFileLine(data, i), fileLines[i]) << i;
}

TEST_F(RecordFiles, WhatIsNoFileIsRefusedAtOnceAndTheDataStays)
{
    RecordData data;
    data.x = {1.0};
    char reason[128];
    const std::string fifo = (dir_.path() + "/fifo.dat").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // A blocking open would wait here for a writer that never comes.
    EXPECT_EQ(ReadRecordFile(fifo.c_str(), &data, reason, sizeof reason), kRecordNotAFile);
    EXPECT_EQ(ReadRecordFile(dir_.path().toLocal8Bit().constData(), &data, reason,
                             sizeof reason), kRecordNotAFile);
    EXPECT_EQ(ReadRecordFile((dir_.path() + "/missing.dat").toLocal8Bit().constData(), &data,
                             reason, sizeof reason), kRecordCannotOpen);
    EXPECT_STRNE(reason, "");
    EXPECT_EQ(data.x, std::vector<double>{1.0});
}

TEST_F(RecordFiles, AMillionLinesOfADayAndAHalf)
{
    constexpr int kLines = 1000000;
    std::string bytes = kRecordHeader;
    bytes.reserve(std::size_t(kLines) * 50);
    const std::int64_t t0 = RecordSeconds(2026, 3, 15, 8, 0, 0);
    char line[kRecordLineBytes], date[16], time[16];
    // Eight lines per second, the clock crossing midnight.
    for (int i = 0; i < kLines; ++i) {
        RecordDateTime(t0 + i / 8, date, time);
        const word v[kRecordValues] = {word(i % 4096), 0, 0, 0, 0, 0, 255, word(i / 65536)};
        bytes.append(line, std::size_t(FormatRecordLine(v, date, time, line, sizeof line)));
        if (i == 500000)
            bytes += "bad line\r\n";
    }
    const std::string path = Write("million.dat", bytes);
    RecordData data;
    char reason[128];
    ASSERT_EQ(ReadRecordFile(path.c_str(), &data, reason, sizeof reason), 0) << reason;
    ASSERT_EQ(data.lines(), std::size_t(kLines));
    EXPECT_EQ(data.bad, (std::vector<std::uint32_t>{500003}));
    EXPECT_TRUE(data.ascending);
    EXPECT_EQ(data.values[0][777777], 777777 % 4096);
    EXPECT_EQ(data.values[7].back(), (kLines - 1) / 65536);
    EXPECT_DOUBLE_EQ(data.x.back(), double(t0 + (kLines - 1) / 8) + 7.0 / 8);
}

TEST_F(RecordFiles, ARangeWrittenOutHoldsExactlyItsLines)
{
    // Second 5 comes again after second 9: the clock was set back.
    std::string bytes = kRecordHeader;
    for (int s : {3, 4, 4, 5, 6, 7, 8, 9, 5, 5})
        bytes += Line(s, 100 + s);
    RecordData data;
    char reason[128];
    ASSERT_EQ(ReadRecordFile(Write("back.dat", bytes).c_str(), &data, reason, sizeof reason), 0);
    ASSERT_EQ(data.lines(), 10u);
    EXPECT_FALSE(data.ascending);
    const double t0 = double(RecordSeconds(2026, 3, 15, 10, 0, 0));
    EXPECT_EQ(NearestLine(data, t0 + 5.6), 9u);    // 5.5, the second line of the later second 5
    EXPECT_EQ(NearestLine(data, t0 + 4.74), 2u);   // 4.5
    EXPECT_EQ(NearestLine(data, t0 + 100), 7u);
    const LineSpan span = VisibleLines(data, t0 + 4.5, t0 + 6);
    EXPECT_EQ(span.first, 2u);
    EXPECT_EQ(span.count, 5u);  // 4.5, 5, 6 and the later 5 and 5.5

    const std::string out = (dir_.path() + "/part.dat").toStdString();
    std::size_t written = 0;
    ASSERT_EQ(WriteRecordRange(out.c_str(), data, t0 + 4.5, t0 + 6, &written, reason,
                               sizeof reason), 0) << reason;
    EXPECT_EQ(written, 5u);
    RecordData part;
    ASSERT_EQ(ReadRecordFile(out.c_str(), &part, reason, sizeof reason), 0);
    EXPECT_EQ(part.values[0], (std::vector<word>{104, 105, 106, 105, 105}));
    EXPECT_EQ(part.bad.size(), 0u);
    FILE *f = std::fopen(out.c_str(), "rb");
    char head[80] = "";
    ASSERT_NE(std::fgets(head, sizeof head, f), nullptr);
    std::fclose(f);
    EXPECT_STREQ(head, kRecordHeader);

    // The ascending search gives what the scan gives.
    RecordData sorted;
    ASSERT_EQ(ReadRecordFile(Write("up.dat", kRecordHeader + Line(1, 1) + Line(1, 2) + Line(2, 3) +
                                              Line(4, 4)).c_str(),
                             &sorted, reason, sizeof reason), 0);
    ASSERT_TRUE(sorted.ascending);
    for (double dx : {-9.0, 1.2, 1.25, 1.3, 1.76, 3.0, 3.01, 9.0}) {
        RecordData scanned = sorted;
        scanned.ascending = false;
        EXPECT_EQ(NearestLine(sorted, t0 + dx), NearestLine(scanned, t0 + dx)) << dx;
        const LineSpan a = VisibleLines(sorted, t0 + dx, t0 + dx + 1.5);
        const LineSpan b = VisibleLines(scanned, t0 + dx, t0 + dx + 1.5);
        EXPECT_EQ(a.count, b.count) << dx;
        if (a.count) {
            EXPECT_EQ(a.first, b.first) << dx;
        }
    }
}

}  // namespace
