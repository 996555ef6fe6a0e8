// The file dialogs open in the folder where a file of their kind was chosen
// last, also after a restart, and not where another kind was chosen; a
// folder that has gone since sends them back to the program's folder.
#include <QDir>

#include "gui/link_log_window.h"
#include "gui/record_view.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::ProgramTest;

namespace {

constexpr char kRecordLines[] =
    "03-15-2026\t10:00:00\t1\t2\t3\t4\t5\t6\t7\t8\r\n"
    "03-15-2026\t10:00:01\t1\t2\t3\t4\t5\t6\t7\t8\r\n";

void Press(int panel, int control)
{
    uitest::InjectEvent(panel, control, EVENT_COMMIT);
}

void SendToFile()
{
    uitest::OperatorSetValue(mainpanel, MAINP_SelectFILE, 1);
    Press(mainpanel, MAINP_ButtonSend);
}
void GetFromFile()
{
    uitest::OperatorSetValue(mainpanel, MAINP_SelectFILE, 1);
    Press(mainpanel, MAINP_ButtonGet);
}
void SelectRecordFile() { Press(recpanel, RECP_ButtonSelRecFile); }
void OpenRecord() { Press(graphpanel, GRAPHP_ButtonOpenRecord); }
void SaveLines() { Press(graphpanel, GRAPHP_ButtonSaveLines); }
void SavePicture() { Press(graphpanel, GRAPHP_ButtonSavePicture); }
void SaveLog() { SaveLinkLog(); }

// How a file of one kind is chosen, and another dialog of the same kind.
struct KindCase {
    const char *name;
    const char *file;       // the file chosen, in a folder of its own
    void (*choose)();       // a dialog that takes it
    void (*ask)();          // another dialog of that kind, cancelled
    void (*askOther)();     // a dialog of another kind, cancelled
};

class DialogFolders : public ProgramTest, public ::testing::WithParamInterface<KindCase> {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        WriteSettingsWithoutSensor();
        OpenProgram();
        // The record view's dialogs need a record file shown.
        shown_ = Path("shown.dat");
        orvtest::WriteFile(shown_, kRecordLines);
        ShowRecordFile(shown_.c_str());
    }
    // The folder the next dialog of `open` shows, with the dialog cancelled.
    static std::string FolderOf(void (*open)())
    {
        uitest::ClearPopupLog();
        uitest::PushFileSelection("");
        open();
        std::string folder = "(no dialog)";
        for (const auto &p : uitest::PopupLog())
            if (p.kind == "file")
                folder = p.folder;
        return folder;
    }
    void Restart()
    {
        orvelle::CloseProgram();
        uitest::ResetUserInterface();
        open_ = false;
        OpenProgram();
        ShowRecordFile(shown_.c_str());
    }
    std::string shown_;
};

TEST_P(DialogFolders, OpenWhereTheirKindWasChosenLast)
{
    const KindCase &c = GetParam();
    const std::string folder = Path("chosen");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
    const std::string file = folder + "/" + c.file;
    orvtest::WriteFile(file, kRecordLines);  // a record to open; the others are replaced
    uitest::PushConfirmAnswer(1);
    uitest::PushFileSelection(file);
    c.choose();

    EXPECT_EQ(FolderOf(c.ask), folder);
    EXPECT_NE(FolderOf(c.askOther), folder);
    Restart();
    EXPECT_EQ(FolderOf(c.ask), folder);
    ASSERT_TRUE(QDir(QString::fromStdString(folder)).removeRecursively());
    EXPECT_NE(FolderOf(c.ask), folder);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DialogFolders,
    ::testing::Values(KindCase{"ParameterFile", "line3.ini", SendToFile, GetFromFile, SaveLog},
                      KindCase{"RecordFile", "run.dat", SelectRecordFile, OpenRecord, SendToFile},
                      KindCase{"RecordLines", "part.dat", SaveLines, SelectRecordFile, SavePicture},
                      KindCase{"Picture", "view.png", SavePicture, SavePicture, SaveLines},
                      KindCase{"LinkLogText", "log.txt", SaveLog, SaveLog, GetFromFile}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
