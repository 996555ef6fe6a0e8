// Modal popups: message, confirmation and file selection, and the wait
// cursor. While the test seam scripts popups, none is shown: each is logged
// and answered from the script.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <deque>

#include "platform/userint/registry.h"
#include "platform/testing/testing.h"
#include "platform/userint/ui_model.h"

namespace {

constexpr int kConfirmYes = 1;
constexpr int kConfirmNo = 0;

struct Script {
    bool on = false;
    std::deque<int> confirms;
    std::deque<std::string> files;
    std::vector<uitest::PopupRecord> log;
};

Script &script()
{
    static Script s;
    return s;
}

bool waitCursorOn = false;

// Popups stand in front of the active window, or the first shown panel.
QWidget *popupParent()
{
    if (QWidget *w = QApplication::activeWindow())
        return w;
    for (int h : plat::panelHandles()) {
        QWidget *w = plat::panelWidget(h);
        if (w && w->isWindow() && w->isVisible())
            return w;
    }
    return nullptr;
}

void logPopup(const char *kind, const char *title, const QString &text, const char *folder = "")
{
    script().log.push_back({kind, title ? title : "", text.toStdString(), folder ? folder : ""});
}

// "*.ini" or "*.ini;*.txt" into Qt's filter list, with "all files" last.
QStringList nameFilters(const char *fileTypeList)
{
    QString types = plat::fromUtf8(fileTypeList).trimmed();
    QStringList filters;
    if (!types.isEmpty() && types != "*" && types != "*.*")
        filters << QString("%1 (%2)").arg(types, QString(types).replace(';', ' '));
    filters << "All files (*)";
    return filters;
}

// The extension of a single-pattern type list ("*.ini" gives "ini").
QString soleExtension(const char *fileTypeList)
{
    QString types = plat::fromUtf8(fileTypeList).trimmed();
    if (!types.startsWith("*.") || types.contains(';') || types.indexOf('*', 1) >= 0)
        return {};
    return types.mid(2);
}

int fileResult(const QString &chosen, const char *fileTypeList, int restrictExtension,
               char *pathName, std::size_t pathSize)
{
    QString path = chosen;
    QString ext = soleExtension(fileTypeList);
    if (restrictExtension && !ext.isEmpty() &&
        QFileInfo(path).suffix().compare(ext, Qt::CaseInsensitive) != 0)
        path += "." + ext;
    path = QDir::toNativeSeparators(path);
    // A cut path names another file, one the caller would then write.
    const std::size_t bytes = static_cast<std::size_t>(path.toUtf8().size());
    if (bytes >= pathSize) {
        PathTooLongPopup(bytes, pathSize);
        return VAL_PATH_TOO_LONG;
    }
    bool exists = QFileInfo::exists(path);
    if (plat::copyOut(path, pathName, pathSize) < 0)
        return VAL_NO_FILE_SELECTED;
    return exists ? VAL_EXISTING_FILE_SELECTED : VAL_NEW_FILE_SELECTED;
}

QString runFileDialog(const char *defaultDirectory, const char *defaultFileSpec,
                      const char *fileTypeList, const char *title, int buttonLabel,
                      int allowCancel, int allowMakeDirectory)
{
    QFileDialog dialog(popupParent(), plat::fromUtf8(title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ReadOnly, !allowMakeDirectory);
    // Save and OK take an existing or a new name and ask nothing about
    // replacing: the result says which it is, and the caller asks its own
    // question. Load and Select take existing files only.
    const bool save = buttonLabel == VAL_SAVE_BUTTON;
    const bool anyName = save || buttonLabel == VAL_OK_BUTTON;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setFileMode(anyName ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (buttonLabel == VAL_OK_BUTTON)
        dialog.setLabelText(QFileDialog::Accept, QStringLiteral("OK"));
    dialog.setNameFilters(nameFilters(fileTypeList));
    QString dir = plat::fromUtf8(defaultDirectory);
    dialog.setDirectory(dir.isEmpty() ? QDir::currentPath() : dir);
    QString fileName = plat::fromUtf8(defaultFileSpec);
    if (!fileName.isEmpty() && !fileName.contains('*'))
        dialog.selectFile(fileName);
    // Without cancel the operator must choose; closing the dialog asks again.
    for (;;) {
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            return dialog.selectedFiles().first();
        if (allowCancel)
            return {};
    }
}

}  // namespace

// Shows the text exactly as given (plain text: blanks and breaks kept).
int MessagePopup(const char *title, const char *message)
{
    QString text = plat::fromUtf8(message);
    if (script().on) {
        logPopup("message", title, text);
        return 0;
    }
    QMessageBox box(QMessageBox::NoIcon, plat::fromUtf8(title), text, QMessageBox::Ok,
                    popupParent());
    box.setTextFormat(Qt::PlainText);
    box.exec();
    return 0;
}

int ConfirmPopup(const char *title, const char *message)
{
    QString text = plat::fromUtf8(message);
    if (script().on) {
        logPopup("confirm", title, text);
        if (script().confirms.empty())
            return kConfirmYes;
        int answer = script().confirms.front();
        script().confirms.pop_front();
        return answer ? kConfirmYes : kConfirmNo;
    }
    QMessageBox box(QMessageBox::Question, plat::fromUtf8(title), text,
                    QMessageBox::Yes | QMessageBox::No, popupParent());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? kConfirmYes : kConfirmNo;
}

// A cancel leaves pathName as it was. restrictDirectory is not enforced:
// the operator may browse elsewhere.
int FileSelectPopup(const char *defaultDirectory, const char *defaultFileSpec,
                    const char *fileTypeList, const char *title, int buttonLabel,
                    int restrictDirectory, int restrictExtension, int allowCancel,
                    int allowMakeDirectory, char *pathName, std::size_t pathSize)
{
    (void)restrictDirectory;
    if (!pathName || pathSize == 0)
        return UIEBadValueType;
    if (script().on) {
        logPopup("file", title, plat::fromUtf8(defaultFileSpec), defaultDirectory);
        if (script().files.empty())
            return VAL_NO_FILE_SELECTED;
        QString chosen = QString::fromStdString(script().files.front());
        script().files.pop_front();
        if (chosen.isEmpty())
            return VAL_NO_FILE_SELECTED;
        return fileResult(chosen, fileTypeList, restrictExtension, pathName, pathSize);
    }
    QString chosen = runFileDialog(defaultDirectory, defaultFileSpec, fileTypeList, title,
                                   buttonLabel, allowCancel, allowMakeDirectory);
    if (chosen.isEmpty())
        return VAL_NO_FILE_SELECTED;
    return fileResult(chosen, fileTypeList, restrictExtension, pathName, pathSize);
}

int PathTooLongPopup(std::size_t bytes, std::size_t pathSize)
{
    const QString text = QString("The path is too long: %1 bytes, but a path may hold at most %2.\n"
                                 "Nothing was saved, created or changed. Choose a shorter path.")
                             .arg(bytes)
                             .arg(pathSize > 0 ? pathSize - 1 : 0);
    return MessagePopup("ATTENTION!", text.toUtf8().constData());
}

// Returns the previous state (1 on, 0 off).
int SetWaitCursor(int on)
{
    bool was = waitCursorOn;
    if (on && !waitCursorOn)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (!on && waitCursorOn)
        QApplication::restoreOverrideCursor();
    waitCursorOn = on != 0;
    return was ? 1 : 0;
}

namespace plat {

void resetPopupState()
{
    script().confirms.clear();
    script().files.clear();
    script().log.clear();
    SetWaitCursor(0);
}

}  // namespace plat

namespace uitest {

void ScriptPopups(bool on) { script().on = on; }
bool PopupsScripted() { return script().on; }
void PushConfirmAnswer(int answer) { script().confirms.push_back(answer); }
void PushFileSelection(const std::string &path) { script().files.push_back(path); }
const std::vector<PopupRecord> &PopupLog() { return script().log; }
void ClearPopupLog() { script().log.clear(); }

}  // namespace uitest
