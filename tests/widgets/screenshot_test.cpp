// Pictures of the running program for the eye: the main window while it
// polls the simulator, in the density view and in the raw view, and the big
// display. Saved next to the build as PNG files.
#include <QImage>
#include <QTest>
#include <QTimer>

#include "gui/teach_table.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::ProgramTest;

namespace {

class Screenshots : public ProgramTest {
protected:
    QImage Save(int panel, const char *name)
    {
        const QImage image = uitest::PanelWidget(panel)->grab().toImage();
        EXPECT_TRUE(image.save(QString(ORVELLE_BUILD_DIR) + "/" + name)) << name;
        return image;
    }
    // Share of pixels that differ from the most common colour: a blank or
    // nearly blank picture has almost none.
    static double Busy(const QImage &image)
    {
        QRgb common = image.pixel(image.width() / 2, image.height() - 2);
        int differ = 0, total = 0;
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3, ++total)
                differ += image.pixel(x, y) != common;
        return double(differ) / total;
    }
};

TEST_F(Screenshots, MainWindowWhilePollingInBothViews)
{
    StartSensorTcp();
    OpenProgram();
    ASSERT_EQ(comecho, 1);
    // Teach row 0 from the live values, so the band and rectangles show.
    PollFrames(5);
    SetCtrlVal(ttpanel, TTP_EditNo, static_cast<unsigned short>(0));
    TeachDataTo();
    SetCtrlVal(ttpanel, TTP_EditNo, static_cast<unsigned short>(0));
    uitest::InjectEvent(mainpanel, MAINP_ButtonTeachTable, EVENT_COMMIT);
    PollFrames(60);
    const QImage density = Save(mainpanel, "polling-density-view.png");
    EXPECT_GT(Busy(density), 0.05);

    uitest::OperatorSetValue(datapanel, DATAP_SelectSource, 1);
    uitest::InjectEvent(mainpanel, MAINP_ButtonPara, EVENT_COMMIT);
    sensor_->clearFrameLog();
    PollFrames(60);
    const QImage raw = Save(mainpanel, "polling-raw-view.png");
    EXPECT_NE(density, raw);

    // A double click on the real vector display opens the big display,
    // which shows the vector of the last frame.
    QWidget *vec = uitest::CtrlWidget(datapanel, DATAP_DispVec);
    QTest::mouseDClick(vec, Qt::LeftButton, {}, vec->rect().center());
    ASSERT_EQ(IsPanelVisible(colbigpanel), 1);
    unsigned short big = 0;
    GetCtrlVal(colbigpanel, COLBIGP_DispVec, &big);
    EXPECT_EQ(big, dataVec);
    EXPECT_GT(Busy(Save(colbigpanel, "big-display.png")), 0.02);
}

}  // namespace
