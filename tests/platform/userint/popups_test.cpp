// Popups: scripted answers and their log, and the real dialogs showing the
// text exactly and answering as the operator clicks.
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <vector>

#include "ui_fixture.h"

using namespace uifix;

using ScriptedPopups = UiTest;

namespace {

// Runs action on the next modal dialog once it is shown.
template <typename Dialog, typename Action> void whenShown(Action action)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        action(dialog);
    });
    timer->start();
}

}  // namespace

TEST_F(ScriptedPopups, MessagesAndConfirmsAreLoggedAndAnswered)
{
    EXPECT_EQ(MessagePopup("INFO!", " ATTENTION! \n \n text "), 0);
    uitest::PushConfirmAnswer(0);
    EXPECT_EQ(ConfirmPopup("Sure?", "Overwrite?"), 0);
    EXPECT_EQ(ConfirmPopup("Sure?", "Again?"), 1);  // empty script: yes
    const auto &log = uitest::PopupLog();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].kind, "message");
    EXPECT_EQ(log[0].title, "INFO!");
    EXPECT_EQ(log[0].text, " ATTENTION! \n \n text ");
    EXPECT_EQ(log[1].kind, "confirm");
    EXPECT_EQ(log[2].text, "Again?");
    uitest::ClearPopupLog();
    EXPECT_TRUE(uitest::PopupLog().empty());
}

TEST_F(ScriptedPopups, FileSelectionsTakeTheScriptedPath)
{
    QTemporaryDir dir;
    QString existing = dir.filePath("Parameter.ini");
    QFile f(existing);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    char path[512] = "untouched";
    uitest::PushFileSelection(existing.toStdString());
    uitest::PushFileSelection(dir.filePath("new").toStdString());
    uitest::PushFileSelection("");
    EXPECT_EQ(FileSelectPopup(dir.path().toUtf8().constData(), "Parameter.ini", "*.ini", "Load",
                              VAL_LOAD_BUTTON, 0, 1, 1, 1, path),
              VAL_EXISTING_FILE_SELECTED);
    EXPECT_EQ(QString::fromUtf8(path), existing);
    // The required extension is added to a new name.
    EXPECT_EQ(FileSelectPopup("", "record.dat", "*.ini", "Save", VAL_SAVE_BUTTON, 0, 1, 1, 1,
                              path),
              VAL_NEW_FILE_SELECTED);
    EXPECT_EQ(QString::fromUtf8(path), dir.filePath("new.ini"));
    EXPECT_EQ(FileSelectPopup("", "", "*.ini", "Cancel", VAL_LOAD_BUTTON, 0, 0, 1, 1, path),
              VAL_NO_FILE_SELECTED);
    EXPECT_EQ(FileSelectPopup("", "", "*.ini", "Empty", VAL_LOAD_BUTTON, 0, 0, 1, 1, path),
              VAL_NO_FILE_SELECTED);
    EXPECT_EQ(QString::fromUtf8(path), dir.filePath("new.ini"));  // cancel keeps it
    ASSERT_EQ(uitest::PopupLog().size(), 4u);
    EXPECT_EQ(uitest::PopupLog()[0].kind, "file");
    EXPECT_EQ(uitest::PopupLog()[0].title, "Load");

    // A path that does not fit the caller's buffer is refused, never cut:
    // the buffer keeps what it held, and the operator is told the limit.
    const QByteArray bytes = existing.toUtf8();
    std::vector<char> exact(static_cast<std::size_t>(bytes.size()) + 1);
    std::vector<char> short1(static_cast<std::size_t>(bytes.size()), 'k');
    short1.back() = '\0';
    uitest::PushFileSelection(existing.toStdString());
    EXPECT_EQ(FileSelectPopup("", "", "*.ini", "Exact", VAL_LOAD_BUTTON, 0, 0, 1, 1, exact.data(),
                              exact.size()),
              VAL_EXISTING_FILE_SELECTED);
    EXPECT_EQ(QString::fromUtf8(exact.data()), existing);
    uitest::ClearPopupLog();
    uitest::PushFileSelection(existing.toStdString());
    EXPECT_EQ(FileSelectPopup("", "", "*.ini", "Short", VAL_LOAD_BUTTON, 0, 0, 1, 1, short1.data(),
                              short1.size()),
              VAL_PATH_TOO_LONG);
    EXPECT_EQ(std::string(short1.data()), std::string(short1.size() - 1, 'k'));
    ASSERT_EQ(uitest::PopupLog().size(), 2u);
    EXPECT_EQ(uitest::PopupLog()[1].title, "ATTENTION!");
    EXPECT_EQ(uitest::PopupLog()[1].text,
              "The path is too long: " + std::to_string(bytes.size()) +
                  " bytes, but a path may hold at most " + std::to_string(short1.size() - 1) +
                  ".\nNothing was saved, created or changed. Choose a shorter path.");
}

