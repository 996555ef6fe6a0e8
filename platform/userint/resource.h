// The declarative form of a user-interface resource: panels and their
// controls as plain data. LoadPanel builds real widgets from it.
//
// Callbacks are named, not pointed to, as in a resource file; the program
// registers its callbacks by name and LoadPanel resolves them.
#pragma once

#include "platform/userint/userint.h"

struct ListItemDesc {
    const char *label;
    int value;
};

struct CtrlDesc {
    int id;                   // control id, unique within its panel, > 0
    int kind;                 // CtrlKind
    const char *name;         // the control's constant name, e.g. "ButtonGo"
    const char *label;        // caption (buttons) or label beside the control
    int top, left, width, height;   // pixels at 100 % scale
    const char *callback;     // callback name, nullptr for none
    int dataType = VAL_INTEGER;     // VAL_... for numerics, tables, rings
    double minValue = 0, maxValue = 0;  // numerics, slides, bars (max > min to apply)
    double initial = 0;       // initial numeric value
    const char *initialText = nullptr;  // initial text (strings, text boxes, messages)
    int mode = VAL_HOT;       // VAL_HOT or VAL_INDICATOR
    const ListItemDesc *items = nullptr;  // ring items
    int numItems = 0;
    int shortcutKey = 0;      // VAL_F9_VKEY ...
    int color = -1;           // button colour / frame colour / bar fill, -1 default
    int textColor = -1;
    int pointSize = 0;        // 0: default font size
    int visible = 1;
    int precision = 0;        // digits after the point for VAL_DOUBLE numerics
    // Tables: rows and columns, column labels separated by '|'.
    int rows = 0, columns = 0;
    const char *columnLabels = nullptr;
    // Graphs and strip charts.
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    int yAutoscale = 0;
    int numTraces = 0, pointsPerScreen = 0;
    const int *traceColors = nullptr;
    const char *xName = nullptr, *yName = nullptr;
    int maxEntryLength = -1;  // string controls
    int xAutoscale = 0;       // graphs: the x axis follows the plots
    // Timers: the interval is `initial` (seconds); they tick from the start
    // unless this is 0.
    int enabled = 1;
};

struct PanelDesc {
    int resourceId;           // the panel's constant, e.g. MAINP
    const char *name;         // "MAINP"
    const char *title;        // window title
    int top, left, width, height;
    const char *callback;     // panel callback name, nullptr for none
    const CtrlDesc *ctrls;
    int numCtrls;
    int backgroundColor = -1;
    int sizable = 0;          // windows: the operator may resize them
    int scaleContents = 0;    // windows: contents follow the window's size
};

struct CallbackEntry {
    const char *name;
    CtrlCallbackPtr function;
};

// Makes the panels of a resource file known to LoadPanel under that file name.
// The arrays must outlive every LoadPanel call.
int RegisterPanelResource(const char *resourceFile, const PanelDesc *panels, int numPanels);
// Makes callbacks known by name; later registrations add to earlier ones.
int RegisterCallbacks(const CallbackEntry *entries, int numEntries);
// Looks up a registered callback; nullptr when unknown.
CtrlCallbackPtr FindCallback(const char *name);
