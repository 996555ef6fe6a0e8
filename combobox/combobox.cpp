// The combo box's record, its creation and discard, and the entry
// operations. Attributes are in combo_attributes.cpp, the events in
// combo_events.cpp.
#include "combobox/combobox.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <algorithm>
#include <utility>
#include <vector>

#include "combobox/combo_internal.h"
#include "platform/utility/utility.h"

namespace {

// Every record made and not yet discarded. Another control's callback data
// may point anywhere, so it is looked up here before it is read.
std::vector<ComboRecord *> &LiveRecords()
{
    static std::vector<ComboRecord *> records;
    return records;
}

// The look the geometry below is made for; the platform has no other text
// box style.
constexpr int kTextBoxStyle = CTRL_STRING;

// Geometry and colour of the text box before the conversion.
struct TextBoxShape {
    int left, top, width, height, frameColor;
};

int ReadShape(int panel, int textCtrl, TextBoxShape *s)
{
    const int attrs[] = {ATTR_LEFT, ATTR_TOP, ATTR_WIDTH, ATTR_HEIGHT, ATTR_FRAME_COLOR};
    int *fields[] = {&s->left, &s->top, &s->width, &s->height, &s->frameColor};
    for (int i = 0; i < 5; ++i) {
        if (int rc = GetCtrlAttribute(panel, textCtrl, attrs[i], fields[i]); rc < 0)
            return rc;
    }
    return 0;
}

// Sets the attributes in order; returns the first error.
int SetAll(int panel, int ctrl, std::initializer_list<std::pair<int, int>> attrs)
{
    for (const auto &[attr, value] : attrs) {
        if (int rc = SetCtrlAttribute(panel, ctrl, attr, value); rc < 0)
            return rc;
    }
    return 0;
}

// Builds the frame and the list button around the text box and stacks the
// three (list in front, frame at the back). Fills the record's control ids.
int BuildParts(ComboRecord *c, const TextBoxShape &s)
{
    const int panel = c->panel;
    c->frameCtrl = NewCtrl(panel, CTRL_DECORATION, "", s.top - 1, s.left - s.height);
    if (c->frameCtrl < 0)
        return c->frameCtrl;
    if (int rc = SetAll(panel, c->frameCtrl,
                        {{ATTR_HEIGHT, s.height + 2}, {ATTR_WIDTH, s.width + s.height + 1},
                         {ATTR_FRAME_COLOR, s.frameColor}});
        rc < 0)
        return rc;
    c->listCtrl = NewCtrl(panel, CTRL_LIST_BUTTON, "", s.top, s.left - s.height + 1);
    if (c->listCtrl < 0)
        return c->listCtrl;
    if (int rc = SetAll(panel, c->listCtrl,
                        {{ATTR_WIDTH, s.height}, {ATTR_HEIGHT, s.height},
                         {ATTR_FRAME_COLOR, s.frameColor}, {ATTR_DATA_TYPE, VAL_STRING},
                         {ATTR_ZPLANE_POSITION, 0}});
        rc < 0)
        return rc;
    if (int rc = SetCtrlAttribute(panel, c->textCtrl, ATTR_ZPLANE_POSITION, 1); rc < 0)
        return rc;
    return SetCtrlAttribute(panel, c->frameCtrl, ATTR_ZPLANE_POSITION, 2);
}

// Takes the owner's callback and the entry limit from the text box, then
// routes both controls' events through the combo box.
int Connect(ComboRecord *c)
{
    const int panel = c->panel;
    if (int rc = GetCtrlAttribute(panel, c->textCtrl, ATTR_CALLBACK_FUNCTION_POINTER,
                                  &c->ownerCallback);
        rc < 0)
        return rc;
    if (int rc = GetCtrlAttribute(panel, c->textCtrl, ATTR_CALLBACK_DATA, &c->ownerCallbackData);
        rc < 0)
        return rc;
    int maxLength = -1;
    if (int rc = GetCtrlAttribute(panel, c->textCtrl, ATTR_MAX_ENTRY_LENGTH, &maxLength); rc < 0)
        return rc;
    c->entryLimit = maxLength < 0 ? -1 : maxLength + 1;
    if (int rc = InstallCtrlCallback(panel, c->textCtrl, StringDataToRing, c); rc < 0)
        return rc;
    if (int rc = InstallCtrlCallback(panel, c->listCtrl, RingDataToString, c); rc < 0)
        return rc;
    // The list button comes directly before the text box in the tab order.
    int tab = 0;
    if (int rc = GetCtrlAttribute(panel, c->textCtrl, ATTR_CTRL_TAB_POSITION, &tab); rc < 0)
        return rc;
    return SetCtrlAttribute(panel, c->listCtrl, ATTR_CTRL_TAB_POSITION, tab);
}

}  // namespace

