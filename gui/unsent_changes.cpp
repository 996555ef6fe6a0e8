#include "gui/unsent_changes.h"

#include <cstdio>
#include <cstring>

#include "gui/panel_binding.h"
#include "gui/set_fields.h"
#include "gui/transfer_status.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {

constexpr int kMarkColor = 0xC04000;  // as the note on the panels
constexpr int kPlainColor = 0x000000;
constexpr int kListBytes = 400;
constexpr int kQuestionBytes = 2 * kListBytes + 400;
constexpr int kRowsNamed = 8;         // more are counted, not named

struct Mark {
    int *panel;
    int note;
    int button;
    const char *caption;
    const char *markedCaption;
};

const Mark kParaMark = {&parapanel, PARAP_UnsentNote, MAINP_ButtonPara, "PARAMETER",
                        "PARAMETER \u25CF"};
const Mark kTeachMark = {&ttpanel, TTP_UnsentNote, MAINP_ButtonTeachTable, "TEACH TABLE",
                         "TEACH TABLE \u25CF"};

void ShowMark(const Mark &m, int on)
{
    SetCtrlAttribute(*m.panel, m.note, ATTR_VISIBLE, on);
    SetCtrlAttribute(mainpanel, m.button, ATTR_LABEL_TEXT, on ? m.markedCaption : m.caption);
    SetCtrlAttribute(mainpanel, m.button, ATTR_TEXT_COLOR, on ? kMarkColor : kPlainColor);
}

// Appends text to list (size bytes), separated by sep from what is there.
void Append(char *list, std::size_t size, const char *sep, const char *text)
{
    const std::size_t n = std::strlen(list);
    if (n + 1 >= size)
        return;
    std::snprintf(list + n, size - n, "%s%s", n ? sep : "", text);
}

// "POWER, AVERAGE" of the parameter panel; "rows 3, 5" of the teach table.
void ListChanges(const word (&now)[kSetWords], char *para, char *teach, std::size_t size)
{
    para[0] = teach[0] = '\0';
    int rows = 0, lastRow = -1;
    char name[64];
    for (int w = 0; w < kSetWords; ++w) {
        if (now[w] == syncedSet[w])
            continue;
        if (OnParameterPanel(w)) {
            SetFieldName(w, name, sizeof name);
            Append(para, size, ", ", name);
        } else if (OnTeachTable(w) && TeachRowOf(w) != lastRow) {
            lastRow = TeachRowOf(w);
            if (++rows <= kRowsNamed) {
                std::snprintf(name, sizeof name, "%d", lastRow);
                Append(teach, size, ", ", name);
            }
        }
    }
    if (rows > kRowsNamed) {
        std::snprintf(name, sizeof name, " and %d more", rows - kRowsNamed);
        Append(teach, size, "", name);
    }
    if (rows > 0) {
        char rowList[kListBytes];
        std::snprintf(rowList, sizeof rowList, "%s %s", rows == 1 ? "row" : "rows", teach);
        std::snprintf(teach, size, "%s", rowList);
    }
}

}  // namespace

void UpdateUnsentMarks()
{
    word now[kSetWords];
    PanelSetImage(now);
    int para = 0, teach = 0;
    for (int w = 0; w < kSetWords; ++w) {
        if (now[w] == syncedSet[w])
            continue;
        para |= OnParameterPanel(w);
        teach |= OnTeachTable(w);
    }
    unsentPara = static_cast<word>(para);
    unsentTeach = static_cast<word>(teach);
    ShowMark(kParaMark, para);
    ShowMark(kTeachMark, teach);
}

void TakeShownSet()
{
    PanelSetImage(syncedSet);
    UpdateUnsentMarks();
}

void TakeSentSet(const word *image)
{
    std::memcpy(syncedSet, image, sizeof syncedSet);
    UpdateUnsentMarks();
}

void DescribeUnsent(char *text, std::size_t size)
{
    word now[kSetWords];
    PanelSetImage(now);
    char para[kListBytes], teach[kListBytes];
    ListChanges(now, para, teach, sizeof para);
    text[0] = '\0';
    char part[kListBytes + 20];
    if (para[0]) {
        std::snprintf(part, sizeof part, "PARAMETER: %s", para);
        Append(text, size, "; ", part);
    }
    if (teach[0]) {
        std::snprintf(part, sizeof part, "TEACH TABLE: %s", teach);
        Append(text, size, "; ", part);
    }
}

int AskBeforeReplacingUnsent(const char *replacing, const char *noKeeps)
{
    UpdateUnsentMarks();
    if (!unsentPara && !unsentTeach)
        return 1;
    word now[kSetWords];
    PanelSetImage(now);
    char para[kListBytes], teach[kListBytes];
    ListChanges(now, para, teach, sizeof para);
    char question[kQuestionBytes];
    std::snprintf(question, sizeof question,
                  "These changes have not been sent to the sensor:\n%s%s%s%s%s%s\n"
                  "%s and replaces them.\n\nReplace them? %s",
                  para[0] ? "  PARAMETER: " : "", para, para[0] ? "\n" : "",
                  teach[0] ? "  TEACH TABLE: " : "", teach, teach[0] ? "\n" : "", replacing,
                  noKeeps);
    return ConfirmPopup("ATTENTION!", question) ? 1 : 0;
}

void ReportSetNotRead()
{
    char changes[kListBytes];
    DescribeUnsent(changes, sizeof changes);
    char text[kQuestionBytes];
    std::snprintf(text, sizeof text,
                  "Connected; the sensor's parameters were not read, the panels keep what was not "
                  "sent (%s)",
                  changes);
    ShowTransferStatus(text, 0);
}

}  // namespace orvelle
