// A record file on the graph panel: opened through the panel's button in
// place of the recorded frames, its signals switched on and off, the cursor
// reading the nearest line, the view saved as a picture and as the lines it
// shows, what is refused, and the recorded frames going on meanwhile.
#include <QApplication>
#include <QImage>
#include <QWheelEvent>
#include <sys/stat.h>

#include "gui/graph_panel.h"
#include "gui/record_reader.h"
#include "platform/graph/graph_widget.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::ProgramTest;

namespace {

// Seconds after 10:00:00 of the test file's lines; two share second 0.
const int kSeconds[] = {0, 0, 1, 5, 6, 9};
constexpr int kFileLines = 6;
const double kT0 = double(RecordSeconds(2026, 3, 15, 10, 0, 0));
// Their x on the graph: the lines of second 0 at 0 and 0.5.
const double kX[kFileLines] = {kT0, kT0 + 0.5, kT0 + 1, kT0 + 5, kT0 + 6, kT0 + 9};

class RecordView : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        WriteSettingsWithoutSensor();
        OpenProgram();
        uitest::InjectEvent(datapanel, DATAP_ButtonShowGraph, EVENT_COMMIT);
    }
    // Line k: CH_L 100 + k, CH_C 200 + k, ..., TEMP 800 + k. LF line ends, a
    // line that is no record line after the third.
    std::string WriteFile(const char *name)
    {
        std::string bytes = "DATE\tTIME\tCH_L\tCH_C\tCH_R\tDENS\tSYM1\tSYM2\tVECTOR\tTEMP\t\n";
        for (int k = 0; k < kFileLines; ++k) {
            char date[16], time[16], line[kRecordLineBytes];
            RecordDateTime(std::int64_t(kT0) + kSeconds[k], date, time);
            word v[kRecordValues];
            for (int c = 0; c < kRecordValues; ++c)
                v[c] = word(100 * (c + 1) + k);
            const int n = FormatRecordLine(v, date, time, line, sizeof line);
            bytes.append(line, std::size_t(n - 2)).append("\n");
            if (k == 2)
                bytes += "03-15-2026\t10:00:02\t1\t2\n";
        }
        return Write(name, bytes);
    }
    std::string Write(const char *name, const std::string &bytes)
    {
        const std::string path = Path(name);
        FILE *f = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        return path;
    }
    static std::string Read(const std::string &path)
    {
        std::string bytes;
        FILE *f = std::fopen(path.c_str(), "rb");
        if (!f)
            return bytes;
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;)
            bytes.append(buf, n);
        std::fclose(f);
        return bytes;
    }
    // The dialog's refusal of a path longer than the path buffers.
    static std::string TooLong(const std::string &path)
    {
        return "The path is too long: " + std::to_string(path.size()) +
               " bytes, but a path may hold at most 259.\n"
               "Nothing was saved, created or changed. Choose a shorter path.";
    }
    static void Open(const std::string &path)
    {
        uitest::PushFileSelection(path);
        uitest::InjectEvent(graphpanel, GRAPHP_ButtonOpenRecord, EVENT_COMMIT);
    }
    static int Visible(int ctrl)
    {
        int v = -1;
        GetCtrlAttribute(graphpanel, ctrl, ATTR_VISIBLE, &v);
        return v;
    }
    static std::string Text(int ctrl)
    {
        char text[256] = "";
        GetCtrlVal(graphpanel, ctrl, text);
        return text;
    }
    static std::vector<uitest::PlotInfo> Plots()
    {
        return uitest::GraphPlots(graphpanel, GRAPHP_GraphRecord);
    }
    static GraphWidget *Graph()
    {
        return static_cast<GraphWidget *>(uitest::CtrlWidget(graphpanel, GRAPHP_GraphRecord));
    }
    // The operator zooms the time axis about the data time `at`.
    static void ZoomAbout(double at, int notches)
    {
        GraphWidget *g = Graph();
        g->grab();
        int mode = 0;
        double lo = 0, hi = 0;
        GetAxisScalingMode(graphpanel, GRAPHP_GraphRecord, VAL_BOTTOM_XAXIS, &mode, &lo, &hi);
        const QRectF a = g->plotArea();
        const QPointF p(a.left() + (at - lo) / (hi - lo) * a.width(), a.center().y());
        QWheelEvent e(p, g->mapToGlobal(p), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(g, &e);
    }
    static void XRange(double *lo, double *hi)
    {
        int mode = 0;
        GetAxisScalingMode(graphpanel, GRAPHP_GraphRecord, VAL_BOTTOM_XAXIS, &mode, lo, hi);
    }
};

