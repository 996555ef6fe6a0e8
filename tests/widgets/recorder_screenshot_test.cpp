// Pictures of the recorder for the eye: the panel in each mode, the
// triggered mode while it runs, and the graph panel after the recording.
// The buttons are pressed with real mouse clicks. Saved next to the build.
#include <QImage>
#include <QTest>
#include <QTimer>

#include "gui/recorder.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::ProgramTest;

namespace {

class RecorderPictures : public ProgramTest {
protected:
    QImage Save(int panel, const std::string &name)
    {
        const QImage image = uitest::PanelWidget(panel)->grab().toImage();
        image.save(QString(ORVELLE_BUILD_DIR) + "/" + QString::fromStdString(name));
        return image;
    }
    static void Click(int panel, int ctrl)
    {
        QWidget *w = uitest::CtrlWidget(panel, ctrl);
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
    }
    // Pixels whose colour is close to rgb.
    static int Count(const QImage &image, QRgb rgb)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                n += std::abs(qRed(p) - qRed(rgb)) + std::abs(qGreen(p) - qGreen(rgb)) +
                         std::abs(qBlue(p) - qBlue(rgb)) < 60;
            }
        return n;
    }
};

TEST_F(RecorderPictures, EveryModeATriggeredRecordingAndItsGraphs)
{
    sim::SimConfig config;
    config.triggerPeriodMs = 10;
    StartSensorTcp(config);
    OpenProgram();
    ASSERT_EQ(comecho, 1);
    Click(mainpanel, MAINP_ButtonRecorder);
    ASSERT_EQ(IsPanelVisible(recpanel), 1);
    for (int mode : {0, 1, 2, 3}) {
        uitest::OperatorSetValue(recpanel, RECP_EditSelectDataRec, mode);
        Save(mainpanel, "recorder-mode" + std::to_string(mode) + ".png");
    }

    // Mode 3 is chosen; two seconds of frames, then STOP TRIG.
    ResetTextBox(recpanel, RECP_DispRecFile, Path("trig.dat").c_str());
    QImage running;
    const double start = Timer();
    QTimer step;
    QObject::connect(&step, &QTimer::timeout, [&] {
        if (Timer() - start < 2.0)
            return;
        step.stop();
        running = Save(mainpanel, "recorder-triggered-running.png");
        Click(recpanel, RECP_ButtonStopTrigRec);
    });
    step.start(20);
    Click(recpanel, RECP_ButtonStartTrigRec);
    EXPECT_TRUE(PopupShown("INFO!", "File has been saved!"));
    double recorded = 0;
    GetCtrlVal(recpanel, RECP_DispRecordCount, &recorded);
    EXPECT_GT(recorded, 100);
    // The start button is red while its recording runs.
    const QImage startButton =
        uitest::CtrlWidget(recpanel, RECP_ButtonStartTrigRec)->grab().toImage();
    EXPECT_LT(Count(startButton, qRgb(0xFF, 0, 0)), startButton.width() * startButton.height() / 4);
    EXPECT_GT(Count(running, qRgb(0xFF, 0, 0)), 500);

    Click(datapanel, DATAP_ButtonShowGraph);
    ASSERT_EQ(IsPanelVisible(graphpanel), 1);
    const QImage chL = Save(mainpanel, "graph-panel-ch-l.png");
    EXPECT_GT(Count(chL, qRgb(0xFF, 0, 0)), 100);
    uitest::OperatorSetValue(graphpanel, GRAPHP_EditSignal, 3);
    const QImage density = Save(mainpanel, "graph-panel-density.png");
    EXPECT_GT(Count(density, qRgb(0xFF, 0x80, 0)), 100);
}

}  // namespace
