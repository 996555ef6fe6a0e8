// User-interface services of the run-time: panels, controls, tables, lists,
// graphs, popups and the event loop, under their published names.
//
// One thread, one event loop. Callbacks run only inside RunUserInterface,
// ProcessSystemEvents or a modal popup. Writing a value from code raises no
// event; only the operator's actions (or the test seam in testing.h) do.
// Results are integers, negative on failure (UIE... codes below).
#pragma once

#include <cstddef>

#include "platform/events/events.h"
#include "platform/formatio/value_types.h"

// ---- event codes ---------------------------------------------------------
constexpr int EVENT_NONE = 0;
constexpr int EVENT_COMMIT = 1;
constexpr int EVENT_VAL_CHANGED = 2;
constexpr int EVENT_LEFT_CLICK = 3;
constexpr int EVENT_LEFT_DOUBLE_CLICK = 4;
constexpr int EVENT_RIGHT_CLICK = 5;
constexpr int EVENT_KEYPRESS = 6;   // to the control with the focus, then, unless it returns 1, to its panel
constexpr int EVENT_GOT_FOCUS = 7;
constexpr int EVENT_LOST_FOCUS = 8;
constexpr int EVENT_CLOSE = 11;
constexpr int EVENT_TIMER_TICK = 20;  // a timer control's interval has passed

// Panel and control callbacks share one form; a panel callback gets control 0.
using CtrlCallbackPtr = int (*)(int panel, int control, int event, void *callbackData,
                                int eventData1, int eventData2);
using PanelCallbackPtr = CtrlCallbackPtr;

// ---- error codes ---------------------------------------------------------
constexpr int UIENoError = 0;
constexpr int UIEHandleInvalid = -4;        // no such panel
constexpr int UIEResourceNotFound = -7;     // panel not in the resource
constexpr int UIEOutOfMemory = -12;
constexpr int UIECallbackNotFound = -18;    // a callback named in the resource is not registered
constexpr int UIEIndexOutOfRange = -25;     // list index, table cell, cursor number
constexpr int UIEInvalidControlId = -42;    // no such control on the panel
constexpr int UIEInvalidControlType = -45;  // operation does not fit the control's kind
constexpr int UIEInvalidAttribute = -46;    // attribute not known or not for this control
constexpr int UIEBadValueType = -49;        // value type does not fit the control
constexpr int UIENotInUserInterface = -60;  // QuitUserInterface outside RunUserInterface

// ---- control kinds (the resource's control styles) -----------------------
enum CtrlKind : int {
    CTRL_COMMAND_BUTTON = 1,   // press: commit
    CTRL_TOGGLE_BUTTON,        // value 0/1; press: value changed, then commit
    CTRL_NUMERIC,              // spin box or (indicator) numeric display
    CTRL_RING,                 // drop-down of label/value items
    CTRL_SLIDE,                // horizontal slide with its value shown
    CTRL_BINARY_SWITCH,        // on/off check box
    CTRL_STRING,               // one-line text entry or (indicator) text display
    CTRL_TEXT_MSG,             // static text
    CTRL_TEXT_BOX,             // multi-line text; SetCtrlVal appends
    CTRL_BAR,                  // vertical bar indicator with a scale
    CTRL_TABLE,                // grid of numeric cells with row labels
    CTRL_GRAPH,                // XY graph: plots accumulate until deleted
    CTRL_STRIP_CHART,          // scrolling traces
    CTRL_DECORATION,           // frame or box
    CTRL_PICTURE,              // image
    CTRL_LIST_BUTTON,          // square drop-down button holding a list (combo box)
    CTRL_TIMER,                // never shown; EVENT_TIMER_TICK every ATTR_INTERVAL while enabled
};

