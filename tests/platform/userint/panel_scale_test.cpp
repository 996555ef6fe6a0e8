// Windows that grow: contents scale with a window that follows its size,
// attributes keep reading the geometry at 100 %, and a sizable window that
// does not fit its screen shrinks onto it. The test screens: a desktop at
// (0, 0) and a 1024 x 600 screen to its right (tests/test_main.cpp).
#include <QGuiApplication>
#include <QScreen>

#include "platform/userint/ui_fixture.h"

using namespace uifix;

namespace {

class PanelScale : public UiTest {
protected:
    void MakeGrowing()
    {
        ASSERT_EQ(SetPanelAttribute(main_, ATTR_SIZABLE, 1), 0);
        ASSERT_EQ(SetPanelAttribute(main_, ATTR_SCALE_CONTENTS_ON_RESIZE, 1), 0);
    }
    QScreen *SmallScreen() const
    {
        for (QScreen *s : QGuiApplication::screens())
            if (s->geometry().width() == 1024 && s->geometry().height() == 600)
                return s;
        return nullptr;
    }
};

TEST_F(PanelScale, ContentsFollowTheWindowAndAttributesKeepTheDesign)
{
    MakeGrowing();
    const int child = LoadPanel(main_, kFile, P_CHILD);
    ASSERT_GT(child, 0);
    SetPanelPos(child, 300, 220);
    QWidget *word = uitest::CtrlWidget(main_, C_WORD);
    const double points = word->font().pointSizeF();

    // 450 x 540 designed: twice as wide, one and a half as high.
    SetPanelAttribute(main_, ATTR_WIDTH, 900);
    SetPanelAttribute(main_, ATTR_HEIGHT, 810);
    EXPECT_EQ(word->geometry(), QRect(20, 90, 180, 33));
    EXPECT_DOUBLE_EQ(word->font().pointSizeF(), points * 1.5);  // text by the smaller factor
    EXPECT_EQ(uitest::PanelWidget(child)->geometry(), QRect(440, 450, 400, 150));
    EXPECT_EQ(uitest::CtrlWidget(child, CC_BUTTON)->geometry(), QRect(20, 15, 140, 36));
    int top = 0, width = 0, childTop = 0;
    GetCtrlAttribute(main_, C_WORD, ATTR_TOP, &top);
    GetCtrlAttribute(main_, C_WORD, ATTR_WIDTH, &width);
    GetPanelAttribute(child, ATTR_TOP, &childTop);
    EXPECT_EQ(top, 60);
    EXPECT_EQ(width, 90);
    EXPECT_EQ(childTop, 300);

    // Controls placed from code while the window is large land in proportion.
    SetCtrlAttribute(main_, C_WORD, ATTR_LEFT, 200);
    EXPECT_EQ(word->x(), 400);

    SetPanelAttribute(main_, ATTR_WIDTH, 450);
    SetPanelAttribute(main_, ATTR_HEIGHT, 540);
    EXPECT_EQ(word->geometry(), QRect(200, 60, 90, 22));
    EXPECT_DOUBLE_EQ(word->font().pointSizeF(), points);
}

TEST_F(PanelScale, AWindowWithoutScalingKeepsItsContentsWhereTheyAre)
{
    ASSERT_EQ(SetPanelAttribute(main_, ATTR_SIZABLE, 1), 0);
    SetPanelAttribute(main_, ATTR_WIDTH, 900);
    EXPECT_EQ(uitest::PanelWidget(main_)->width(), 900);
    EXPECT_EQ(uitest::CtrlWidget(main_, C_WORD)->geometry(), QRect(10, 60, 90, 22));
}

TEST_F(PanelScale, ALargeWindowOnASmallScreenShrinksOntoItInProportion)
{
    QScreen *small = SmallScreen();
    ASSERT_NE(small, nullptr);
    MakeGrowing();
    SetPanelAttribute(main_, ATTR_WIDTH, 1350);   // three times 450 x 540
    SetPanelAttribute(main_, ATTR_HEIGHT, 1620);
    DisplayPanel(main_);
    QWidget *w = uitest::PanelWidget(main_);
    ASSERT_EQ(w->height(), 1620);  // the desktop holds it
    SetPanelPos(main_, 100, small->geometry().x() + 200);
    ASSERT_EQ(w->screen(), small);
    // The window takes in its move, then fits the new screen.
    ASSERT_TRUE(QTest::qWaitFor([w] { return w->height() < 1620; }));
    EXPECT_TRUE(small->availableGeometry().contains(w->frameGeometry()));
    EXPECT_NEAR(double(w->width()) / w->height(), 450.0 / 540.0, 0.01);
    EXPECT_GT(w->height(), 500);  // it uses the screen's height
    const double s = w->height() / 540.0;
    EXPECT_NEAR(uitest::CtrlWidget(main_, C_WORD)->y(), 60 * s, 1);
}

}  // namespace
