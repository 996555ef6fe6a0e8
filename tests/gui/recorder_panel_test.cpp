// The recorder panel without a sensor: the controls of each mode, the
// expected duration, the layout of a record line, the header through the
// file selection, manual records appended without a second header, and a
// file that cannot be written.
#include <QDir>
#include <QFile>
#include <regex>

#include "gui/live_display.h"
#include "gui/record_file.h"
#include "gui/recorder.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::ProgramTest;

namespace {

std::string Line(const word (&v)[kRecordValues], const char *date, const char *time)
{
    char line[kRecordLineBytes];
    const int n = FormatRecordLine(v, date, time, line, sizeof line);
    return n < 0 ? "(refused)" : std::string(line, static_cast<std::size_t>(n));
}

TEST(RecordLine, ColumnsOfTheExampleFrameAndOfExtremeValues)
{
    const word example[kRecordValues] = {1200, 1180, 1210, 3590, 500, 498, 2, 31};
    EXPECT_EQ(Line(example, "03-15-2026", "14:05:09"),
              "03-15-2026\t14:05:09\t1200\t1180\t1210\t3590\t500\t498\t2\t31\r\n");
    const word extremes[kRecordValues] = {0, 65535, 0, 1, 0, 1000, 255, 0};
    EXPECT_EQ(Line(extremes, "12-31-1999", "23:59:59"),
              "12-31-1999\t23:59:59\t0\t65535\t0\t1\t0\t1000\t255\t0\r\n");
    // Whatever the date and time texts hold, the line keeps its ten columns.
    EXPECT_EQ(Line(example, "03-15\t2026\r\nX", "14:05\n09:99"),
              "03-15?2026\t14:05?09\t1200\t1180\t1210\t3590\t500\t498\t2\t31\r\n");
    char small[kRecordLineBytes - 1];
    EXPECT_EQ(FormatRecordLine(example, "03-15-2026", "14:05:09", small, sizeof small), -1);
}

class RecordFile : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        WriteSettingsWithoutSensor();
        OpenProgram();
        uitest::ClearPopupLog();
    }
    void Select(const std::string &path, int confirm = -1)
    {
        uitest::PushFileSelection(path);
        if (confirm >= 0)
            uitest::PushConfirmAnswer(confirm);
        uitest::InjectEvent(recpanel, RECP_ButtonSelRecFile, EVENT_COMMIT);
    }
    std::string Shown() const
    {
        char path[kPathBytes] = "";
        GetTextBoxLine(recpanel, RECP_DispRecFile, 0, path, sizeof path);
        return path;
    }
    static std::string Read(const std::string &path)
    {
        QFile f(QString::fromStdString(path));
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "(missing)";
    }
    static void Write(const std::string &path, const std::string &text)
    {
        QFile f(QString::fromStdString(path));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.data(), static_cast<qint64>(text.size()));
    }
    void PressManual() { uitest::InjectEvent(recpanel, RECP_ButtonManualRecord, EVENT_COMMIT); }
    int Visible(int ctrl) const
    {
        int v = -1;
        GetCtrlAttribute(recpanel, ctrl, ATTR_VISIBLE, &v);
        return v;
    }
};