// ---- attributes ----------------------------------------------------------
enum CtrlAttribute : int {
    ATTR_DIMMED = 1,            // int 0/1
    ATTR_VISIBLE,               // int 0/1
    ATTR_CTRL_MODE,             // VAL_HOT, VAL_INDICATOR (read-only, shows value)
    ATTR_CMD_BUTTON_COLOR,      // int 0xRRGGBB
    ATTR_TEXT_COLOR,            // int 0xRRGGBB
    ATTR_TEXT_BGCOLOR,          // int 0xRRGGBB (VAL_TRANSPARENT allowed)
    ATTR_FRAME_COLOR,           // int 0xRRGGBB
    ATTR_LABEL_TEXT,            // string
    ATTR_LABEL_COLOR,           // int (table rows: row label colour)
    // int, panel pixels at 100 %; for a window its size and place on the screen
    ATTR_TOP, ATTR_LEFT, ATTR_WIDTH, ATTR_HEIGHT,
    ATTR_TEXT_FONT,             // string
    ATTR_TEXT_FONT_NAME_LENGTH, // int, read only
    ATTR_TEXT_POINT_SIZE,       // int
    ATTR_TEXT_BOLD,             // int 0/1
    ATTR_TEXT_ITALIC,           // int 0/1
    ATTR_CALLBACK_DATA,         // void*
    ATTR_CALLBACK_FUNCTION_POINTER, // CtrlCallbackPtr
    ATTR_CTRL_STYLE,            // int CtrlKind, read only
    ATTR_DATA_TYPE,             // int VAL_..., read only
    ATTR_MIN_VALUE, ATTR_MAX_VALUE, // double
    ATTR_MAX_ENTRY_LENGTH,      // int, -1 unlimited (string controls)
    ATTR_TEXT_SELECTION_START, ATTR_TEXT_SELECTION_LENGTH, // int (string controls)
    ATTR_STRING_TEXT_LENGTH,    // int, read only: bytes of the text (string controls)
    ATTR_CTRL_TAB_POSITION,     // int, 0-based
    ATTR_ZPLANE_POSITION,       // int, 0 = front
    ATTR_SHORTCUT_KEY,          // int, VAL_F9_VKEY ...
    ATTR_NUM_CTRLS,             // panel, read only
    ATTR_POINTS_PER_SCREEN,     // strip chart, int
    ATTR_NUM_TRACES,            // strip chart, int
    ATTR_NUM_PLOTS,             // graph, read only
    ATTR_NUM_CURSORS,           // graph, int
    ATTR_TITLE,                 // panel title, string
    ATTR_ACTIVE_CTRL,           // panel, read only
    ATTR_PANEL_FIRST_CTRL,      // panel, read only: first control in tab order, 0 none
    ATTR_NEXT_CTRL,             // read only: the next control in tab order, 0 after the last
    ATTR_NUM_ROWS, ATTR_NUM_COLUMNS, // table, read only
    ATTR_TOOLTIP_TEXT,          // string shown while the pointer rests on the control
    ATTR_SIZABLE,               // panel, int 0/1: the operator may resize the window
    ATTR_SCALE_CONTENTS_ON_RESIZE, // panel, int 0/1: controls, fonts and graphs follow its size
    ATTR_INTERVAL,              // timer, double seconds between ticks
    ATTR_ENABLED,               // timer, int 0/1: ticking
};
constexpr int VAL_HOT = 1;
constexpr int VAL_INDICATOR = 2;
constexpr int VAL_TRANSPARENT = 0x1000000;
// The run-time's application font for ATTR_TEXT_FONT: the platform's
// default sans-serif font.
constexpr const char *VAL_APP_META_FONT = "NIApp";
// The run-time's editor font: the platform's fixed-width font, for columns.
constexpr const char *VAL_EDITOR_META_FONT = "NIEditor";

// Key codes for ATTR_SHORTCUT_KEY, EVENT_KEYPRESS and FakeKeystroke: the
// virtual-key part sits in bits 8 to 15, a character in bits 0 to 7.
constexpr int VAL_BACKSPACE_VKEY = 0x0100;
constexpr int VAL_FWD_DELETE_VKEY = 0x0200;
constexpr int VAL_TAB_VKEY = 0x0400;
constexpr int VAL_ENTER_VKEY = 0x0500;
constexpr int VAL_UP_ARROW_VKEY = 0x0600;
constexpr int VAL_DOWN_ARROW_VKEY = 0x0700;
constexpr int VAL_LEFT_ARROW_VKEY = 0x0800;
constexpr int VAL_RIGHT_ARROW_VKEY = 0x0900;
constexpr int VAL_ESC_VKEY = 0x0D00;
constexpr int VAL_F1_VKEY = 0x1400;   // F1 .. F12 follow one apart
constexpr int VAL_F8_VKEY = VAL_F1_VKEY + 7 * 0x100;
constexpr int VAL_F9_VKEY = VAL_F1_VKEY + 8 * 0x100;
constexpr int VAL_F10_VKEY = VAL_F1_VKEY + 9 * 0x100;
constexpr int VAL_F11_VKEY = VAL_F1_VKEY + 10 * 0x100;
constexpr int VAL_F12_VKEY = VAL_F1_VKEY + 11 * 0x100;
constexpr int VAL_SHIFT_MODIFIER = 0x10000;
constexpr int VAL_MENUKEY_MODIFIER = 0x20000;  // Ctrl
constexpr int VAL_VKEY_MASK = 0xFF00;
constexpr int VAL_ASCII_KEY_MASK = 0x00FF;

