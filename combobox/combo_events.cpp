// The combo box's events: completion while typing, the keys that open the
// list or step over its button, a chosen entry copied into the text box, and
// everything passed on to the owner as events of the text box.
#include <cstdlib>
#include <cstring>

#include "combobox/combo_internal.h"
#include "platform/utility/utility.h"

int comboAutocompleteArmed = 1;

namespace {

constexpr int kShiftTab = VAL_SHIFT_MODIFIER | VAL_TAB_VKEY;
constexpr int kOpenListKey = ' ';   // a space opens a focused list button

int CallOwner(ComboRecord *c, int event, int eventData1, int eventData2)
{
    if (!c->ownerCallback)
        return 0;
    return c->ownerCallback(c->panel, c->textCtrl, event, c->ownerCallbackData, eventData1,
                            eventData2);
}

// ASCII letters only: the operator's locale must not change what matches.
char AsciiUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Whether text begins with prefix, ASCII letters compared without case.
bool StartsWithNoCase(const char *text, const char *prefix, std::size_t prefixLength)
{
    for (std::size_t i = 0; i < prefixLength; ++i) {
        if (text[i] == '\0' || AsciiUpper(text[i]) != AsciiUpper(prefix[i]))
            return false;
    }
    return true;
}

// The first entry, in list order, that begins with typed; it goes into
// *match (allocated, the caller frees it). Returns 0 with *match null when
// none does, -1 when memory ran out.
int FindFirstMatch(ComboRecord *c, const char *typed, char **match)
{
    *match = nullptr;
    int count = 0;
    GetNumListItems(c->panel, c->listCtrl, &count);
    const std::size_t typedLength = std::strlen(typed);
    for (int i = 0; i < count; ++i) {
        int length = 0;
        if (GetValueLengthFromIndex(c->panel, c->listCtrl, i, &length) < 0)
            continue;
        auto *entry = static_cast<char *>(std::malloc(static_cast<std::size_t>(length) + 1));
        if (!entry)
            return -1;
        const std::size_t size = static_cast<std::size_t>(length) + 1;
        if (GetValueFromIndex(c->panel, c->listCtrl, i, entry, size) >= 0 &&
            StartsWithNoCase(entry, typed, typedLength)) {
            *match = entry;
            return 0;
        }
        std::free(entry);
    }
    return 0;
}

// Completes the typed text from the first entry that begins with it and
// selects the added part, so that the next key replaces it. Returns -1 when
// memory ran out (the event then ends quietly).
int Complete(ComboRecord *c)
{
    int typedBytes = 0;
    GetCtrlAttribute(c->panel, c->textCtrl, ATTR_STRING_TEXT_LENGTH, &typedBytes);
    const std::size_t typedLength = static_cast<std::size_t>(typedBytes);
    auto *typed = static_cast<char *>(std::malloc(typedLength + 1));
    if (!typed)
        return -1;
    GetCtrlVal(c->panel, c->textCtrl, typed, typedLength + 1);
    char *match = nullptr;
    if (FindFirstMatch(c, typed, &match) < 0) {
        std::free(typed);
        return -1;
    }
    const std::size_t matchLength = match ? std::strlen(match) : 0;
    // A one-character entry completes nothing.
    if (!match || Utf8Units(match, matchLength) <= 1) {
        std::free(match);
        std::free(typed);
        return 0;
    }
    // The text box keeps no more than its maximum entry length, as it does
    // for typing, and the selection ends with its text: no cut of our own.
    const char *rest = match + typedLength;
    const std::size_t restLength = matchLength - typedLength;
    auto *completed = static_cast<char *>(std::malloc(typedLength + restLength + 1));
    if (!completed) {
        std::free(match);
        std::free(typed);
        return -1;
    }
    std::memcpy(completed, typed, typedLength);
    std::memcpy(completed + typedLength, rest, restLength);
    completed[typedLength + restLength] = '\0';
    SetCtrlVal(c->panel, c->textCtrl, completed);
    const int start = Utf8Units(completed, typedLength);
    SetCtrlAttribute(c->panel, c->textCtrl, ATTR_TEXT_SELECTION_START, start);
    SetCtrlAttribute(c->panel, c->textCtrl, ATTR_TEXT_SELECTION_LENGTH,
                     Utf8Units(completed, typedLength + restLength) - start);
    std::free(completed);
    std::free(match);
    std::free(typed);
    return 0;
}

// The control at a tab position, walking the panel from its first control;
// 0 when no control has it.
int CtrlAtTabPosition(int panel, int position)
{
    int ctrl = 0;
    GetPanelAttribute(panel, ATTR_PANEL_FIRST_CTRL, &ctrl);
    while (ctrl > 0) {
        int tab = -1;
        GetCtrlAttribute(panel, ctrl, ATTR_CTRL_TAB_POSITION, &tab);
        if (tab == position)
            return ctrl;
        if (GetCtrlAttribute(panel, ctrl, ATTR_NEXT_CTRL, &ctrl) < 0)
            return 0;
    }
    return 0;
}

// Whether the operator could give the control the focus now.
bool CanTakeFocus(int panel, int ctrl)
{
    int style = 0, mode = 0, dimmed = 1, visible = 0;
    GetCtrlAttribute(panel, ctrl, ATTR_CTRL_STYLE, &style);
    GetCtrlAttribute(panel, ctrl, ATTR_CTRL_MODE, &mode);
    GetCtrlAttribute(panel, ctrl, ATTR_DIMMED, &dimmed);
    GetCtrlAttribute(panel, ctrl, ATTR_VISIBLE, &visible);
    const bool takesInput = style != CTRL_DECORATION && style != CTRL_TEXT_MSG &&
                            style != CTRL_PICTURE && style != CTRL_BAR && mode == VAL_HOT;
    return takesInput && !dimmed && visible;
}

// Shift+Tab from the text box: backwards past the list button to the first
// control that can take the focus, wrapping from the first position to the
// last. The text box itself always qualifies.
void FocusBackwards(ComboRecord *c)
{
    int numCtrls = 0, position = 0;
    GetPanelAttribute(c->panel, ATTR_NUM_CTRLS, &numCtrls);
    GetCtrlAttribute(c->panel, c->textCtrl, ATTR_CTRL_TAB_POSITION, &position);
    int search = position == 1 ? numCtrls : position - 2;
    // Every position is visited at most once before the text box is reached.
    for (int step = 0; step <= 2 * numCtrls + 1; ++step) {
        if (search < 0)
            search = numCtrls;
        const int ctrl = CtrlAtTabPosition(c->panel, search);
        if (ctrl > 0 && CanTakeFocus(c->panel, ctrl)) {
            SetActiveCtrl(c->panel, ctrl);
            return;
        }
        search = ctrl > 0 && search == 0 ? numCtrls : search - 1;
    }
}

// The list opens on the entry the text box holds, or on the first.
void MarkTypedEntry(ComboRecord *c)
{
    int length = 0, index = -1;
    GetCtrlAttribute(c->panel, c->textCtrl, ATTR_STRING_TEXT_LENGTH, &length);
    auto *text = static_cast<char *>(std::malloc(static_cast<std::size_t>(length) + 1));
    if (!text)
        return;
    GetCtrlVal(c->panel, c->textCtrl, text, static_cast<std::size_t>(length) + 1);
    GetIndexFromValue(c->panel, c->listCtrl, &index, text);
    std::free(text);
    SetCtrlIndex(c->panel, c->listCtrl, index >= 0 ? index : 0);
}

void HandleKey(ComboRecord *c, int key)
{
    const int keyClass = key == kShiftTab ? key : (key & VAL_VKEY_MASK);
    switch (keyClass) {
    case VAL_UP_ARROW_VKEY:
    case VAL_DOWN_ARROW_VKEY:
        c->keyboardOpen = 1;
        SetActiveCtrl(c->panel, c->listCtrl);
        MarkTypedEntry(c);
        FakeKeystroke(kOpenListKey);
        break;
    case VAL_BACKSPACE_VKEY:
    case VAL_FWD_DELETE_VKEY:
        comboAutocompleteArmed = 0;
        break;
    case kShiftTab:
        FocusBackwards(c);
        break;
    default:
        comboAutocompleteArmed = 1;
        break;
    }
}

// The chosen entry into the text box, cut to the entry limit without
// splitting a character. Returns -1 when memory ran out.
int TakeChosenEntry(ComboRecord *c)
{
    int index = -1, length = 0;
    if (GetCtrlIndex(c->panel, c->listCtrl, &index) < 0 ||
        GetValueLengthFromIndex(c->panel, c->listCtrl, index, &length) < 0)
        return 0;
    auto *entry = static_cast<char *>(std::malloc(static_cast<std::size_t>(length) + 1));
    if (!entry)
        return -1;
    GetValueFromIndex(c->panel, c->listCtrl, index, entry, static_cast<std::size_t>(length) + 1);
    if (c->entryLimit != -1)
        entry[Utf8Cut(entry, static_cast<std::size_t>(c->entryLimit - 1))] = '\0';
    SetCtrlVal(c->panel, c->textCtrl, entry);
    std::free(entry);
    return 0;
}

void DeferredCommit(void *combo)
{
    SendCommitEvent(static_cast<ComboRecord *>(combo));
}

}  // namespace

