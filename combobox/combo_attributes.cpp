// Attributes of the whole combo box: each code changes the parts it
// concerns (text box, list button, frame) and reads from one of them. A font
// change re-lays the parts out around the text box's new size.
#include "combobox/combobox.h"

#include <initializer_list>
#include "combobox/combo_internal.h"
#include "platform/utility/utility.h"

namespace {

constexpr int kFirstSettable = ATTR_COMBO_WIDTH;
constexpr int kFirstReadable = ATTR_COMBO_HEIGHT;
constexpr int kLastCode = ATTR_COMBO_MAX_ENTRY_LENGTH;

bool Settable(int code)
{
    return code >= kFirstSettable && code <= kLastCode && code != ATTR_COMBO_TEXT_FONT_NAME_LENGTH;
}

bool Readable(int code)
{
    return code >= kFirstReadable && code <= kLastCode;
}

int Set(int panel, std::initializer_list<int> ctrls, int attribute, int value)
{
    for (int ctrl : ctrls) {
        if (int rc = SetCtrlAttribute(panel, ctrl, attribute, value); rc < 0)
            return rc;
    }
    return 0;
}

int Attr(int panel, int ctrl, int attribute)
{
    int value = 0;
    GetCtrlAttribute(panel, ctrl, attribute, &value);
    return value;
}

// After a font change: the list button becomes a square of the text box's
// height at the frame's left edge, the frame surrounds both.
int Relayout(const ComboRecord *c)
{
    const int h = Attr(c->panel, c->textCtrl, ATTR_HEIGHT);
    const int w = Attr(c->panel, c->textCtrl, ATTR_WIDTH);
    const int f = Attr(c->panel, c->frameCtrl, ATTR_LEFT);
    int rc = Set(c->panel, {c->listCtrl}, ATTR_WIDTH, h);
    if (rc >= 0)
        rc = Set(c->panel, {c->listCtrl}, ATTR_HEIGHT, h);
    if (rc >= 0)
        rc = Set(c->panel, {c->frameCtrl}, ATTR_HEIGHT, h + 2);
    if (rc >= 0)
        rc = Set(c->panel, {c->frameCtrl}, ATTR_WIDTH, w + h);
    if (rc >= 0)
        rc = Set(c->panel, {c->textCtrl}, ATTR_LEFT, f + h - 1);
    return rc;
}

int SetNumber(ComboRecord *c, int code, int value)
{
    const int p = c->panel, text = c->textCtrl, list = c->listCtrl, frame = c->frameCtrl;
    const int listWidth = Attr(p, list, ATTR_WIDTH);
    int rc = 0;
    switch (code) {
    case ATTR_COMBO_WIDTH:
        rc = Set(p, {frame}, ATTR_WIDTH, value);
        return rc < 0 ? rc : Set(p, {text}, ATTR_WIDTH, value - listWidth);
    case ATTR_COMBO_TEXT_COLOR: return Set(p, {text}, ATTR_TEXT_COLOR, value);
    case ATTR_COMBO_FRAME_COLOR: return Set(p, {text, list, frame}, ATTR_FRAME_COLOR, value);
    case ATTR_COMBO_TEXT_POINT_SIZE:
        rc = Set(p, {text, list}, ATTR_TEXT_POINT_SIZE, value);
        return rc < 0 ? rc : Relayout(c);
    case ATTR_COMBO_TEXT_BOLD: return Set(p, {list, text}, ATTR_TEXT_BOLD, value);
    case ATTR_COMBO_TEXT_ITALIC: return Set(p, {list, text}, ATTR_TEXT_ITALIC, value);
    case ATTR_COMBO_LEFT:
        rc = Set(p, {frame}, ATTR_LEFT, value);
        rc = rc < 0 ? rc : Set(p, {list}, ATTR_LEFT, value + 1);
        return rc < 0 ? rc : Set(p, {text}, ATTR_LEFT, value + listWidth);
    case ATTR_COMBO_TOP:
        rc = Set(p, {frame}, ATTR_TOP, value);
        return rc < 0 ? rc : Set(p, {list, text}, ATTR_TOP, value + 1);
    case ATTR_COMBO_VISIBLE: return Set(p, {text, list, frame}, ATTR_VISIBLE, value);
    case ATTR_COMBO_DIMMED: return Set(p, {text, list, frame}, ATTR_DIMMED, value);
    case ATTR_COMBO_MAX_ENTRY_LENGTH:
        rc = Set(p, {text}, ATTR_MAX_ENTRY_LENGTH, value);
        if (rc >= 0)
            c->entryLimit = value == -1 ? -1 : value + 1;
        return rc;
    default: return UIEBadValueType;  // the font takes a name
    }
}

int GetNumber(const ComboRecord *c, int code, int *value)
{
    struct Source {
        int code, attribute;
        bool fromFrame;
    };
    static constexpr Source kSources[] = {
        {ATTR_COMBO_HEIGHT, ATTR_HEIGHT, true},
        {ATTR_COMBO_WIDTH, ATTR_WIDTH, true},
        {ATTR_COMBO_TEXT_COLOR, ATTR_TEXT_COLOR, false},
        {ATTR_COMBO_FRAME_COLOR, ATTR_FRAME_COLOR, false},
        {ATTR_COMBO_TEXT_FONT_NAME_LENGTH, ATTR_TEXT_FONT_NAME_LENGTH, false},
        {ATTR_COMBO_TEXT_POINT_SIZE, ATTR_TEXT_POINT_SIZE, false},
        {ATTR_COMBO_TEXT_BOLD, ATTR_TEXT_BOLD, false},
        {ATTR_COMBO_TEXT_ITALIC, ATTR_TEXT_ITALIC, false},
        {ATTR_COMBO_LEFT, ATTR_LEFT, true},
        {ATTR_COMBO_TOP, ATTR_TOP, true},
        {ATTR_COMBO_VISIBLE, ATTR_VISIBLE, true},
        {ATTR_COMBO_DIMMED, ATTR_DIMMED, true},
        {ATTR_COMBO_MAX_ENTRY_LENGTH, ATTR_MAX_ENTRY_LENGTH, false},
    };
    for (const Source &s : kSources) {
        if (s.code == code)
            return GetCtrlAttribute(c->panel, s.fromFrame ? c->frameCtrl : c->textCtrl,
                                    s.attribute, value);
    }
    return UIEBadValueType;  // the font is a name
}

}  // namespace