// ---- event loop ----------------------------------------------------------
int RunUserInterface();               // returns the code given to QuitUserInterface
int QuitUserInterface(int returnCode);
// ProcessSystemEvents and ProcessSystemEventsUntil: platform/events/events.h.

// ---- panels --------------------------------------------------------------
// Builds a panel from a registered resource (see resource.h). parent 0 makes
// a top-level window. Returns the panel handle (> 0) or a negative code.
int LoadPanel(int parentPanel, const char *resourceFile, int panelResourceId);
int DisplayPanel(int panel);
int HidePanel(int panel);
int DiscardPanel(int panel);          // child panels go with their parent
int SetPanelPos(int panel, int top, int left);
int GetPanelAttribute(int panel, int attribute, int *value);
int GetPanelAttribute(int panel, int attribute, char *value, std::size_t size);
int SetPanelAttribute(int panel, int attribute, int value);
int SetPanelAttribute(int panel, int attribute, const char *value);
int InstallPanelCallback(int panel, PanelCallbackPtr callback, void *callbackData);
int IsPanelVisible(int panel);        // 1 shown (and its parents shown), 0 not, <0 error

// ---- controls ------------------------------------------------------------
int SetCtrlVal(int panel, int control, int value);
int SetCtrlVal(int panel, int control, unsigned short value);
int SetCtrlVal(int panel, int control, unsigned int value);
int SetCtrlVal(int panel, int control, double value);
int SetCtrlVal(int panel, int control, const char *value);  // text box: appends
int GetCtrlVal(int panel, int control, int *value);
int GetCtrlVal(int panel, int control, unsigned short *value);
int GetCtrlVal(int panel, int control, short *value);
int GetCtrlVal(int panel, int control, unsigned int *value);
int GetCtrlVal(int panel, int control, double *value);
int GetCtrlVal(int panel, int control, char *value, std::size_t size);
template <std::size_t N> int GetCtrlVal(int panel, int control, char (&value)[N])
{
    return GetCtrlVal(panel, control, value, N);
}

int SetCtrlAttribute(int panel, int control, int attribute, int value);
int SetCtrlAttribute(int panel, int control, int attribute, double value);
int SetCtrlAttribute(int panel, int control, int attribute, const char *value);
int SetCtrlAttribute(int panel, int control, int attribute, void *value);  // callback data
int SetCtrlAttribute(int panel, int control, int attribute, CtrlCallbackPtr value);
int GetCtrlAttribute(int panel, int control, int attribute, int *value);
int GetCtrlAttribute(int panel, int control, int attribute, double *value);
int GetCtrlAttribute(int panel, int control, int attribute, char *value, std::size_t size);
int GetCtrlAttribute(int panel, int control, int attribute, void **value);
int GetCtrlAttribute(int panel, int control, int attribute, CtrlCallbackPtr *value);

// Creates a control at run time; returns its id (> 0) or a negative code.
int NewCtrl(int panel, int kind, const char *label, int top, int left);
int DiscardCtrl(int panel, int control);
int InstallCtrlCallback(int panel, int control, CtrlCallbackPtr callback, void *callbackData);
int SetActiveCtrl(int panel, int control);
int GetActiveCtrl(int panel);
// Delivers a key to the active control of the active panel as if typed.
int FakeKeystroke(int keyCode);

