// The parameter file through the Send and Get buttons with FILE selected.
#include <QDir>
#include <QFile>
#include <csignal>
#include <sys/resource.h>

#include "gui/link_test.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::ProgramTest;

namespace {

const int kParaCtrls[] = {PARAP_SlidePower, PARAP_EditChannelMode, PARAP_EditAverage,
                          PARAP_Evalmode, PARAP_EditHold, PARAP_EditIntlim, PARAP_EditMaxNo,
                          PARAP_EditOutmode, PARAP_EditTrigger, PARAP_ExternTeach};

class ParamFile : public ProgramTest {
protected:
    // The message popups shown (file selections are logged too).
    std::vector<uitest::PopupRecord> Messages() const
    {
        std::vector<uitest::PopupRecord> out;
        for (const auto &p : uitest::PopupLog())
            if (p.kind == "message")
                out.push_back(p);
        return out;
    }
    void SetUp() override
    {
        ProgramTest::SetUp();
        WriteSettingsWithoutSensor();
        OpenProgram();
        uitest::OperatorSetValue(mainpanel, MAINP_SelectFILE, 1);
        ASSERT_EQ(target, DATFILE);
        uitest::ClearPopupLog();
    }
    void Send(const std::string &path)
    {
        uitest::PushFileSelection(path);
        uitest::InjectEvent(mainpanel, MAINP_ButtonSend, EVENT_COMMIT);
    }
    void Get(const std::string &path)
    {
        uitest::PushFileSelection(path);
        uitest::InjectEvent(mainpanel, MAINP_ButtonGet, EVENT_COMMIT);
    }
    void WriteText(const std::string &path, const std::string &text)
    {
        QFile f(QString::fromStdString(path));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.data(), static_cast<qint64>(text.size()));
    }
    std::string ReadText(const std::string &path)
    {
        QFile f(QString::fromStdString(path));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return f.readAll().toStdString();
    }
    // 202 lines: slot s = 10 + s, then cell value 1000 + word index.
    std::string Image(const char *eol, int line7 = 4)
    {
        std::string text;
        for (int i = 0; i < 202; ++i) {
            int v = i < 16 ? 10 + i : 1000 + i;
            if (i == 6)
                v = line7;
            if (i == 7)
                v = 1;
            if (i == 8 || i == 9)
                v = 0;
            text += std::to_string(v) + eol;
        }
        return text;
    }
    std::vector<unsigned> PanelSnapshot()
    {
        std::vector<unsigned> out;
        for (int ctrl : kParaCtrls) {
            unsigned short v = 0;
            GetCtrlVal(parapanel, ctrl, &v);
            out.push_back(v);
        }
        for (int r = 1; r <= 31; ++r)
            for (int c = 1; c <= 6; ++c) {
                unsigned short v = 0;
                GetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(c, r), &v);
                out.push_back(v);
            }
        return out;
    }
};

TEST_F(ParamFile, SaveThenLoadRestoresEverythingSparesIncluded)
{
    const unsigned short values[] = {640, 2, 77, 1, 123, 456, 5, 1, 2, 0};
    for (int i = 0; i < 10; ++i)
        SetCtrlVal(parapanel, kParaCtrls[i], values[i]);
    for (int r = 1; r <= 31; ++r)
        for (int c = 1; c <= 6; ++c)
            SetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(c, r),
                            static_cast<unsigned short>(r * 1000 + c));
    paraFrei11 = 11;
    paraFrei16 = 65535;
    const auto before = PanelSnapshot();
    const std::string path = Path("set.ini");
    Send(path);
    const std::string text = ReadText(path);
    EXPECT_EQ(text.substr(0, 14), "  640\r\n    2\r\n");
    EXPECT_EQ(text.size(), 202u * 7);
    EXPECT_NE(text.find("65535\r\n"), std::string::npos);
    EXPECT_TRUE(Messages().empty());  // success stays silent

    for (int ctrl : kParaCtrls)
        SetCtrlVal(parapanel, ctrl, static_cast<unsigned short>(0));
    paraFrei11 = paraFrei16 = 0;
    Get(path);
    EXPECT_EQ(PanelSnapshot(), before);
    EXPECT_EQ(paraFrei11, 11);
    EXPECT_EQ(paraFrei16, 65535);
}

TEST_F(ParamFile, VectorCountFortyLoadsAsThirtyOneAllGreen)
{
    const std::string path = Path("forty.ini");
    WriteText(path, Image("\r\n", 40));
    Get(path);
    unsigned short maxNo = 0;
    GetCtrlVal(parapanel, PARAP_EditMaxNo, &maxNo);
    EXPECT_EQ(maxNo, 31);
    for (int r = 1; r <= 31; ++r) {
        int colour = 0;
        GetTableRowAttribute(ttpanel, TTP_GridCtt, r, ATTR_LABEL_COLOR, &colour);
        ASSERT_EQ(colour, 0x008000) << r;
    }
}

