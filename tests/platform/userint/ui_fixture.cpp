// The test resource and the recording callbacks (see ui_fixture.h).
#include "ui_fixture.h"

namespace uifix {

namespace {

int recordPanel(int panel, int control, int event, void *, int d1, int d2)
{
    events().push_back({panel, control, event, d1, d2});
    return 0;
}

int recordCtrl(int panel, int control, int event, void *, int d1, int d2)
{
    events().push_back({panel, control, event, d1, d2});
    return event == EVENT_KEYPRESS ? keyPressResult() : 0;
}

const ListItemDesc kRingItems[] = {{"Zero", 0}, {"One", 1}, {"Two", 2}};
const int kTraceColors[] = {0xFF0000, 0x00A000, 0x0000FF};

const CtrlDesc kMainCtrls[] = {
    {.id = C_BUTTON, .kind = CTRL_COMMAND_BUTTON, .name = "Button", .label = "Go & Run",
     .top = 10, .left = 10, .width = 80, .height = 26, .callback = "tst_Ctrl",
     .shortcutKey = VAL_F9_VKEY, .color = 0xE0E0E0},
    {.id = C_TOGGLE, .kind = CTRL_TOGGLE_BUTTON, .name = "Toggle", .label = "Hold",
     .top = 10, .left = 100, .width = 80, .height = 26, .callback = "tst_Ctrl"},
    {.id = C_WORD, .kind = CTRL_NUMERIC, .name = "Word", .label = "Word", .top = 60,
     .left = 10, .width = 90, .height = 22, .callback = "tst_Ctrl",
     .dataType = VAL_UNSIGNED_SHORT_INTEGER, .initial = 7},
    {.id = C_REAL, .kind = CTRL_NUMERIC, .name = "Real", .label = "Real", .top = 60,
     .left = 110, .width = 90, .height = 22, .callback = "tst_Ctrl", .dataType = VAL_DOUBLE,
     .minValue = -10, .maxValue = 10, .initial = 1.5, .precision = 2},
    {.id = C_RING, .kind = CTRL_RING, .name = "Ring", .label = "Mode", .top = 60, .left = 210,
     .width = 90, .height = 22, .callback = "tst_Ctrl", .initial = 1, .items = kRingItems,
     .numItems = 3},
    {.id = C_SLIDE, .kind = CTRL_SLIDE, .name = "Slide", .label = "Power", .top = 110,
     .left = 10, .width = 190, .height = 30, .callback = "tst_Ctrl", .minValue = 0,
     .maxValue = 1000, .initial = 500},
    {.id = C_SWITCH, .kind = CTRL_BINARY_SWITCH, .name = "Switch", .label = "Auto",
     .top = 110, .left = 210, .width = 90, .height = 22, .callback = "tst_Ctrl"},
    {.id = C_STRING, .kind = CTRL_STRING, .name = "String", .label = "Server", .top = 160,
     .left = 10, .width = 120, .height = 22, .callback = "tst_Ctrl", .initialText = "abc",
     .maxEntryLength = 10},
    {.id = C_MSG, .kind = CTRL_TEXT_MSG, .name = "Msg", .label = "Message", .top = 160,
     .left = 140, .width = 100, .height = 20, .callback = "tst_Ctrl"},
    {.id = C_TEXTBOX, .kind = CTRL_TEXT_BOX, .name = "TextBox", .label = "Log", .top = 200,
     .left = 10, .width = 150, .height = 60, .callback = "tst_Ctrl"},
    {.id = C_BAR, .kind = CTRL_BAR, .name = "Bar", .label = "CH", .top = 200, .left = 170,
     .width = 50, .height = 120, .callback = "tst_Ctrl", .minValue = 0, .maxValue = 4096,
     .initial = 1024, .color = 0x00A000},
    {.id = C_TABLE, .kind = CTRL_TABLE, .name = "Table", .label = "Table", .top = 200,
     .left = 230, .width = 200, .height = 130, .callback = "tst_Ctrl",
     .dataType = VAL_UNSIGNED_SHORT_INTEGER, .initial = 1, .rows = 4, .columns = 3,
     .columnLabels = "A|B|C"},
    {.id = C_GRAPH, .kind = CTRL_GRAPH, .name = "Graph", .label = "Graph", .top = 350,
     .left = 10, .width = 200, .height = 120, .callback = "tst_Ctrl", .xMin = 0,
     .xMax = 1000, .yMin = 0, .yMax = 100},
    {.id = C_STRIP, .kind = CTRL_STRIP_CHART, .name = "Strip", .label = "Strip", .top = 350,
     .left = 220, .width = 200, .height = 120, .callback = "tst_Ctrl", .yMin = 0,
     .yMax = 4096, .numTraces = 3, .pointsPerScreen = 101, .traceColors = kTraceColors},
    {.id = C_DECO, .kind = CTRL_DECORATION, .name = "Deco", .label = "", .top = 490,
     .left = 10, .width = 100, .height = 40, .callback = "tst_Ctrl", .color = 0x0080FF},
    {.id = C_PICTURE, .kind = CTRL_PICTURE, .name = "Picture", .label = "", .top = 490,
     .left = 120, .width = 60, .height = 40, .callback = "tst_Ctrl"},
    {.id = C_LIST, .kind = CTRL_LIST_BUTTON, .name = "List", .label = "", .top = 490,
     .left = 190, .width = 22, .height = 22, .callback = "tst_Ctrl"},
    {.id = C_SHOW, .kind = CTRL_NUMERIC, .name = "Show", .label = "Shown", .top = 490,
     .left = 230, .width = 80, .height = 22, .callback = "tst_Ctrl",
     .dataType = VAL_UNSIGNED_SHORT_INTEGER, .initial = 255, .mode = VAL_INDICATOR},
    {.id = C_SHOWTEXT, .kind = CTRL_STRING, .name = "ShowText", .label = "Status",
     .top = 490, .left = 320, .width = 100, .height = 22, .callback = "tst_Ctrl",
     .initialText = "idle", .mode = VAL_INDICATOR},
};

const CtrlDesc kChildCtrls[] = {
    {.id = CC_BUTTON, .kind = CTRL_COMMAND_BUTTON, .name = "ChildButton", .label = "Get",
     .top = 10, .left = 10, .width = 70, .height = 24, .callback = "tst_Ctrl",
     .shortcutKey = VAL_F10_VKEY},
    {.id = CC_STRING, .kind = CTRL_STRING, .name = "ChildString", .label = "Name", .top = 60,
     .left = 10, .width = 100, .height = 22, .callback = "tst_Ctrl"},
};

const CtrlDesc kBadCtrls[] = {
    {.id = 1, .kind = CTRL_COMMAND_BUTTON, .name = "Bad", .label = "Bad", .top = 10,
     .left = 10, .width = 60, .height = 24, .callback = "tst_NotRegistered"},
};

const PanelDesc kPanels[] = {
    {.resourceId = P_MAIN, .name = "MAIN", .title = "Platform test", .top = 40, .left = 40,
     .width = 450, .height = 540, .callback = "tst_Panel", .ctrls = kMainCtrls,
     .numCtrls = static_cast<int>(std::size(kMainCtrls))},
    {.resourceId = P_CHILD, .name = "CHILD", .title = "Child", .top = 0, .left = 0,
     .width = 200, .height = 100, .callback = "tst_Panel", .ctrls = kChildCtrls,
     .numCtrls = static_cast<int>(std::size(kChildCtrls)), .backgroundColor = 0xF0F0D0},
    {.resourceId = P_BADCB, .name = "BAD", .title = "Bad", .top = 0, .left = 0, .width = 100,
     .height = 60, .callback = nullptr, .ctrls = kBadCtrls, .numCtrls = 1},
    {.resourceId = P_SECOND, .name = "SECOND", .title = "Second", .top = 0, .left = 0,
     .width = 120, .height = 80, .callback = "tst_Panel", .ctrls = kChildCtrls,
     .numCtrls = 1},
};

const CallbackEntry kCallbacks[] = {{"tst_Panel", recordPanel}, {"tst_Ctrl", recordCtrl}};

}  // namespace

std::vector<Event> &events()
{
    static std::vector<Event> list;
    return list;
}

std::vector<int> codesOf(int panel, int control)
{
    std::vector<int> out;
    for (const Event &e : events())
        if (e.panel == panel && e.control == control)
            out.push_back(e.event);
    return out;
}

int &keyPressResult()
{
    static int result = 0;
    return result;
}

void registerResource()
{
    RegisterPanelResource(kFile, kPanels, static_cast<int>(std::size(kPanels)));
    RegisterCallbacks(kCallbacks, static_cast<int>(std::size(kCallbacks)));
}

bool showActive(int panel)
{
    if (DisplayPanel(panel) < 0)
        return false;
    QWidget *w = uitest::PanelWidget(panel);
    w->activateWindow();
    return QTest::qWaitForWindowActive(w);
}

void UiTest::SetUp()
{
    registerResource();
    uitest::ScriptPopups(true);
    events().clear();
    keyPressResult() = 0;
    main_ = LoadPanel(0, kFile, P_MAIN);
    ASSERT_GT(main_, 0);
}

void UiTest::TearDown()
{
    uitest::ResetUserInterface();
    events().clear();
}

}  // namespace uifix