TEST_F(RecordView, OpensInPlaceOfTheFramesWithTheLinesLeftOutNamed)
{
    const std::string path = WriteFile("seen.dat");
    const std::string bytes = Read(path);
    Open(path);
    ASSERT_TRUE(gpRecord);
    EXPECT_EQ(gpRecord->lines(), std::size_t(kFileLines));
    EXPECT_TRUE(PopupShown("ATTENTION!", "1 line of\n" + path +
                                             "\nis not a record line and is left out: 5."));
    EXPECT_EQ(Text(GRAPHP_TextRecord), "seen.dat\n6 LINES, 1 NOT READ");
    for (int c : {GRAPHP_EditSignal, GRAPHP_DispChL, GRAPHP_GraphChL})
        EXPECT_EQ(Visible(c), 0) << c;
    for (int c : {GRAPHP_GraphRecord, GRAPHP_ButtonLive, GRAPHP_ShowVector, GRAPHP_ValTemp})
        EXPECT_EQ(Visible(c), 1) << c;
    // The whole recording in view on a time axis, CH_L, CH_C and CH_R drawn.
    double lo = 0, hi = 0;
    XRange(&lo, &hi);
    EXPECT_EQ(lo, kX[0]);
    EXPECT_EQ(hi, kX[kFileLines - 1]);
    int format = -1;
    GetGraphAttribute(graphpanel, GRAPHP_GraphRecord, ATTR_XFORMAT, &format);
    EXPECT_EQ(format, VAL_ABSOLUTE_TIME_FORMAT);
    const auto plots = Plots();
    ASSERT_EQ(plots.size(), 3u);
    EXPECT_EQ(plots[0].x, std::vector<double>(std::begin(kX), std::end(kX)));
    EXPECT_EQ(plots[2].y, (std::vector<double>{300, 301, 302, 303, 304, 305}));
    EXPECT_EQ(plots[2].color, 0x0000FF);
    char legend[32] = "";
    GetPlotAttribute(graphpanel, GRAPHP_GraphRecord, plots[1].handle, ATTR_PLOT_LG_TEXT, legend,
                     sizeof legend);
    EXPECT_STREQ(legend, "CH_C");
    EXPECT_EQ(Read(path), bytes);  // only read
}

TEST_F(RecordView, SignalsSwitchOnAndOffAndTheViewStays)
{
    Open(WriteFile("signals.dat"));
    ZoomAbout(kT0 + 5, 3);
    double lo = 0, hi = 0;
    XRange(&lo, &hi);
    uitest::OperatorSetValue(graphpanel, GRAPHP_ShowVector, 1);
    uitest::OperatorSetValue(graphpanel, GRAPHP_ShowChC, 0);
    const auto plots = Plots();
    ASSERT_EQ(plots.size(), 3u);
    EXPECT_EQ(plots[2].y, (std::vector<double>{700, 701, 702, 703, 704, 705}));
    EXPECT_EQ(plots[2].color, 0x800080);
    EXPECT_EQ(plots[1].y.front(), 300);
    int dimmed = -1;
    GetCtrlAttribute(graphpanel, GRAPHP_ValChC, ATTR_DIMMED, &dimmed);
    EXPECT_EQ(dimmed, 1);
    double lo2 = 0, hi2 = 0;
    XRange(&lo2, &hi2);
    EXPECT_EQ(lo2, lo);
    EXPECT_EQ(hi2, hi);
    EXPECT_LT(hi - lo, kX[kFileLines - 1] - kX[0]);
}

struct CursorCase {
    const char *name;
    double at;  // seconds after 10:00:00
    int line;   // the nearest line
};

// Lines at 0, 0.5, 1, 5, 6, 9.
const CursorCase kCursors[] = {
    {"BeforeTheFirst", -30, 0},
    {"NearerTheSecondOfOneSecond", 0.3, 1},
    {"NearerTheThird", 2.9, 2},
    {"NearerTheFourth", 3.1, 3},
    {"MidwayTakesTheEarlier", 7.5, 4},
    {"AfterTheLast", 99, 5},
};

void PrintTo(const CursorCase &c, std::ostream *os)
{
    *os << c.name;
}

class RecordCursor : public RecordView, public ::testing::WithParamInterface<CursorCase> {};

