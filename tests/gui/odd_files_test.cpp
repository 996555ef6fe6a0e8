// Names that are no usable file: a FIFO where the window sizes, the record
// file or a parameter file belong never holds the window; a path longer than
// the path buffers is refused by every dialog and by the record path box,
// with nothing created or emptied; a server history that is junk loads
// nothing, and one that cannot be saved says so once.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstring>
#include <functional>
#include <mutex>
#include <random>
#include <thread>

#include "combobox/combobox.h"
#include "gui/link_log_window.h"
#include "gui/param_file.h"
#include "gui/record_file.h"
#include "gui/recorder.h"
#include "gui/server_history.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::ProgramTest;

namespace {

constexpr double kFifoLimitS = 5.0;  // far longer than any refusal takes

using orvtest::ReadFile;
using orvtest::WriteFile;

bool IsFifo(const std::string &path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISFIFO(st.st_mode);
}

// Once the time limit has passed, opens the FIFO from the other side again
// and again, so that a program blocked on it goes on and the test fails
// instead of hanging.
class FifoWatchdog {
public:
    explicit FifoWatchdog(std::string path) : path_(std::move(path))
    {
        std::signal(SIGPIPE, SIG_IGN);
        thread_ = std::thread([this] { Watch(); });
    }
    ~FifoWatchdog()
    {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    bool Fired() const { return fired_; }

private:
    void Watch()
    {
        std::unique_lock<std::mutex> lock(mutex_);
        if (wake_.wait_for(lock, std::chrono::duration<double>(kFifoLimitS), [this] { return stop_; }))
            return;
        fired_ = true;
        while (!stop_) {
            const int fd = ::open(path_.c_str(), O_RDWR | O_NONBLOCK);
            wake_.wait_for(lock, std::chrono::milliseconds(100), [this] { return stop_; });
            if (fd >= 0)
                ::close(fd);
        }
    }
    std::string path_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    std::atomic<bool> fired_{false};
    std::thread thread_;
};

// One file the program opens, replaced by a FIFO: how the operator comes to
// open it, and what the program must then show.
struct FifoFile {
    const char *name;
    const char *file;  // its name in the test's folder
    bool sensor;       // the operation needs a connected sensor to do its harm
    std::function<void(const std::string &fifo)> act;
    std::function<void(const ProgramTest &, const std::string &fifo)> check;
};

void PrintTo(const FifoFile &f, std::ostream *os) { *os << f.name; }

class FifoFiles : public ProgramTest, public ::testing::WithParamInterface<FifoFile> {};

const FifoFile kFifoFiles[] = {
    // Read at start-up and written at the end of the run.
    {"WindowSizes", "WindowSize.cfg", false, [](const std::string &) {},
     [](const ProgramTest &, const std::string &) {
         EXPECT_EQ(IsPanelVisible(mainpanel), 1);
     }},
    // A timed recording into it: refused before the first request.
    {"RecordFile", "rec.dat", true,
     [](const std::string &fifo) {
         ResetTextBox(recpanel, RECP_DispRecFile, fifo.c_str());
         uitest::OperatorSetValue(recpanel, RECP_EditRecVal, 2);
         uitest::InjectEvent(recpanel, RECP_ButtonStartRecord, EVENT_COMMIT);
         // and one manual record
         uitest::OperatorSetValue(recpanel, RECP_EditSelectDataRec, kRecManual);
         uitest::InjectEvent(recpanel, RECP_ButtonManualRecord, EVENT_COMMIT);
     },
     [](const ProgramTest &, const std::string &fifo) {
         int lines = -1;
         GetCtrlVal(recpanel, RECP_DispRecordedValues, &lines);
         EXPECT_EQ(lines, 0);
         (void)fifo;
     }},
    // Loading from it and saving to it through the parameter file dialog.
    {"ParameterFile", "Parameter.ini", false,
     [](const std::string &fifo) {
         uitest::PushFileSelection(fifo);
         ReadParaFromFile();
         uitest::PushFileSelection(fifo);
         SendParaToFile();
     },
     [](const ProgramTest &, const std::string &) {}},
};

TEST_P(FifoFiles, OpensNothingAndHoldsNothingUp)
{
    const FifoFile &f = GetParam();
    const std::string fifo = Path(f.file);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    if (f.sensor)
        StartSensorTcp();
    else
        WriteSettingsWithoutSensor();
    FifoWatchdog watchdog(fifo);
    const double start = Timer();
    OpenProgram();
    if (sensor_)
        sensor_->clearFrameLog();
    uitest::ClearPopupLog();
    f.act(fifo);
    f.check(*this, fifo);
    orvelle::CloseProgram();
    open_ = false;
    EXPECT_FALSE(watchdog.Fired()) << "the window was held on the FIFO for " << kFifoLimitS << " s";
    EXPECT_LT(Timer() - start, kFifoLimitS);
    EXPECT_TRUE(IsFifo(fifo));
    if (sensor_) {
        EXPECT_EQ(orvtest::DataRequests(sensor_->receivedFrames()), 0) << "a recording started";
    }
    // Nothing came through the FIFO.
    const int fd = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    char byte = 0;
    EXPECT_LE(::read(fd, &byte, 1), 0);
    ::close(fd);
    // Where the operator asked for it, the refusal names the file.
    if (std::string(f.name) == "RecordFile") {
        EXPECT_TRUE(PopupShown("ATTENTION!", "The record file cannot be written:\n" + fifo +
                                                 "\nChoose another file or folder."));
    }
    if (std::string(f.name) == "ParameterFile") {
        EXPECT_TRUE(PopupShown("ATTENTION!", "The parameter file could not be loaded:\n" + fifo +
                                                 "\nThe file cannot be opened.\nThe parameters "
                                                 "were not changed."));
        bool saveRefused = false;
        for (const auto &p : uitest::PopupLog())
            saveRefused |= p.text.rfind("The parameter file could not be saved:\n" + fifo, 0) == 0;
        EXPECT_TRUE(saveRefused);
    }
}

INSTANTIATE_TEST_SUITE_P(EachFile, FifoFiles, ::testing::ValuesIn(kFifoFiles),
                         [](const ::testing::TestParamInfo<FifoFile> &i) { return i.param.name; });

// ---- paths longer than the path buffers ---------------------------------

constexpr char kTooLongText[] =
    "The path is too long: 263 bytes, but a path may hold at most 259.\n"
    "Nothing was saved, created or changed. Choose a shorter path.";

// Each way the operator names a file: the three dialogs (the parameter
// dialog serves both Send and Get) and the record path box.
struct LongPathUse {
    const char *name;
    std::function<void(const std::string &path)> use;
};

const LongPathUse kLongPathUses[] = {
    {"ParameterSend",
     [](const std::string &p) {
         uitest::PushFileSelection(p);
         SendParaToFile();
     }},
    {"ParameterGet",
     [](const std::string &p) {
         uitest::PushFileSelection(p);
         ReadParaFromFile();
     }},
    {"RecordFileDialog",
     [](const std::string &p) {
         uitest::PushFileSelection(p);
         uitest::InjectEvent(recpanel, RECP_ButtonSelRecFile, EVENT_COMMIT);
     }},
    {"LinkLogText",
     [](const std::string &p) {
         uitest::PushFileSelection(p);
         SaveLinkLog();
     }},
    {"RecordPathBox",
     [](const std::string &p) {
         ResetTextBox(recpanel, RECP_DispRecFile, p.c_str());
         uitest::OperatorSetValue(recpanel, RECP_EditSelectDataRec, kRecManual);
         uitest::InjectEvent(recpanel, RECP_ButtonManualRecord, EVENT_COMMIT);
     }},
};

void PrintTo(const LongPathUse &u, std::ostream *os) { *os << u.name; }

class LongPaths : public ProgramTest, public ::testing::WithParamInterface<LongPathUse> {};

TEST_P(LongPaths, ARefusedPathCreatesAndEmptiesNothing)
{
    WriteSettingsWithoutSensor();
    OpenProgram();
    uitest::ClearPopupLog();
    // A folder deep enough that its "victim.dat" takes 259 bytes; the path
    // chosen is "victim.dat.old" beside it, 263 bytes, which cut to the
    // buffer would name the victim.
    const std::string victimName = "/victim.dat";
    std::string folder = Path("deep");
    const std::size_t room = static_cast<std::size_t>(kPathBytes - 1) - victimName.size();
    ASSERT_LT(folder.size() + 2, room);
    while (folder.size() < room) {
        const std::size_t part = std::min<std::size_t>(room - folder.size() - 1, 100);
        folder += "/" + std::string(part, 'd');
    }
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
    const std::string victim = folder + victimName;
    ASSERT_EQ(victim.size(), static_cast<std::size_t>(kPathBytes - 1));
    const std::string chosen = victim + ".old";
    WriteFile(victim, "lines of an earlier day\r\n");
    char boxBefore[kPathBytes] = "";
    GetTextBoxLine(recpanel, RECP_DispRecFile, 0, boxBefore, sizeof boxBefore);

    GetParam().use(chosen);

    EXPECT_TRUE(PopupShown("ATTENTION!", kTooLongText));
    EXPECT_EQ(ReadFile(victim), "lines of an earlier day\r\n");
    EXPECT_EQ(QDir(QString::fromStdString(folder)).entryList(QDir::Files | QDir::Hidden),
              QStringList{"victim.dat"});
    if (std::string(GetParam().name) == "RecordFileDialog") {
        char box[kPathBytes] = "";
        GetTextBoxLine(recpanel, RECP_DispRecFile, 0, box, sizeof box);
        EXPECT_STREQ(box, boxBefore);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryDialogAndTheBox, LongPaths, ::testing::ValuesIn(kLongPathUses),
                         [](const ::testing::TestParamInfo<LongPathUse> &i) { return i.param.name; });

// ---- the server history -----------------------------------------------------

class ServerHistoryFile : public ProgramTest {
protected:
    int Entries() const
    {
        const ComboRecord *combo = ComboRecordOf(interfacepanel, INTERFACEP_StringIpAdress);
        int n = -1;
        if (combo)
            GetNumListItems(interfacepanel, combo->listCtrl, &n);
        return n;
    }
    void Commit(const char *server)
    {
        SetCtrlVal(interfacepanel, INTERFACEP_StringIpAdress, server);
        UpdateServerHistory();
    }
    int Refusals() const
    {
        int n = 0;
        for (const auto &p : uitest::PopupLog())
            n += p.text.rfind("The server list could not be saved:\n", 0) == 0;
        return n;
    }
};

TEST_F(ServerHistoryFile, JunkLoadsNothingAndIsNotSavedBack)
{
    // 100 MB of noise, the same every run.
    std::string junk(100u << 20, '\0');
    std::mt19937_64 noise(17);
    for (std::size_t i = 0; i + 8 <= junk.size(); i += 8) {
        const std::uint64_t v = noise();
        std::memcpy(&junk[i], &v, 8);
    }
    WriteFile(Path("IPComboBox.cfg"), junk);
    junk.clear();
    WriteSettingsWithoutSensor();
    OpenProgram();
    EXPECT_EQ(Entries(), 0);
    Commit("sensor-7.plant");
    EXPECT_EQ(Entries(), 1);
    std::string entry = "sensor-7.plant";
    entry.resize(kHistoryEntryBytes, '\0');
    EXPECT_EQ(ReadFile(Path("IPComboBox.cfg")), entry + "\r\n");
}

TEST_F(ServerHistoryFile, OneThatCannotBeSavedSaysSoOnce)
{
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(Path("IPComboBox.cfg"))));
    WriteSettingsWithoutSensor();
    OpenProgram();
    EXPECT_EQ(Entries(), 0);
    uitest::ClearPopupLog();
    Commit("sensor-7.plant");
    Commit("sensor-8.plant");
    EXPECT_EQ(Refusals(), 1);
    EXPECT_EQ(Entries(), 2);  // the list goes on working
    EXPECT_TRUE(QFileInfo(QString::fromStdString(Path("IPComboBox.cfg"))).isDir());
}

}  // namespace