ComboRecord *ComboRecordOf(int panel, int textCtrl)
{
    void *data = nullptr;
    if (GetCtrlAttribute(panel, textCtrl, ATTR_CALLBACK_DATA, &data) < 0 || !data)
        return nullptr;
    auto *c = static_cast<ComboRecord *>(data);
    const std::vector<ComboRecord *> &live = LiveRecords();
    if (std::find(live.begin(), live.end(), c) == live.end())
        return nullptr;
    return c->signature == kComboSignature ? c : nullptr;
}

int Combo_NewComboBox(int panel, int textCtrl)
{
    int style = 0;
    if (int rc = GetCtrlAttribute(panel, textCtrl, ATTR_CTRL_STYLE, &style); rc < 0)
        return rc;
    if (style != kTextBoxStyle || ComboRecordOf(panel, textCtrl))
        return UIEInvalidControlType;
    auto *c = static_cast<ComboRecord *>(std::calloc(1, sizeof(ComboRecord)));
    if (!c)
        return UIEOutOfMemory;
    if (CmtNewLock(nullptr, 0, &c->lock) < 0) {
        std::free(c);
        return UIEOutOfMemory;
    }
    CmtGetLock(c->lock);
    LiveRecords().push_back(c);
    c->panel = panel;
    c->textCtrl = textCtrl;
    TextBoxShape shape{};
    int rc = ReadShape(panel, textCtrl, &shape);
    if (rc >= 0)
        rc = BuildParts(c, shape);
    if (rc >= 0) {
        c->signature = kComboSignature;
        rc = Connect(c);
    }
    CmtReleaseLock(c->lock);
    return rc < 0 ? rc : textCtrl;
}

int Combo_DiscardComboBox(int panel, int textCtrl)
{
    ComboRecord *c = ComboRecordOf(panel, textCtrl);
    if (!c)
        return UIEInvalidControlType;
    const int lock = c->lock;
    CmtGetLock(lock);
    c->signature = 0;
    int result = 0;
    for (int ctrl : {c->listCtrl, c->frameCtrl, c->textCtrl}) {
        const int rc = DiscardCtrl(panel, ctrl);
        if (rc < 0 && result == 0)
            result = rc;
    }
    CmtReleaseLock(lock);
    CmtDiscardLock(lock);
    std::vector<ComboRecord *> &live = LiveRecords();
    live.erase(std::remove(live.begin(), live.end(), c), live.end());
    std::free(c);
    return result;
}

int Combo_InsertComboItem(int panel, int textCtrl, int index, const char *text)
{
    ComboRecord *c = ComboRecordOf(panel, textCtrl);
    if (!c)
        return UIEInvalidControlType;
    return InsertListItem(panel, c->listCtrl, index, text, text);
}

int Combo_DeleteComboItem(int panel, int textCtrl, int index, int count)
{
    ComboRecord *c = ComboRecordOf(panel, textCtrl);
    if (!c)
        return UIEInvalidControlType;
    return DeleteListItem(panel, c->listCtrl, index, count);
}

int Combo_ReplaceComboItem(int panel, int textCtrl, int index, const char *text)
{
    ComboRecord *c = ComboRecordOf(panel, textCtrl);
    if (!c)
        return UIEInvalidControlType;
    return ReplaceListItem(panel, c->listCtrl, index, text, text);
}

int Combo_GetIndexFromValue(int panel, int textCtrl, int *index, const char *text)
{
    ComboRecord *c = ComboRecordOf(panel, textCtrl);
    if (!c)
        return UIEInvalidControlType;
    return GetIndexFromValue(panel, c->listCtrl, index, text);
}

std::size_t Utf8Cut(const char *text, std::size_t maxBytes)
{
    const std::size_t length = std::strlen(text);
    if (length <= maxBytes)
        return length;
    std::size_t n = maxBytes;
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
        --n;
    return n;
}

int Utf8Units(const char *text, std::size_t bytes)
{
    int units = 0;
    for (std::size_t i = 0; i < bytes && text[i]; ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if ((b & 0xC0) != 0x80)
            units += (b & 0xF8) == 0xF0 ? 2 : 1;  // four-byte sequences are two units
    }
    return units;
}
