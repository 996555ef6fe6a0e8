// Internal to the platform layer: the records behind panel handles and
// control ids, and the helpers the user-interface files share.
//
// Records hold what the widgets cannot hold exactly (values in the control's
// own type, colours as set, list item values, tab and z order); widgets are
// reached through QPointer so a record never points at a deleted widget.
#pragma once

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <map>
#include <memory>
#include <vector>

#include "platform/userint/resource.h"

namespace plat {

constexpr int kDefaultColor = -1;   // colour attribute not set: the style's own
constexpr int kFirstPanelHandle = 101;  // handles never look like resource ids

struct ListItem {
    QString label;
    int intValue = 0;
    QString textValue;
};

struct Ctrl {
    int panel = 0;
    int id = 0;
    int kind = 0;
    QString name;
    QPointer<QWidget> widget;       // the control itself (a GraphWidget for graphs)
    QPointer<QLabel> label;         // caption beside the control, when it has one
    QString labelText;
    CtrlCallbackPtr callback = nullptr;
    void *callbackData = nullptr;
    int dataType = VAL_INTEGER;
    int mode = VAL_HOT;
    double value = 0;               // numerics, slides, bars, toggles, switches
    double minValue = 0, maxValue = 0;  // range applies when max > min
    int precision = 0;
    std::vector<ListItem> items;    // rings and list buttons
    int top = 0, left = 0, width = 0, height = 0;
    bool autoSize = false;          // text messages that fit their text
    bool dimmed = false;
    bool visible = true;
    int buttonColor = kDefaultColor;
    int textColor = kDefaultColor;
    int textBgColor = kDefaultColor;
    int frameColor = kDefaultColor;
    int labelColor = kDefaultColor;
    QString fontName;
    int pointSize = 0;              // 0: the application font's size
    bool bold = false, italic = false;
    int shortcutKey = 0;
    int maxEntryLength = -1;
    std::vector<int> rowLabelColors;  // tables
    bool edited = false;            // strings, text boxes: typed into since the last commit
    int shownIndex = -1;            // rings: the index the operator last saw
    bool valueUnshown = false;      // hidden numerics: the widget gets the value when shown
    bool unlisted = false;          // rings: showing a code no item carries, as the last entry
    int unlistedValue = 0;          // that code
    QString toolTip;                // shown on hover; empty: none
    QImage picture;                 // pictures: the image as loaded, refitted at every size
};

struct Panel {
    int handle = 0;
    int resourceId = 0;
    int parent = 0;                 // parent panel handle, 0 for a window
    QPointer<QWidget> widget;
    QString title;
    PanelCallbackPtr callback = nullptr;
    void *callbackData = nullptr;
    std::map<int, std::unique_ptr<Ctrl>> ctrls;
    std::vector<int> tabOrder;      // control ids by tab position
    std::vector<int> zOrder;        // control ids, front first
    int nextCtrlId = 1;
    int activeCtrl = 0;
    bool dimmed = false;
    // Child panels: place and size in the parent's pixels at 100 %. Windows:
    // the size their contents were designed for.
    int designTop = 0, designLeft = 0, designWidth = 0, designHeight = 0;
    bool sizable = false;           // windows: the operator may resize them
    bool scaleContents = false;     // windows: contents follow the window's size
    double scaleX = 1, scaleY = 1;  // scale the contents are shown at
};

// ---- records (panels.cpp) -------------------------------------------------
Panel *findPanel(int handle);
Ctrl *findCtrl(int panel, int control);
std::vector<int> panelHandles();
// Discards one panel with its children; widgets go now or, while a callback
// runs, as soon as control returns to the event loop.
void discardPanelRecord(int handle);
// Depth of callbacks running; widgets are not deleted under a running one.
int &callbackDepth();
void disposeWidget(QWidget *w);

// ---- resources (resource_registry.cpp) -------------------------------------
const PanelDesc *findPanelDesc(const char *resourceFile, int resourceId);

// ---- controls (ctrl_factory.cpp) ----------------------------------------
// Builds a control from its description on the panel; returns 0 or a code.
int buildCtrl(Panel &panel, const CtrlDesc &desc);
// A numeric whose mode changed gets the widget of its new mode (a display in
// indicator mode, a spin box otherwise), in the old one's place.
void matchNumericWidget(Ctrl &ctrl);
// Names the control for screen readers: its caption, else a readable form
// of its name, else its kind.
void applyAccessibleName(Ctrl &ctrl);
// Applies the Qt tab chain and stacking order after either changed.
void applyTabOrder(Panel &panel);
void applyZOrder(Panel &panel);
// Places the caption beside the control after geometry or text changed.
void placeLabel(Ctrl &ctrl);
// Refreshes the widget's look from the record (colours, font, dimmed).
void applyLook(Ctrl &ctrl);
// Refreshes only the font, at the scale of the control's panel.
void applyFont(Ctrl &ctrl);
// Shows the record's value in the widget without raising events.
void showValue(Ctrl &ctrl);

// ---- scaling (panel_scale.cpp) ---------------------------------------------
// Puts the control's widget and caption at its record's geometry times the
// scale of its panel.
void placeCtrl(Ctrl &ctrl);
// The factor fonts of the panel's controls are scaled by.
double fontScale(int panel);
// A window's size changed: contents that follow it are laid out again.
void panelResized(int handle);
// Shrinks a sizable window that is larger than the free area of its screen,
// keeping its proportions, and moves it onto that screen.
void fitToScreen(int handle);
// Sets the window's size limits from its sizable state.
void applySizable(Panel &panel);
// Places a child panel at its design geometry times the parent's scale.
void placeChildPanel(Panel &panel);

// ---- timers (timer.cpp) --------------------------------------------------
QWidget *makeTimer(Ctrl &ctrl, const CtrlDesc &desc, QWidget *parent);
// ATTR_INTERVAL (seconds) and ATTR_ENABLED (0/1) of a timer control.
int setTimerAttribute(Ctrl &ctrl, int attribute, double value);
int getTimerAttribute(Ctrl &ctrl, int attribute, double *value);

// ---- values (ctrl_values.cpp) --------------------------------------------
bool isNumericKind(int kind);
// value coerced to the data type's limits and the control's range: what the
// operator may enter.
double coerce(const Ctrl &ctrl, double value);
// value coerced to the data type's limits only: what code may store.
double coerceToType(const Ctrl &ctrl, double value);
// Sends value changed then commit for an operator change of the control.
void operatorChanged(int panel, int control, int eventData1 = 0, int eventData2 = 0);

// ---- lists (lists.cpp) --------------------------------------------------
bool isListKind(int kind);
// Rebuilds the widget's items from the record.
void syncListWidget(Ctrl &ctrl);
// The selected item, or -1 when none is (or the unlisted entry is shown).
int listIndex(const Ctrl &ctrl);
// Selects an item; an unlisted entry goes away.
void setListIndex(Ctrl &ctrl, int index);
// Shows value, which no item carries, as a selected entry "(value)" after
// the items; it stays until an item is selected.
void showUnlisted(Ctrl &ctrl, int value);

// ---- events (dispatch.cpp) ----------------------------------------------
// Installs the application-wide filter that turns widget input into events.
void installInputFilter();
// Binds a widget tree to its control (mouse, keys and focus find it).
void tagCtrlWidget(QWidget *w, int panel, int control);
void tagPanelWidget(QWidget *w, int panel);
// Converts between Qt key events and the run-time's key codes.
int keyCodeFromQt(int qtKey, Qt::KeyboardModifiers mods, const QString &text);
void qtKeyFromCode(int keyCode, int *qtKey, Qt::KeyboardModifiers *mods, QString *text);
// Shortcut keys of command and toggle buttons.
void bindShortcut(Ctrl &ctrl);
// Presses the button of window whose shortcut is keyCode, if one takes it.
bool pressShortcut(QWidget *window, int keyCode);
// Forgets the active panel when it goes away.
void forgetPanel(int handle);
void noteActivePanel(int handle);
void resetDispatchState();

// ---- event loop (event_loop.cpp) -----------------------------------------
void resetEventLoopState();

// ---- popups (popups.cpp) ------------------------------------------------
void resetPopupState();

// ---- shared helpers -----------------------------------------------------
inline QColor toQColor(int rgb)
{
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}
// Copies text into a caller's buffer, at most size - 1 bytes, never
// splitting a UTF-8 sequence; returns 0, or UIEBadValueType for no room.
int copyOut(const QString &text, char *buffer, std::size_t size);
QString fromUtf8(const char *text);

}  // namespace plat
