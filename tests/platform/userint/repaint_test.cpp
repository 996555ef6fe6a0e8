// What a value written from code repaints: nothing when it is the value
// already shown or the display is hidden, and for a moved cursor or a new
// bar level only part of the control, which must then look exactly as a full
// repaint would draw it.
#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QScreen>
#include <QWindow>
#include <map>

#include "ui_fixture.h"

using namespace uifix;

namespace {

// Counts paint events per widget and gathers what they painted.
class PaintCounter : public QObject {
public:
    std::map<QObject *, int> paints;
    std::map<QObject *, QRegion> painted;
    // Paints of w and everything inside it.
    int of(QWidget *w) const
    {
        int n = 0;
        for (const auto &[o, count] : paints)
            if (o == w || w->isAncestorOf(static_cast<QWidget *>(o)))
                n += count;
        return n;
    }
    int total() const
    {
        int n = 0;
        for (const auto &[w, count] : paints)
            n += count;
        return n;
    }

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && o->isWidgetType()) {
            ++paints[o];
            painted[o] += static_cast<QPaintEvent *>(e)->region();
        }
        return false;
    }
};

// Writes the same frame of values a polling loop would write.
void WriteFrame(int panel, unsigned short word, double cursorX)
{
    const double strip[] = {10, 20, 30, 10, 20, 30};
    SetCtrlVal(panel, C_SHOW, word);
    SetCtrlVal(panel, C_BAR, word);
    SetAxisScalingMode(panel, C_STRIP, VAL_LEFT_YAXIS, VAL_MANUAL, 0, 100);
    SetCtrlAttribute(panel, C_STRIP, ATTR_POINTS_PER_SCREEN, 2);
    PlotStripChart(panel, C_STRIP, strip, 6, 0, 0, VAL_DOUBLE);
    SetGraphCursor(panel, C_GRAPH, 1, cursorX, 50);
}

// The widget as the window shows it now: what partial repaints left there.
QImage OnScreen(QWidget *w)
{
    QWidget *window = w->window();
    const QImage shot = window->screen()->grabWindow(window->winId()).toImage();
    const QPoint at = w->mapTo(window, QPoint(0, 0));
    return shot.copy(QRect(at, w->size())).convertToFormat(QImage::Format_RGB32);
}

// The widget drawn whole, from scratch.
QImage DrawnWhole(QWidget *w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

using Repaint = UiTest;

TEST_F(Repaint, AFrameOfUnchangedValuesRepaintsNothing)
{
    ASSERT_TRUE(showActive(main_));
    WriteFrame(main_, 1000, 300);
    QApplication::processEvents();
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    WriteFrame(main_, 1000, 300);
    QApplication::processEvents();
    EXPECT_EQ(counter.total(), 0);
    // A changed value does repaint, so the count above would have seen it;
    // a bar whose level stays in the same pixel row does not.
    WriteFrame(main_, 1001, 300);
    QApplication::processEvents();
    QWidget *bar = uitest::CtrlWidget(main_, C_BAR);
    QWidget *show = uitest::CtrlWidget(main_, C_SHOW);
    EXPECT_GT(counter.of(show), 0);
    // A display's new number repaints the field it stands in: not its frame,
    // not the panel behind it.
    EXPECT_EQ(counter.paints[show], 0);
    EXPECT_FALSE(counter.painted[uitest::PanelWidget(main_)].intersects(show->geometry()));
    EXPECT_EQ(counter.paints[bar], 0);
    WriteFrame(main_, 2000, 300);
    QApplication::processEvents();
    EXPECT_GT(counter.paints[bar], 0);
    // The bar fills its own background: the panel behind it stays still.
    EXPECT_FALSE(counter.painted[uitest::PanelWidget(main_)].intersects(bar->geometry()));
    qApp->removeEventFilter(&counter);
}

TEST_F(Repaint, PartialRepaintsLeaveWhatAFullOneDraws)
{
    ASSERT_TRUE(showActive(main_));
    WriteFrame(main_, 1000, 300);
    QApplication::processEvents();
    WriteFrame(main_, 3500, 700);   // the cursor moves right, the bar rises
    const double traces[] = {90, 5, 50, 70, 40, 60};
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    PlotStripChart(main_, C_STRIP, traces, 6, 0, 0, VAL_DOUBLE);
    QApplication::processEvents();
    qApp->removeEventFilter(&counter);
    // New traces repaint the plot area, not the axes and labels around it.
    QWidget *strip = uitest::CtrlWidget(main_, C_STRIP);
    EXPECT_FALSE(counter.painted[strip].isEmpty());
    EXPECT_FALSE(counter.painted[strip].contains(QPoint(1, strip->height() - 2)));
    for (int ctrl : {C_GRAPH, C_BAR, C_STRIP, C_SHOW}) {
        QWidget *w = uitest::CtrlWidget(main_, ctrl);
        EXPECT_EQ(OnScreen(w), DrawnWhole(w)) << "control " << ctrl;
    }
}

// A hidden display skips the text of every new value but shows the last
// one when it comes back.
TEST_F(Repaint, AHiddenDisplayShowsItsLastValueWhenShownAgain)
{
    ASSERT_TRUE(showActive(main_));
    SetCtrlAttribute(main_, C_SHOW, ATTR_VISIBLE, 0);
    SetCtrlVal(main_, C_SHOW, 41);
    SetCtrlVal(main_, C_SHOW, 42);
    SetCtrlAttribute(main_, C_SHOW, ATTR_VISIBLE, 1);
    EXPECT_EQ(ShownText(main_, C_SHOW), "42");
}