TEST_P(RecordCursor, ReadsTheNearestLine)
{
    Open(WriteFile("cursor.dat"));
    const CursorCase &c = GetParam();
    // As the pointer does: the cursor where it is, then the graph's event.
    SetGraphCursor(graphpanel, GRAPHP_GraphRecord, 1, kT0 + c.at, 250);
    uitest::InjectEvent(graphpanel, GRAPHP_GraphRecord, EVENT_VAL_CHANGED, 1);
    const int values[] = {GRAPHP_ValChL, GRAPHP_ValChC, GRAPHP_ValChR, GRAPHP_ValDensity,
                          GRAPHP_ValSym1, GRAPHP_ValSym2, GRAPHP_ValVector, GRAPHP_ValTemp};
    for (int k = 0; k < kRecordValues; ++k) {
        word v = 0;
        GetCtrlVal(graphpanel, values[k], &v);
        EXPECT_EQ(v, 100 * (k + 1) + c.line) << k;
    }
    double x = 0, y = 0;
    GetGraphCursor(graphpanel, GRAPHP_GraphRecord, 1, &x, &y);
    EXPECT_EQ(x, kX[c.line]);
    EXPECT_EQ(y, 250);
    // File lines: the header first, the bad line after the third.
    const int fileLine = c.line + 2 + (c.line >= 3);
    char expect[64];
    std::snprintf(expect, sizeof expect, "03-15-2026  10:00:%02d   LINE %d", kSeconds[c.line],
                  fileLine);
    EXPECT_EQ(Text(GRAPHP_TextCursor), expect);
}

INSTANTIATE_TEST_SUITE_P(RecordView, RecordCursor, ::testing::ValuesIn(kCursors),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(RecordView, FramesGoOnMeanwhileAndLiveShowsThemAgain)
{
    InitPanelGraph();
    SetPanelGraphData();
    Open(WriteFile("meanwhile.dat"));
    SetPanelGraphData();
    SetPanelGraphData();
    uitest::OperatorSetValue(graphpanel, GRAPHP_EditSignal, 2);  // as a stray commit would
    EXPECT_EQ(Visible(GRAPHP_GraphChR), 0);
    EXPECT_EQ(Visible(GRAPHP_GraphRecord), 1);

    uitest::InjectEvent(graphpanel, GRAPHP_ButtonLive, EVENT_COMMIT);
    EXPECT_FALSE(gpRecord);
    EXPECT_EQ(Visible(GRAPHP_GraphRecord), 0);
    EXPECT_EQ(Visible(GRAPHP_ShowChL), 0);
    EXPECT_EQ(Visible(GRAPHP_EditSignal), 1);
    EXPECT_EQ(Visible(GRAPHP_DispTemp), 1);
    EXPECT_EQ(Visible(GRAPHP_GraphChR), 1);
    EXPECT_EQ(Visible(GRAPHP_GraphChL), 0);
    EXPECT_EQ(uitest::GraphPlots(graphpanel, GRAPHP_GraphChR).size(), 3u);
    EXPECT_TRUE(Plots().empty());
}

TEST_F(RecordView, SavesThePictureAndExactlyTheLinesInView)
{
    Open(WriteFile("whole.dat"));
    ZoomAbout(kT0 + 5.5, 4);  // 0.41 of 9 s about 5.5: 3.25 .. 6.93
    double lo = 0, hi = 0;
    XRange(&lo, &hi);
    ASSERT_GT(lo, kX[2]);
    ASSERT_LT(lo, kX[3]);
    ASSERT_GT(hi, kX[4]);
    ASSERT_LT(hi, kX[5]);

    const std::string lines = Path("part.dat");
    uitest::PushFileSelection(lines);
    uitest::InjectEvent(graphpanel, GRAPHP_ButtonSaveLines, EVENT_COMMIT);
    EXPECT_TRUE(PopupShown("INFO!", "2 lines have been saved:\n" + lines));
    RecordData part;
    char reason[128];
    ASSERT_EQ(ReadRecordFile(lines.c_str(), &part, reason, sizeof reason), 0);
    EXPECT_EQ(part.values[0], (std::vector<word>{103, 104}));
    EXPECT_EQ(part.values[7], (std::vector<word>{803, 804}));
    EXPECT_EQ(part.x, (std::vector<double>{kX[3], kX[4]}));
    EXPECT_TRUE(part.bad.empty());
    EXPECT_EQ(part.skipped, (std::vector<std::uint32_t>{1}));  // the header

    const std::string picture = Path("view.png");
    uitest::PushFileSelection(picture);
    uitest::InjectEvent(graphpanel, GRAPHP_ButtonSavePicture, EVENT_COMMIT);
    EXPECT_TRUE(PopupShown("INFO!", "The picture has been saved:\n" + picture));
    const QImage image(QString::fromStdString(picture));
    const QImage shown = Graph()->grab().toImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), shown.size());
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            red += image.pixel(x, y) == qRgb(0xFF, 0, 0);
    EXPECT_GT(red, 20);

    // Nothing in view: nothing is asked and nothing written.
    SetAxisScalingMode(graphpanel, GRAPHP_GraphRecord, VAL_BOTTOM_XAXIS, VAL_MANUAL, kT0 + 2,
                       kT0 + 4);
    uitest::ClearPopupLog();
    uitest::InjectEvent(graphpanel, GRAPHP_ButtonSaveLines, EVENT_COMMIT);
    EXPECT_TRUE(PopupShown("ATTENTION!", "No line of the file lies in the view; nothing was saved."));
    EXPECT_EQ(uitest::PopupLog().size(), 1u);
}