TEST_F(RecordFile, ModesShowTheirControlsAndTheDurationOfLongRecordings)
{
    uitest::InjectEvent(mainpanel, MAINP_ButtonRecorder, EVENT_COMMIT);
    EXPECT_EQ(IsPanelVisible(recpanel), 1);
    const int probe[] = {RECP_EditRecVal, RECP_RecordTimeFrame, RECP_DispRecordedValues,
                         RECP_DispRecordCount, RECP_ButtonStartRecord, RECP_ButtonStartTrigRec,
                         RECP_ButtonManualRecord, RECP_EditInterval};
    const std::vector<std::vector<int>> shown = {
        {1, 1, 1, 0, 1, 0, 0, 1}, {0, 0, 0, 1, 1, 0, 0, 1},
        {0, 0, 1, 0, 0, 0, 1, 0}, {0, 0, 0, 1, 0, 1, 0, 0}};
    for (int mode : {2, 0, 3, 1}) {
        uitest::OperatorSetValue(recpanel, RECP_EditSelectDataRec, mode);
        std::vector<int> seen;
        for (int ctrl : probe)
            seen.push_back(Visible(ctrl));
        EXPECT_EQ(seen, shown[mode]) << "mode " << mode;
    }

    uitest::OperatorSetValue(recpanel, RECP_EditSelectDataRec, kRecFixedCount);
    const struct {
        int interval, count;
        std::vector<int> duration;  // days, hours, minutes, seconds
    } cases[] = {{2, 5, {0, 0, 0, 10}}, {3600, 48, {2, 0, 0, 0}},
                 {65535, 65535, {49708, 18, 3, 45}}};
    for (const auto &c : cases) {
        uitest::OperatorSetValue(recpanel, RECP_EditInterval, c.interval);
        uitest::OperatorSetValue(recpanel, RECP_EditRecVal, c.count);
        std::vector<int> duration;
        for (int ctrl : {RECP_DispRecordDays, RECP_DispRecordHours, RECP_DispRecordMinutes,
                         RECP_DispRecordSeconds}) {
            int v = -1;
            GetCtrlVal(recpanel, ctrl, &v);
            duration.push_back(v);
        }
        EXPECT_EQ(duration, c.duration) << c.interval << " s x " << c.count;
        int remaining = -1;
        GetCtrlVal(recpanel, RECP_DispRemaining, &remaining);
        EXPECT_EQ(remaining, c.count);
    }
}

TEST_F(RecordFile, SelectionWritesTheHeaderAndAConfirmedFileStartsAnewAfterABackup)
{
    // The box starts with the record file of the program's data folder.
    EXPECT_EQ(Shown(), Path("record.dat"));

    const std::string fresh = Path("fresh.dat");
    Select(fresh);
    EXPECT_EQ(Read(fresh), "DATE\tTIME\tCH_L\tCH_C\tCH_R\tDENS\tSYM1\tSYM2\tVECTOR\tTEMP\t\r\n");
    EXPECT_EQ(Read(fresh).size(), 52u + 2);
    EXPECT_EQ(Shown(), fresh);

    // An existing file: refused, it stays as it was and so does the box.
    const std::string old = Path("old.dat");
    Write(old, "earlier lines\r\n");
    Select(old, 0);
    EXPECT_TRUE(PopupShown("ATTENTION!", kRecFileExistsText));
    EXPECT_EQ(Read(old), "earlier lines\r\n");
    EXPECT_EQ(Shown(), fresh);

    // Confirmed: only the header, the old lines in the backup, and the
    // panel says where they went.
    EXPECT_EQ(Visible(RECP_DispBackupNote), 0);
    Select(old, 1);
    EXPECT_TRUE(PopupShown("ATTENTION!", kRecNotOpenedText));
    EXPECT_EQ(Read(old), kRecordHeader);
    EXPECT_EQ(Read(old + ".bak"), "earlier lines\r\n");
    EXPECT_EQ(Shown(), old);
    EXPECT_EQ(Visible(RECP_DispBackupNote), 1);
    char note[64] = "";
    GetCtrlVal(recpanel, RECP_DispBackupNote, note);
    EXPECT_STREQ(note, "OLD LINES KEPT IN\nold.dat.bak");

    // Once more: the lines of this second run replace the older backup.
    Write(old, std::string(kRecordHeader) + "second run\r\n");
    Select(old, 1);
    EXPECT_EQ(Read(old), kRecordHeader);
    EXPECT_EQ(Read(old + ".bak"), std::string(kRecordHeader) + "second run\r\n");

    // A folder where the backup belongs: nothing is moved or emptied.
    const std::string blocked = Path("blocked.dat");
    Write(blocked, "kept\r\n");
    QDir().mkpath(QString::fromStdString(blocked + ".bak"));
    Select(blocked, 1);
    EXPECT_TRUE(PopupShown("ATTENTION!", "The old lines could not be moved aside to\n" + blocked +
                                             ".bak\nThe record file " + blocked + " is unchanged."));
    EXPECT_EQ(Read(blocked), "kept\r\n");
    EXPECT_EQ(Shown(), old);

    // Cancelled: the box keeps its path.
    uitest::ClearPopupLog();
    Select("");
    EXPECT_TRUE(
        PopupShown("ATTENTION!", "No filename was choosen! \nRecording will not be done! "));
    EXPECT_EQ(Shown(), old);
}