TEST_F(ParamFile, LineEndsAndPaddingOfEitherSideLoad)
{
    for (const char *eol : {"\r\n", "\n"}) {
        std::string text = Image(eol);
        text = "   15  " + text.substr(text.find(eol));  // blanks on both sides of line 1
        const std::string path = Path("eol.ini");
        WriteText(path, text);
        // Each pass starts from values the file does not hold.
        SetCtrlVal(parapanel, PARAP_SlidePower, static_cast<unsigned short>(0));
        SetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(6, 31), static_cast<unsigned short>(0));
        Get(path);
        unsigned short power = 0, cell = 0;
        GetCtrlVal(parapanel, PARAP_SlidePower, &power);
        GetTableCellVal(ttpanel, TTP_GridCtt, MakePoint(6, 31), &cell);
        EXPECT_EQ(power, 15);
        EXPECT_EQ(cell, 1201);
    }
}

TEST_F(ParamFile, BadFilesChangeNothingAndSaySo)
{
    std::string shortFile = Image("\r\n");
    shortFile.resize(shortFile.size() / 2);
    std::string nonNumeric = Image("\r\n");
    nonNumeric.replace(nonNumeric.find("\r\n") + 2, 2, "ab");
    std::string tooLarge = "70000\r\n" + Image("\r\n").substr(Image("\r\n").find("\r\n") + 2);
    const std::string tooLong = Image("\r\n") + "7\r\n";
    std::string twoOnALine = Image("\r\n");
    twoOnALine.replace(twoOnALine.find("\r\n"), 2, " ");  // lines 1 and 2 joined: 202 values
    const std::pair<std::string, std::string> cases[] = {
        {"short.ini", shortFile}, {"letters.ini", nonNumeric}, {"large.ini", tooLarge},
        {"long.ini", tooLong},    {"pair.ini", twoOnALine}};
    const auto before = PanelSnapshot();
    std::string shortProblem;
    for (const auto &[name, text] : cases) {
        const std::string path = Path(name.c_str());
        WriteText(path, text);
        uitest::ClearPopupLog();
        Get(path);
        EXPECT_EQ(PanelSnapshot(), before) << name;
        ASSERT_EQ(Messages().size(), 1u) << name;
        EXPECT_EQ(Messages()[0].title, "ATTENTION!");
        const std::string shown = Messages()[0].text;
        const auto at = shown.find(path);
        ASSERT_NE(at, std::string::npos) << name;
        // Too many values, or two on a line, say what a short file says.
        const std::string problem = shown.substr(at + path.size());
        if (name == "short.ini")
            shortProblem = problem;
        if (name == "long.ini" || name == "pair.ini") {
            EXPECT_EQ(problem, shortProblem) << name;
        }
    }
    uitest::ClearPopupLog();
    Get(Path("missing.ini"));
    EXPECT_EQ(PanelSnapshot(), before);
    EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(ParamFile, CancelWritesNothingAndUndimsAfterHalfASecond)
{
    const QStringList before = QDir(dir_.path()).entryList(QDir::Files);
    uitest::PushFileSelection("");
    const double start = Timer();
    uitest::InjectEvent(mainpanel, MAINP_ButtonSend, EVENT_COMMIT);
    EXPECT_GE(Timer() - start, 0.5);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), before);
    int dimmed = -1;
    GetCtrlAttribute(mainpanel, MAINP_ButtonSend, ATTR_DIMMED, &dimmed);
    EXPECT_EQ(dimmed, 0);
}

TEST_F(ParamFile, SaveFailingHalfWayKeepsTheOldFileAndSaysSo)
{
    const std::string path = Path("keep.ini");
    WriteText(path, Image("\r\n"));
    const std::string old = ReadText(path);
    // A file-size limit makes the write fail after 100 bytes, even for root.
    struct rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    struct rlimit small = saved;
    small.rlim_cur = 100;
    signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    Send(path);
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(ReadText(path), old);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].title, "ATTENTION!");
    EXPECT_NE(Messages()[0].text.find(path), std::string::npos);
}

TEST_F(ParamFile, SaveIntoAMissingDirectorySaysSo)
{
    Send(Path("no/such/dir/set.ini"));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].title, "ATTENTION!");
}

TEST_F(ParamFile, SelectorIsOneRadioGroup)
{
    uitest::OperatorSetValue(mainpanel, MAINP_SelectRAM, 1);
    int ram = -1, eeprom = -1, file = -1;
    GetCtrlVal(mainpanel, MAINP_SelectRAM, &ram);
    GetCtrlVal(mainpanel, MAINP_SelectEEPROM, &eeprom);
    GetCtrlVal(mainpanel, MAINP_SelectFILE, &file);
    EXPECT_EQ(target, RAM);
    EXPECT_EQ(ram + eeprom + file, 1);
    EXPECT_EQ(ram, 1);
    // Clicking the button that is on leaves it on.
    uitest::OperatorSetValue(mainpanel, MAINP_SelectRAM, 0);
    GetCtrlVal(mainpanel, MAINP_SelectRAM, &ram);
    EXPECT_EQ(ram, 1);
    EXPECT_EQ(target, RAM);
}

}  // namespace
