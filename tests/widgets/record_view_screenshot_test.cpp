// Pictures of a record file on the graph panel for the eye: a day of lines
// with three signals, all of it, then zoomed into one minute with the
// mouse wheel and the cursor on a line. The operator's acts are real mouse
// and wheel events on the widgets. Saved next to the build.
#include <QApplication>
#include <QImage>
#include <QTest>
#include <QWheelEvent>
#include <cmath>
#include <cstdio>

#include "gui/record_reader.h"
#include "platform/graph/graph_widget.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::ProgramTest;

namespace {

constexpr int kDayLines = 86400;  // one line a second

class RecordViewPictures : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        WriteSettingsWithoutSensor();
        OpenProgram();
    }
    // A day from 08:00, a target passing now and then.
    std::string WriteDay()
    {
        const std::string path = Path("day.dat");
        FILE *f = std::fopen(path.c_str(), "wb");
        std::fputs(kRecordHeader, f);
        const std::int64_t t0 = RecordSeconds(2026, 3, 15, 8, 0, 0);
        char line[kRecordLineBytes], date[16], time[16];
        for (int i = 0; i < kDayLines; ++i) {
            RecordDateTime(t0 + i, date, time);
            const double slow = std::sin(i * 2 * M_PI / kDayLines);
            const double pass = std::exp(-std::pow(std::fmod(i, 900.0) - 450, 2) / 800);
            const word v[kRecordValues] = {word(1800 + 600 * slow + 1500 * pass + i * 7 % 40),
                                           word(2200 + 500 * slow + 900 * pass + i * 11 % 40),
                                           word(1500 + 400 * slow + 1200 * pass + i * 13 % 40),
                                           0, 500, 500, 255, word(28 + 4 * slow)};
            std::fwrite(line, 1, std::size_t(FormatRecordLine(v, date, time, line, sizeof line)), f);
        }
        std::fclose(f);
        return path;
    }
    QImage Save(const std::string &name)
    {
        QWidget *w = uitest::PanelWidget(mainpanel);
        const QImage image = w->grab().toImage();
        const QString scale = QString::number(qRound(image.devicePixelRatio()));
        image.save(QString(ORVELLE_BUILD_DIR) + "/" + QString::fromStdString(name) + "@" + scale +
                   "x.png");
        return image;
    }
    static void Wheel(QWidget *w, QPointF at, int notches)
    {
        QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &e);
    }
    static int Value(int ctrl)
    {
        word v = 0;
        GetCtrlVal(graphpanel, ctrl, &v);
        return v;
    }
};

TEST_F(RecordViewPictures, ADayOfThreeSignalsZoomedIntoAMinuteWithTheCursorOnALine)
{
    const std::string path = WriteDay();
    QTest::mouseClick(uitest::CtrlWidget(datapanel, DATAP_ButtonShowGraph), Qt::LeftButton);
    uitest::PushFileSelection(path);
    QWidget *open = uitest::CtrlWidget(graphpanel, GRAPHP_ButtonOpenRecord);
    QTest::mouseClick(open, Qt::LeftButton, {}, open->rect().center());
    ASSERT_TRUE(gpRecord);
    ASSERT_EQ(gpRecord->lines(), std::size_t(kDayLines));
    Save("record-view-day");

    auto *graph = static_cast<GraphWidget *>(uitest::CtrlWidget(graphpanel, GRAPHP_GraphRecord));
    graph->grab();
    const QRectF area = graph->plotArea();
    // Zoom in about the target passing at 14:07:30 until about a minute is left.
    double min = 0, max = 0;
    int mode = 0;
    GetAxisScalingMode(graphpanel, GRAPHP_GraphRecord, VAL_BOTTOM_XAXIS, &mode, &min, &max);
    const double pass = double(RecordSeconds(2026, 3, 15, 14, 7, 30));
    const QPointF at(area.left() + area.width() * (pass - min) / (max - min), area.center().y());
    for (int k = 0; k < 40; ++k) {
        GetAxisScalingMode(graphpanel, GRAPHP_GraphRecord, VAL_BOTTOM_XAXIS, &mode, &min, &max);
        if (max - min <= 70)
            break;
        Wheel(graph, at, 1);
        graph->grab();
    }
    GetAxisScalingMode(graphpanel, GRAPHP_GraphRecord, VAL_BOTTOM_XAXIS, &mode, &min, &max);
    EXPECT_LE(max - min, 70);
    EXPECT_GE(max - min, 50);

    // The pointer at 40 % of the view: the cursor reads the line there.
    const QPoint p(int(area.left() + area.width() * 0.4), int(area.top() + area.height() * 0.3));
    QTest::mouseMove(graph, p);
    const double x = min + (p.x() - area.left()) * (max - min) / area.width();
    const std::size_t line = std::size_t(std::lround(x - gpRecord->x.front()));
    EXPECT_EQ(Value(GRAPHP_ValChL), gpRecord->values[0][line]);
    EXPECT_EQ(Value(GRAPHP_ValChR), gpRecord->values[2][line]);
    char text[128] = "";
    GetCtrlVal(graphpanel, GRAPHP_TextCursor, text);
    EXPECT_NE(std::string(text).find("LINE " + std::to_string(line + 2)), std::string::npos) << text;
    Save("record-view-minute");
}

}  // namespace