TEST_F(RecordView, WhatCannotBeShownOrWrittenIsRefusedAndTheViewStays)
{
    const std::string shown = WriteFile("shown.dat");
    Open(shown);
    ASSERT_TRUE(gpRecord);
    const auto before = gpRecord;
    const std::string fifo = Path("fifo.dat");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // A real file whose path is longer than the program's path buffers.
    std::string longPath = dir_.path().toStdString();
    for (char c : {'a', 'b', 'c'}) {
        longPath += "/" + std::string(100, c);
        ASSERT_EQ(::mkdir(longPath.c_str(), 0700), 0);
    }
    longPath += "/deep.dat";
    std::rename(WriteFile("deep.dat").c_str(), longPath.c_str());
    const std::string empty = Write("empty.dat", "DATE\tTIME\r\nnothing\r\n");

    uitest::ClearPopupLog();
    Open(fifo);
    Open(longPath);
    Open(empty);
    EXPECT_TRUE(PopupShown("ATTENTION!", "This is no file that can be shown:\n" + fifo));
    EXPECT_TRUE(PopupShown("ATTENTION!",
                           "The file holds no record lines:\n" + empty + "\nNot record lines: 1, 2"));
    EXPECT_TRUE(PopupShown("ATTENTION!", TooLong(longPath)));
    EXPECT_EQ(gpRecord, before);

    // Saving: not onto the file shown, a FIFO, with too long a path or into
    // a folder that is not there;
    // an existing file only when the operator agrees.
    const std::string kept = Write("kept.dat", "keep me");
    const std::string longTarget = longPath.substr(0, longPath.size() - 8) + "part.dat";
    const std::string nowhere = Path("no-such-folder/part.dat");
    for (const std::string &target : {shown, fifo, longTarget, nowhere, kept}) {
        uitest::PushConfirmAnswer(0);
        uitest::PushFileSelection(target);
        uitest::InjectEvent(graphpanel, GRAPHP_ButtonSaveLines, EVENT_COMMIT);
    }
    EXPECT_TRUE(PopupShown("ATTENTION!",
                           "This is the file shown; it is only read. Choose another name:\n" + shown));
    EXPECT_TRUE(PopupShown("ATTENTION!", "This is no file that can be written:\n" + fifo));
    EXPECT_TRUE(PopupShown("ATTENTION!", TooLong(longTarget)));
    EXPECT_EQ(Read(longTarget), "");
    EXPECT_TRUE(PopupShown("ATTENTION!",
                           "This file cannot be written here. Choose another name or folder:\n" +
                               nowhere));
    EXPECT_TRUE(PopupShown("ATTENTION!", "The file exists. Replace it?\n" + kept));
    struct stat st {};
    ASSERT_EQ(::stat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    RecordData again;
    char reason[128];
    ASSERT_EQ(ReadRecordFile(shown.c_str(), &again, reason, sizeof reason), 0);
    EXPECT_EQ(again.lines(), std::size_t(kFileLines));
    FILE *f = std::fopen(kept.c_str(), "rb");
    char text[16] = "";
    ASSERT_NE(std::fgets(text, sizeof text, f), nullptr);
    std::fclose(f);
    EXPECT_STREQ(text, "keep me");
}

}  // namespace
