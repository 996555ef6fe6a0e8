// Files the operator owns, through every writer of the program: a file the
// user may not write is refused and stays as it was, a symbolic link is
// followed and stays a link, the mode is kept, and a folder that takes no
// new file gets the file written in place. The cases that need an ordinary
// user skip as root; UserFiles.AsAnOrdinaryUser runs them as one.
#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "app/callbacks.h"
#include "combobox/combobox.h"
#include "gui/link_log_window.h"
#include "gui/param_file.h"
#include "gui/record_view.h"
#include "gui/server_history.h"
#include "gui/window_size.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::ProgramTest;

namespace {

constexpr char kOld[] = "old content\r\n";

using orvtest::ReadFile;
using orvtest::WriteFile;

unsigned ModeOf(const std::string &path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

std::string FolderOf(const std::string &path) { return path.substr(0, path.rfind('/')); }

// One writer of the program: where its file lies once the program runs, how
// the operator saves it, and the start of the popup that refuses it (empty:
// the writer keeps quiet, as the window sizes at the end of a run do).
struct Writer {
    const char *name;
    std::function<std::string(const std::string &dir)> path;  // dir: the test's folder
    std::function<void(const std::string &)> save;
    std::string refusal;
};

// A file the operator picks in a dialog, in a folder of its own.
std::string Chosen(const std::string &dir, const char *name)
{
    QDir().mkpath(QString::fromStdString(dir + "/chosen"));
    return dir + "/chosen/" + name;
}

// A record file shown on the graph panel, beside the folder of the files
// chosen, as what the record view's writers save from.
void ShowARecordFile(const std::string &chosen)
{
    const std::string shown = FolderOf(FolderOf(chosen)) + "/shown.dat";
    WriteFile(shown, "03-15-2026\t10:00:00\t1\t2\t3\t4\t5\t6\t7\t8\r\n"
                     "03-15-2026\t10:00:01\t1\t2\t3\t4\t5\t6\t7\t8\r\n");
    ShowRecordFile(shown.c_str());
}

const Writer kWriters[] = {
    {"ParameterFile", [](const std::string &dir) { return Chosen(dir, "Parameter.ini"); },
     [](const std::string &path) {
         uitest::PushFileSelection(path);
         SendParaToFile();
     },
     "The parameter file could not be saved:\n"},
    {"ConnectionSettings", [](const std::string &) { return std::string(conSettingsFileName); },
     [](const std::string &) {
         CBF_ButtonAccept(interfacepanel, INTERFACEP_ButtonAccept, EVENT_COMMIT, nullptr, 0, 0);
     },
     "The connection settings could not be saved in\n"},
    {"ServerHistory", [](const std::string &) { return std::string(ipComboBoxFileName); },
     [](const std::string &) {
         SetCtrlVal(interfacepanel, INTERFACEP_StringIpAdress, "sensor-7.plant");
         UpdateServerHistory();
     },
     "The server list could not be saved:\n"},
    {"WindowSizes", [](const std::string &) { return std::string(proj_dir) + "/WindowSize.cfg"; },
     [](const std::string &) { SaveWindowSizes(); }, ""},
    {"RecordViewPicture", [](const std::string &dir) { return Chosen(dir, "view.png"); },
     [](const std::string &path) {
         ShowARecordFile(path);
         uitest::PushFileSelection(path);
         SaveRecordPicture();
     },
     "This file cannot be written here. Choose another name or folder:\n"},
    {"RecordViewLines", [](const std::string &dir) { return Chosen(dir, "part.dat"); },
     [](const std::string &path) {
         ShowARecordFile(path);
         uitest::PushFileSelection(path);
         SaveRecordLines();
     },
     "This file cannot be written here. Choose another name or folder:\n"},
    // Written when a dialog's folder changes: a parameter file that is not
    // there, looked for in one folder and then in another.
    {"DialogFolders", [](const std::string &) { return std::string(proj_dir) + "/DialogFolders.cfg"; },
     [](const std::string &) {
         static int turn = 0;
         uitest::PushFileSelection(++turn % 2 ? "/none.ini" : "/usr/none.ini");
         ReadParaFromFile();
     },
     ""},
    {"LinkLogText", [](const std::string &dir) { return Chosen(dir, "LinkLog.txt"); },
     [](const std::string &path) {
         uitest::PushFileSelection(path);
         SaveLinkLog();
     },
     "The link log could not be saved:\n"},
};

enum class Case { ReadOnly, SymbolicLink, ModeKept, FolderTakesNoNewFile };

struct Param {
    const Writer *writer;
    Case kase;
};

void PrintTo(const Param &p, std::ostream *os) { *os << p.writer->name << " case " << int(p.kase); }

class UserFiles : public ProgramTest, public ::testing::WithParamInterface<Param> {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        WriteSettingsWithoutSensor();
        OpenProgram();
        uitest::ClearPopupLog();
    }
    void TearDown() override
    {
        for (const std::string &folder : lockedFolders_)
            ::chmod(folder.c_str(), 0755);
        ProgramTest::TearDown();
    }
    void Lock(const std::string &folder)
    {
        ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
        lockedFolders_.push_back(folder);
    }
    bool Refused(const Writer &w, const std::string &path) const
    {
        for (const auto &p : uitest::PopupLog())
            if (p.title == "ATTENTION!" && p.text.rfind(w.refusal + path, 0) == 0)
                return true;
        return false;
    }
    std::vector<std::string> lockedFolders_;
};

TEST_P(UserFiles, SaveRespectsTheFile)
{
    const Writer &w = *GetParam().writer;
    const Case kase = GetParam().kase;
    const bool root = ::geteuid() == 0;
    if (root && (kase == Case::ReadOnly || kase == Case::FolderTakesNoNewFile))
        GTEST_SKIP() << "root may write anything; UserFiles.AsAnOrdinaryUser runs this as nobody";
    const std::string path = w.path(dir_.path().toStdString());
    ASSERT_FALSE(path.empty());
    switch (kase) {
    case Case::ReadOnly: {
        WriteFile(path, kOld);
        ::chmod(path.c_str(), 0444);
        w.save(path);
        EXPECT_EQ(ReadFile(path), kOld);
        EXPECT_EQ(ModeOf(path), 0444u);
        if (!w.refusal.empty())
            EXPECT_TRUE(Refused(w, path)) << "no popup naming " << path;
        break;
    }
    case Case::SymbolicLink: {
        const std::string real = Path("real.file");
        WriteFile(real, kOld);
        QFile::remove(QString::fromStdString(path));
        ASSERT_EQ(::symlink(real.c_str(), path.c_str()), 0);
        w.save(path);
        char target[kPathBytes] = "";
        ASSERT_GT(::readlink(path.c_str(), target, sizeof target - 1), 0) << "the link is gone";
        EXPECT_EQ(std::string(target), real);
        EXPECT_NE(ReadFile(real), kOld);
        break;
    }
    case Case::ModeKept:
        // 0600 differs from what a plain creation gives, 0640 also from what
        // a new temporary file has.
        for (unsigned mode : {0600u, 0640u}) {
            WriteFile(path, kOld);
            ::chmod(path.c_str(), mode);
            w.save(path);
            EXPECT_NE(ReadFile(path), kOld);
            EXPECT_EQ(ModeOf(path), mode);
        }
        break;
    case Case::FolderTakesNoNewFile: {
        // Longer than any new content, a picture's too, whose bytes may hold an 'x'.
        const std::string old = std::string(kOld) + std::string(200000, 'x');
        WriteFile(path, old);
        ::chmod(path.c_str(), 0644);
        const QStringList before = QDir(QString::fromStdString(FolderOf(path))).entryList(QDir::Files);
        Lock(FolderOf(path));
        w.save(path);
        const std::string now = ReadFile(path);
        EXPECT_NE(now.substr(0, sizeof kOld - 1), kOld);
        EXPECT_LT(now.size(), old.size()) << "old bytes left behind the new end";
        EXPECT_NE(now.substr(now.size() - std::min<std::size_t>(now.size(), 16)), std::string(16, 'x'))
            << "old bytes left behind the new end";
        EXPECT_EQ(QDir(QString::fromStdString(FolderOf(path))).entryList(QDir::Files), before);
        EXPECT_FALSE(Refused(w, path) && !w.refusal.empty()) << "saved, yet reported as failed";
        break;
    }
    }
}

std::vector<Param> AllCases()
{
    std::vector<Param> out;
    for (const Writer &w : kWriters)
        for (Case c : {Case::ReadOnly, Case::SymbolicLink, Case::ModeKept, Case::FolderTakesNoNewFile})
            out.push_back({&w, c});
    return out;
}

std::string CaseName(const ::testing::TestParamInfo<Param> &info)
{
    static const char *const kNames[] = {"ReadOnlyRefused", "LinkFollowed", "Modes0600And0640Kept",
                                         "FolderTakesNoNewFileWrittenInPlace"};
    return std::string(info.param.writer->name) + "_" + kNames[static_cast<int>(info.param.kase)];
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, UserFiles, ::testing::ValuesIn(AllCases()), CaseName);

}  // namespace
