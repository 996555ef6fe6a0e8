// The main window and the big display grow with their windows, fit a small
// screen, and come back at the size they had. The pictures (PNG beside the
// build) are for the eye: the main window at 1400 x 1000 while it polls, the
// big display enlarged, and the main window on a 1024 x 600 screen.
#include <QGuiApplication>
#include <QImage>
#include <QScreen>

#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::ProgramTest;

namespace {

constexpr int kMainDesignWidth = 900, kMainDesignHeight = 730;

class WindowGrowth : public ProgramTest {
protected:
    static void Resize(int panel, int width, int height)
    {
        SetPanelAttribute(panel, ATTR_WIDTH, width);
        SetPanelAttribute(panel, ATTR_HEIGHT, height);
    }
    static void Save(int panel, const char *name)
    {
        uitest::PanelWidget(panel)->grab().toImage().save(QString(ORVELLE_BUILD_DIR) + "/" + name);
    }
};

TEST_F(WindowGrowth, ContentGrowsEvenlyAndTheSizeIsKeptForTheNextStart)
{
    StartSensorTcp();
    OpenProgram();
    ASSERT_EQ(comecho, 1);
    QWidget *graph = uitest::CtrlWidget(datapanel, DATAP_GraphDensity);
    QWidget *go = uitest::CtrlWidget(mainpanel, MAINP_ButtonGo);
    const QRect graphBefore = graph->geometry();
    const double pointsBefore = go->font().pointSizeF();

    Resize(mainpanel, 1400, 1000);
    PollFrames(40);
    Save(mainpanel, "main-window-1400x1000.png");
    const double sx = 1400.0 / kMainDesignWidth, sy = 1000.0 / kMainDesignHeight;
    EXPECT_NEAR(graph->width(), graphBefore.width() * sx, 1);
    EXPECT_NEAR(graph->height(), graphBefore.height() * sy, 1);
    EXPECT_NEAR(go->font().pointSizeF(), pointsBefore * std::min(sx, sy), 0.01);
    // The work area and the data panel keep their places in proportion.
    EXPECT_NEAR(uitest::PanelWidget(datapanel)->x(), 288 * sx, 1);

    // The big display on a screen of its own: the number grows with it.
    uitest::InjectEvent(datapanel, DATAP_DispVec, EVENT_LEFT_DOUBLE_CLICK);
    QWidget *number = uitest::CtrlWidget(colbigpanel, COLBIGP_DispVec);
    const QFontMetrics small(number->font());
    Resize(colbigpanel, 1520, 1040);  // four times its design size
    Save(colbigpanel, "big-display-enlarged.png");
    EXPECT_GT(QFontMetrics(number->font()).height(), 3.5 * small.height());
    EXPECT_GT(number->height(), 0.6 * uitest::PanelWidget(colbigpanel)->height());

    orvelle::CloseProgram();
    open_ = false;
    uitest::ResetUserInterface();
    OpenProgram();
    EXPECT_EQ(uitest::PanelWidget(mainpanel)->size(), QSize(1400, 1000));
    EXPECT_EQ(uitest::PanelWidget(colbigpanel)->size(), QSize(1520, 1040));
}

TEST_F(WindowGrowth, AnImplausibleSizeLeavesThatWindowAtItsDesignSize)
{
    WriteSettingsWithoutSensor();
    FILE *f = std::fopen(Path("WindowSize.cfg").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("1400\r\n-3\r\n600\r\n400\r\n", f);
    std::fclose(f);
    OpenProgram();
    EXPECT_EQ(uitest::PanelWidget(mainpanel)->size(), QSize(kMainDesignWidth, kMainDesignHeight));
    EXPECT_EQ(uitest::PanelWidget(colbigpanel)->size(), QSize(600, 400));
}

TEST_F(WindowGrowth, OnASmallScreenTheMainWindowShrinksToFit)
{
    QScreen *small = nullptr;
    for (QScreen *s : QGuiApplication::screens())
        if (s->geometry().size() == QSize(1024, 600))
            small = s;
    ASSERT_NE(small, nullptr);
    StartSensorTcp();
    OpenProgram();
    SetPanelPos(mainpanel, 0, small->geometry().x());
    QWidget *w = uitest::PanelWidget(mainpanel);
    PollFrames(20);
    Save(mainpanel, "main-window-1024x600.png");
    EXPECT_TRUE(small->availableGeometry().contains(w->frameGeometry()));
    EXPECT_NEAR(double(w->width()) / w->height(), double(kMainDesignWidth) / kMainDesignHeight,
                0.01);
    // Nothing is cut off: the data panel's right edge stays inside the window.
    EXPECT_LE(uitest::PanelWidget(datapanel)->geometry().right(), w->width());
}

}  // namespace