// ---- tables, lists, text boxes ------------------------------------------
struct Point {
    int x;  // column, from 1
    int y;  // row, from 1
};
Point MakePoint(int x, int y);
int SetTableCellVal(int panel, int control, Point cell, int value);
int SetTableCellVal(int panel, int control, Point cell, unsigned short value);
int SetTableCellVal(int panel, int control, Point cell, double value);
int GetTableCellVal(int panel, int control, Point cell, int *value);
int GetTableCellVal(int panel, int control, Point cell, unsigned short *value);
int GetTableCellVal(int panel, int control, Point cell, double *value);
int SetTableRowAttribute(int panel, int control, int row, int attribute, int value);
int GetTableRowAttribute(int panel, int control, int row, int attribute, int *value);

// Lists (rings, list buttons). Index from 0; -1 appends. Values are ints for
// numeric lists and texts for text lists (ATTR_DATA_TYPE).
int InsertListItem(int panel, int control, int index, const char *label, int value);
int InsertListItem(int panel, int control, int index, const char *label, const char *value);
int ReplaceListItem(int panel, int control, int index, const char *label, int value);
int ReplaceListItem(int panel, int control, int index, const char *label, const char *value);
int DeleteListItem(int panel, int control, int index, int count);  // count -1: to the end
int ClearListCtrl(int panel, int control);
int GetNumListItems(int panel, int control, int *count);
int GetIndexFromValue(int panel, int control, int *index, int value);
int GetIndexFromValue(int panel, int control, int *index, const char *value);
int GetValueFromIndex(int panel, int control, int index, int *value);
int GetValueFromIndex(int panel, int control, int index, char *value, std::size_t size);
int GetValueLengthFromIndex(int panel, int control, int index, int *length);
int GetLabelFromIndex(int panel, int control, int index, char *label, std::size_t size);
int GetCtrlIndex(int panel, int control, int *index);
int SetCtrlIndex(int panel, int control, int index);

int GetTextBoxLine(int panel, int control, int line, char *text, std::size_t size);
int GetNumTextBoxLines(int panel, int control, int *count);
// Removes count lines from line startLine on (count -1: to the end).
int DeleteTextBoxLines(int panel, int control, int startLine, int count);
int ResetTextBox(int panel, int control, const char *text);

int DisplayImageFile(int panel, int control, const char *fileName);

// ---- popups --------------------------------------------------------------
int MessagePopup(const char *title, const char *message);
int ConfirmPopup(const char *title, const char *message);  // 1 yes, 0 no
constexpr int VAL_OK_BUTTON = 0;
constexpr int VAL_SAVE_BUTTON = 1;
constexpr int VAL_SELECT_BUTTON = 2;
constexpr int VAL_LOAD_BUTTON = 3;
constexpr int VAL_NO_FILE_SELECTED = 0;
constexpr int VAL_EXISTING_FILE_SELECTED = 1;
constexpr int VAL_NEW_FILE_SELECTED = 2;
constexpr int VAL_PATH_TOO_LONG = -1;  // chosen path does not fit pathName; refused
// pathName receives the chosen path (at most pathSize - 1 bytes). A longer
// path is never cut: the popup says so ("ATTENTION!", PathTooLongPopup),
// pathName stays as it was and the result is VAL_PATH_TOO_LONG.
int FileSelectPopup(const char *defaultDirectory, const char *defaultFileSpec,
                    const char *fileTypeList, const char *title, int buttonLabel,
                    int restrictDirectory, int restrictExtension, int allowCancel,
                    int allowMakeDirectory, char *pathName, std::size_t pathSize);
template <std::size_t N>
int FileSelectPopup(const char *defaultDirectory, const char *defaultFileSpec,
                    const char *fileTypeList, const char *title, int buttonLabel,
                    int restrictDirectory, int restrictExtension, int allowCancel,
                    int allowMakeDirectory, char (&pathName)[N])
{
    return FileSelectPopup(defaultDirectory, defaultFileSpec, fileTypeList, title, buttonLabel,
                           restrictDirectory, restrictExtension, allowCancel, allowMakeDirectory,
                           pathName, N);
}
// The message for a path of `bytes` bytes refused because a path buffer of
// pathSize bytes holds at most pathSize - 1.
int PathTooLongPopup(std::size_t bytes, std::size_t pathSize);
int SetWaitCursor(int on);

// The graph control has a room of its own; its functions belong to this library.
#include "platform/graph/graph.h"
