// Shared by the user-interface tests of the platform layer: a small resource
// with one control of every kind, callbacks that record what they receive,
// and a fixture that loads it and resets the run-time after each test.
#pragma once

#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>
#include <QWidget>
#include <string>
#include <vector>

#include "platform/userint/registry.h"
#include "platform/userint/resource.h"
#include "platform/testing/testing.h"
#include "platform/userint/userint.h"

namespace uifix {

constexpr const char *kFile = "platform_test.uir";

enum PanelIds : int { P_MAIN = 1, P_CHILD = 2, P_BADCB = 3, P_SECOND = 4 };

enum MainCtrls : int {
    C_BUTTON = 1,
    C_TOGGLE,
    C_WORD,       // numeric, unsigned short
    C_REAL,       // numeric, double, -10 .. 10, 2 digits
    C_RING,
    C_SLIDE,
    C_SWITCH,
    C_STRING,     // max 10 characters
    C_MSG,
    C_TEXTBOX,
    C_BAR,
    C_TABLE,      // 4 rows x 3 columns of unsigned short
    C_GRAPH,
    C_STRIP,
    C_DECO,
    C_PICTURE,
    C_LIST,       // list button
    C_SHOW,       // numeric indicator
    C_SHOWTEXT,   // string indicator
    C_COUNT = C_SHOWTEXT,
};

enum ChildCtrls : int { CC_BUTTON = 1, CC_STRING };

struct Event {
    int panel, control, event, d1, d2;
};

// Everything the recording callbacks received, in order.
std::vector<Event> &events();
// Events of one control (0: the panel), codes only.
std::vector<int> codesOf(int panel, int control);
// Result the recording control callback returns for key presses.
int &keyPressResult();

void registerResource();

// Shows a top-level panel and waits until its window is active, so focus
// and window shortcuts behave as on a desktop.
bool showActive(int panel);

// The text a control shows, as screen readers read it.
inline std::string ShownText(int panel, int control)
{
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(uitest::CtrlWidget(panel, control));
    return a ? a->text(QAccessible::Value).toStdString() : "";
}

class UiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    int main_ = 0;
};

}  // namespace uifix