int Combo_SetComboAttribute(int panel, int textCtrl, int attribute, int value)
{
    ComboRecord *c = ComboRecordOf(panel, textCtrl);
    if (!c)
        return UIEInvalidControlType;
    if (!Settable(attribute))
        return UIEInvalidAttribute;
    CmtGetLock(c->lock);
    const int rc = SetNumber(c, attribute, value);
    CmtReleaseLock(c->lock);
    return rc;
}

int Combo_SetComboAttribute(int panel, int textCtrl, int attribute, const char *value)
{
    ComboRecord *c = ComboRecordOf(panel, textCtrl);
    if (!c)
        return UIEInvalidControlType;
    if (!Settable(attribute))
        return UIEInvalidAttribute;
    if (attribute != ATTR_COMBO_TEXT_FONT)
        return UIEBadValueType;
    CmtGetLock(c->lock);
    int rc = SetCtrlAttribute(panel, c->textCtrl, ATTR_TEXT_FONT, value);
    if (rc >= 0)
        rc = SetCtrlAttribute(panel, c->listCtrl, ATTR_TEXT_FONT, value);
    if (rc >= 0)
        rc = Relayout(c);
    CmtReleaseLock(c->lock);
    return rc;
}

int Combo_GetComboAttribute(int panel, int textCtrl, int attribute, int *value)
{
    ComboRecord *c = ComboRecordOf(panel, textCtrl);
    if (!c)
        return UIEInvalidControlType;
    if (!Readable(attribute))
        return UIEInvalidAttribute;
    CmtGetLock(c->lock);
    const int rc = GetNumber(c, attribute, value);
    CmtReleaseLock(c->lock);
    return rc;
}

int Combo_GetComboAttribute(int panel, int textCtrl, int attribute, char *value,
                            std::size_t size)
{
    ComboRecord *c = ComboRecordOf(panel, textCtrl);
    if (!c)
        return UIEInvalidControlType;
    if (!Readable(attribute))
        return UIEInvalidAttribute;
    if (attribute != ATTR_COMBO_TEXT_FONT)
        return UIEBadValueType;
    CmtGetLock(c->lock);
    const int rc = GetCtrlAttribute(panel, c->textCtrl, ATTR_TEXT_FONT, value, size);
    CmtReleaseLock(c->lock);
    return rc;
}
