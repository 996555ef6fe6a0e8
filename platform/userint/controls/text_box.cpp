// Text box lines. Lines are separated by line breaks and counted from 0; a
// break at the very end does not start another line.
#include <QPlainTextEdit>
#include <algorithm>
#include <QTextBlock>
#include <QTextCursor>

#include "platform/userint/registry.h"
#include "platform/userint/ui_model.h"

namespace {

using plat::Ctrl;

int textBox(int panel, int control, Ctrl **c, QPlainTextEdit **box)
{
    *c = plat::findCtrl(panel, control);
    if (!*c)
        return plat::checkCtrl(panel, control);
    if ((*c)->kind != CTRL_TEXT_BOX)
        return UIEInvalidControlType;
    *box = static_cast<QPlainTextEdit *>((*c)->widget.data());
    return 0;
}

QStringList linesOf(const QString &text)
{
    if (text.isEmpty())
        return {};
    QStringList lines = text.split('\n');
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

}  // namespace

int GetTextBoxLine(int panel, int control, int line, char *text, std::size_t size)
{
    Ctrl *c = nullptr;
    QPlainTextEdit *box = nullptr;
    if (int rc = textBox(panel, control, &c, &box); rc < 0)
        return rc;
    QStringList lines = linesOf(box->toPlainText());
    if (line < 0 || line >= lines.size())
        return UIEIndexOutOfRange;
    return plat::copyOut(lines[line], text, size);
}

int GetNumTextBoxLines(int panel, int control, int *count)
{
    Ctrl *c = nullptr;
    QPlainTextEdit *box = nullptr;
    if (int rc = textBox(panel, control, &c, &box); rc < 0)
        return rc;
    if (!count)
        return UIEBadValueType;
    *count = static_cast<int>(linesOf(box->toPlainText()).size());
    return 0;
}

// Replaces the whole content with text; raises no event.
int ResetTextBox(int panel, int control, const char *text)
{
    Ctrl *c = nullptr;
    QPlainTextEdit *box = nullptr;
    if (int rc = textBox(panel, control, &c, &box); rc < 0)
        return rc;
    QSignalBlocker block(box);
    box->setPlainText(plat::fromUtf8(text));
    return 0;
}

// Removes whole lines, their line breaks with them; raises no event.
int DeleteTextBoxLines(int panel, int control, int startLine, int count)
{
    Ctrl *c = nullptr;
    QPlainTextEdit *box = nullptr;
    if (int rc = textBox(panel, control, &c, &box); rc < 0)
        return rc;
    QTextDocument *doc = box->document();
    const int lines = doc->blockCount();
    if (startLine < 0 || startLine >= lines || count < -1)
        return UIEIndexOutOfRange;
    const int last = count < 0 ? lines : std::min(lines, startLine + count);
    if (last == startLine)
        return 0;
    QSignalBlocker block(box);
    QTextCursor cursor(doc->findBlockByNumber(startLine));
    if (last < lines) {
        cursor.setPosition(doc->findBlockByNumber(last).position(), QTextCursor::KeepAnchor);
    } else {
        // The last lines: the break before them goes, not one after.
        if (startLine > 0)
            cursor.setPosition(doc->findBlockByNumber(startLine - 1).position() +
                               doc->findBlockByNumber(startLine - 1).length() - 1);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    }
    cursor.removeSelectedText();
    return 0;
}