class RealPopups : public ::testing::Test {
protected:
    void SetUp() override { uitest::ScriptPopups(false); }
    void TearDown() override
    {
        uitest::ScriptPopups(true);
        uitest::ResetUserInterface();
    }
};

TEST_F(RealPopups, MessageShowsTheTextExactly)
{
    const char *text = "  leading and trailing  \n<b>not bold</b>\n";
    QString shown;
    whenShown<QMessageBox>([&shown](QMessageBox *box) {
        shown = box->findChild<QLabel *>("qt_msgbox_label")->text();
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(MessagePopup("INFO!", text), 0);
    EXPECT_EQ(shown, QString::fromUtf8(text));
}

TEST_F(RealPopups, ConfirmAnswersYesAndNo)
{
    whenShown<QMessageBox>([](QMessageBox *box) { box->button(QMessageBox::No)->click(); });
    EXPECT_EQ(ConfirmPopup("Sure?", "Delete?"), 0);
    whenShown<QMessageBox>([](QMessageBox *box) { box->button(QMessageBox::Yes)->click(); });
    EXPECT_EQ(ConfirmPopup("Sure?", "Delete?"), 1);
}

TEST_F(RealPopups, FileDialogStartsWhereAskedAndReturnsTheChoice)
{
    QTemporaryDir dir;
    QFile f(dir.filePath("Parameter.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    QString startDir, title;
    QStringList filters;
    whenShown<QFileDialog>([&](QFileDialog *d) {
        startDir = d->directory().absolutePath();
        title = d->windowTitle();
        filters = d->nameFilters();
        static_cast<QDialog *>(d)->accept();  // takes the preselected default file
    });
    char path[512] = "";
    int rc = FileSelectPopup(dir.path().toUtf8().constData(), "Parameter.ini", "*.ini",
                             "Load parameters", VAL_LOAD_BUTTON, 0, 0, 1, 0, path);
    EXPECT_EQ(startDir, QDir(dir.path()).absolutePath());
    EXPECT_EQ(title, "Load parameters");
    ASSERT_FALSE(filters.isEmpty());
    EXPECT_TRUE(filters.first().contains("*.ini"));
    EXPECT_EQ(rc, VAL_EXISTING_FILE_SELECTED);
    EXPECT_EQ(QString::fromUtf8(path), dir.filePath("Parameter.ini"));

    whenShown<QFileDialog>([](QFileDialog *d) { d->reject(); });
    strcpy(path, "kept");
    EXPECT_EQ(FileSelectPopup(dir.path().toUtf8().constData(), "*.ini", "*.ini", "Cancel me",
                              VAL_LOAD_BUTTON, 0, 0, 1, 0, path),
              VAL_NO_FILE_SELECTED);
    EXPECT_STREQ(path, "kept");
}

// The OK and Save dialogs serve writing: they take a new name, and choosing
// an existing file asks no question about replacing it (the caller asks).
TEST_F(RealPopups, OkAndSaveFileDialogsTakeExistingAndNewNamesWithoutAskingToReplace)
{
    QTemporaryDir dir;
    QFile f(dir.filePath("Parameter.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    for (int button : {VAL_OK_BUTTON, VAL_SAVE_BUTTON}) {
        SCOPED_TRACE(button);
        QString label;
        bool asksToReplace = true, takesNewNames = false;
        whenShown<QFileDialog>([&](QFileDialog *d) {
            label = d->labelText(QFileDialog::Accept);
            asksToReplace = d->acceptMode() == QFileDialog::AcceptSave &&
                            !d->testOption(QFileDialog::DontConfirmOverwrite);
            takesNewNames = d->fileMode() == QFileDialog::AnyFile;
            // A dialog that would ask is cancelled rather than left waiting.
            if (asksToReplace)
                d->reject();
            else
                static_cast<QDialog *>(d)->accept();
        });
        char path[512] = "";
        EXPECT_EQ(FileSelectPopup(dir.path().toUtf8().constData(), "Parameter.ini", "*.ini",
                                  "Parameter", button, 0, 0, 1, 1, path),
                  VAL_EXISTING_FILE_SELECTED);
        if (button == VAL_OK_BUTTON) {
            EXPECT_EQ(label, "OK");
        }
        EXPECT_FALSE(asksToReplace);
        EXPECT_TRUE(takesNewNames);
    }
}

TEST_F(RealPopups, WaitCursorTogglesOnce)
{
    EXPECT_EQ(SetWaitCursor(1), 0);
    EXPECT_EQ(SetWaitCursor(1), 1);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_EQ(SetWaitCursor(0), 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
