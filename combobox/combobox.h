// The combo box: an editable text box with a drop-down list of entries and
// completion while typing, built at run time from three plain controls of a
// panel: the text box itself, a square list button at its left holding the
// entries, and a decoration frame around both. The owner keeps talking to
// the text box; its callback receives the events of the whole combo box as
// events of the text box (a chosen entry arrives as a commit).
//
// Every operation but creation returns UIEInvalidControlType (-45) for a
// control that is not a combo box and changes nothing then.
#pragma once

#include "platform/userint/userint.h"

// Attribute codes of the whole combo box (Combo_SetComboAttribute and
// Combo_GetComboAttribute).
constexpr int ATTR_COMBO_HEIGHT = 1;              // get only
constexpr int ATTR_COMBO_WIDTH = 2;
constexpr int ATTR_COMBO_TEXT_COLOR = 3;
constexpr int ATTR_COMBO_FRAME_COLOR = 4;
constexpr int ATTR_COMBO_TEXT_FONT = 5;           // a font name text
constexpr int ATTR_COMBO_TEXT_FONT_NAME_LENGTH = 6;  // get only
constexpr int ATTR_COMBO_TEXT_POINT_SIZE = 7;
constexpr int ATTR_COMBO_TEXT_BOLD = 8;
constexpr int ATTR_COMBO_TEXT_ITALIC = 9;
constexpr int ATTR_COMBO_LEFT = 10;
constexpr int ATTR_COMBO_TOP = 11;
constexpr int ATTR_COMBO_VISIBLE = 12;
constexpr int ATTR_COMBO_DIMMED = 13;
constexpr int ATTR_COMBO_MAX_ENTRY_LENGTH = 14;   // -1 unlimited

constexpr int kComboSignature = 0x5574;   // in every valid record

// The record of one combo box, kept as the callback data of its text box
// and of its list button. Allocated zero-filled at creation, freed at discard.
struct ComboRecord {
    int panel;                    // panel handle
    int listCtrl;                 // the list button that holds the entries
    int textCtrl;                 // the text box (the control the owner knows)
    int frameCtrl;                // the decoration frame
    CtrlCallbackPtr ownerCallback;  // the text box's callback before, may be null
    void *ownerCallbackData;      // its callback data, passed back to it
    int lock;                     // serialises callbacks and attribute operations
    int entryLimit;               // maximum entry length + 1, or -1 unlimited
    int keyboardOpen;             // 1 while an arrow key moves the focus to the list
    int signature;                // kComboSignature
    int commitHeld;               // 1 while the list opened by an arrow key holds
                                  // back the commit of the typed text
};

// Turns the text box into a combo box. Returns the text box's id, or
// UIEInvalidControlType (not a text box, or already a combo box),
// UIEOutOfMemory, or the code of the failing run-time call (the controls made
// up to then stay).
int Combo_NewComboBox(int panel, int textCtrl);
// Discards the list button, the frame and the text box itself and frees the
// record. Returns 0 or the first error.
int Combo_DiscardComboBox(int panel, int textCtrl);
// Entries: label and value are the text. index from 0; the entries from
// index on move down. Results are those of the list calls.
int Combo_InsertComboItem(int panel, int textCtrl, int index, const char *text);
// Deletes count entries from index on; count -1 deletes to the end.
int Combo_DeleteComboItem(int panel, int textCtrl, int index, int count);
int Combo_ReplaceComboItem(int panel, int textCtrl, int index, const char *text);
// *index receives the entry whose value equals text, -1 when there is none.
int Combo_GetIndexFromValue(int panel, int textCtrl, int *index, const char *text);
// Attributes of the whole combo box (codes above). UIEInvalidAttribute (-46)
// for codes outside 2..14 on set (and for 6), outside 1..14 on get;
// UIEBadValueType for a text given to a number attribute or the reverse.
int Combo_SetComboAttribute(int panel, int textCtrl, int attribute, int value);
int Combo_SetComboAttribute(int panel, int textCtrl, int attribute, const char *value);
int Combo_GetComboAttribute(int panel, int textCtrl, int attribute, int *value);
int Combo_GetComboAttribute(int panel, int textCtrl, int attribute, char *value,
                            std::size_t size);

// Sends the owner a value-changed event of the text box now and a commit
// later, from the event loop of the calling thread.
void SendValChangedEvent(ComboRecord *combo);
void SendCommitEvent(ComboRecord *combo);

// The record of a combo box, or nullptr when the control is none.
ComboRecord *ComboRecordOf(int panel, int textCtrl);