TEST_F(RecordFile, ManualRecordsAppendTheLastValuesWithoutASecondHeader)
{
    const std::string path = Path("manual.dat");
    Select(path);
    uitest::OperatorSetValue(recpanel, RECP_EditSelectDataRec, kRecManual);
    EXPECT_EQ(Visible(RECP_ButtonManualRecord), 1);
    EXPECT_EQ(Visible(RECP_ButtonStartRecord), 0);
    dataChL = 1200, dataChC = 1180, dataChR = 1210, dataDensity = 3590;
    dataSym1 = 500, dataSym2 = 498, dataVec = 255, dataTemp = 31;
    dataAktMaxChL = 4000;  // not recorded
    SetPanelData();        // as a frame received shows them: live values
    PressManual();
    PressManual();
    word count = 0;
    GetCtrlVal(recpanel, RECP_DispRecordedValues, &count);
    EXPECT_EQ(count, 2);

    // Choosing the mode again restarts the count; the file goes on.
    uitest::OperatorSetValue(recpanel, RECP_EditSelectDataRec, kRecFixedCount);
    uitest::OperatorSetValue(recpanel, RECP_EditSelectDataRec, kRecManual);
    GetCtrlVal(recpanel, RECP_DispRecordedValues, &count);
    EXPECT_EQ(count, 0);
    dataVec = 2;
    PressManual();
    GetCtrlVal(recpanel, RECP_DispRecordedValues, &count);
    EXPECT_EQ(count, 1);

    const std::regex line(
        R"((\d\d-\d\d-\d{4})\t\d\d:\d\d:\d\d\t1200\t1180\t1210\t3590\t500\t498\t(255|2)\t31\r\n)");
    const std::string text = Read(path);
    ASSERT_EQ(text.substr(0, 54), kRecordHeader);
    std::string rest = text.substr(54);
    std::vector<std::string> vectors;
    std::smatch m;
    while (std::regex_search(rest, m, line, std::regex_constants::match_continuous)) {
        EXPECT_EQ(m[1].str(), DateStr());
        vectors.push_back(m[2].str());
        rest = m.suffix().str();
    }
    EXPECT_EQ(rest, "");
    EXPECT_EQ(vectors, (std::vector<std::string>{"255", "255", "2"}));
    EXPECT_EQ(Visible(RECP_DispLostLines), 0);
}

TEST_F(RecordFile, AFileThatCannotBeWrittenIsReportedAndLeavesTheBox)
{
    const std::string before = Shown();
    const std::string unwritable = Path("no-such-folder/rec.dat");
    Select(unwritable);
    EXPECT_TRUE(PopupShown("ATTENTION!", "The record file cannot be written:\n" + unwritable +
                                             "\nChoose another file or folder."));
    EXPECT_EQ(Shown(), before);

    // Recording into it all the same: the panel counts the lost lines at once.
    ResetTextBox(recpanel, RECP_DispRecFile, unwritable.c_str());
    uitest::OperatorSetValue(recpanel, RECP_EditSelectDataRec, kRecManual);
    SetPanelData();  // live values, as after a frame
    PressManual();
    PressManual();
    EXPECT_EQ(Visible(RECP_DispLostLines), 1);
    char note[64] = "";
    GetCtrlVal(recpanel, RECP_DispLostLines, note);
    EXPECT_STREQ(note, "LINES LOST: 2");
    // Choosing the mode anew starts a fresh account.
    uitest::OperatorSetValue(recpanel, RECP_EditSelectDataRec, kRecManual);
    EXPECT_EQ(Visible(RECP_DispLostLines), 0);
}

}  // namespace