int StringDataToRing(int, int, int event, void *callbackData, int eventData1, int eventData2)
{
    auto *c = static_cast<ComboRecord *>(callbackData);
    const int lock = c->lock;  // the owner may discard the combo box
    CmtGetLock(lock);
    if (event == EVENT_KEYPRESS) {
        HandleKey(c, eventData1);
    } else if (event == EVENT_COMMIT && c->keyboardOpen) {
        // Leaving the text box to open the list confirms nothing: the typed
        // text is committed only if the list closes without a choice.
        c->commitHeld = 1;
        CmtReleaseLock(lock);
        return 0;
    } else if (event == EVENT_VAL_CHANGED && comboAutocompleteArmed && Complete(c) < 0) {
        CmtReleaseLock(lock);
        return 0;
    }
    const int result = CallOwner(c, event, eventData1, eventData2);
    CmtReleaseLock(lock);
    return result;
}

int RingDataToString(int, int, int event, void *callbackData, int eventData1, int eventData2)
{
    auto *c = static_cast<ComboRecord *>(callbackData);
    const int lock = c->lock;
    CmtGetLock(lock);
    switch (event) {
    case EVENT_COMMIT:
        c->commitHeld = 0;  // the chosen entry replaces the typed text
        if (TakeChosenEntry(c) == 0)
            CallOwner(c, EVENT_COMMIT, eventData1, eventData2);
        break;
    case EVENT_VAL_CHANGED:
        c->commitHeld = 0;
        SetActiveCtrl(c->panel, c->textCtrl);
        CallOwner(c, EVENT_VAL_CHANGED, 0, 0);
        break;
    case EVENT_LOST_FOCUS:
        // The list closed without a choice and the operator moved on: the
        // typed text is confirmed as leaving the text box would have.
        if (c->commitHeld) {
            c->commitHeld = 0;
            CallOwner(c, EVENT_COMMIT, 0, 0);
        }
        break;
    case EVENT_GOT_FOCUS:
        // Tabbing onto the button lands in the text box; an arrow key that
        // opens the list keeps the focus here.
        if (!c->keyboardOpen)
            SetActiveCtrl(c->panel, c->textCtrl);
        c->keyboardOpen = 0;
        break;
    default:
        break;
    }
    CmtReleaseLock(lock);
    return 0;
}

void SendValChangedEvent(ComboRecord *c)
{
    CmtGetLock(c->lock);
    CallOwner(c, EVENT_VAL_CHANGED, 0, 0);
    PostDeferredCallToThread(DeferredCommit, c, CmtGetCurrentThreadID());
    CmtReleaseLock(c->lock);
}

void SendCommitEvent(ComboRecord *c)
{
    CmtGetLock(c->lock);
    CallOwner(c, EVENT_COMMIT, 0, 0);
    CmtReleaseLock(c->lock);
}
