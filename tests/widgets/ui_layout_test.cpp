// The layout of the eight panels in every view the program can show: each
// visible control and caption lies inside its panel, no two of them cover
// each other, captions and ring items are not clipped, and the child panels
// fit beside each other in the main window. Every view is also grabbed to a
// PNG in ui_png/ of the build directory, for a look by eye at scale factors
// 1 and 2 (QT_SCALE_FACTOR).
#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QTableWidget>
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/userint/controls/numeric_display.h"
#include "widgets/ui_resource_fixture.h"

namespace {

using namespace uires;

// A visible piece of a panel: a control's widget or a caption.
struct Piece {
    std::string what;
    QRect rect;
    QWidget *widget;
    bool background;  // decorations and pictures lie behind other controls
};

const PanelDesc *DescOf(int resourceId)
{
    for (int i = 0; i < OrvellePanelCount(); ++i) {
        if (OrvellePanels()[i].resourceId == resourceId)
            return &OrvellePanels()[i];
    }
    return nullptr;
}

class UiLayout : public UiResourceFixture {
protected:
    // The visible direct children of a panel's widget, named by control.
    std::vector<Piece> Pieces(int resourceId)
    {
        int panel = p.byId(resourceId);
        QWidget *panelWidget = uitest::PanelWidget(panel);
        const PanelDesc *desc = DescOf(resourceId);
        std::vector<QWidget *> childPanels;
        for (int id : {PARAP, TTP, DATAP, INTERFACEP, RECP, GRAPHP})
            childPanels.push_back(uitest::PanelWidget(p.byId(id)));

        std::vector<Piece> pieces;
        for (QObject *o : panelWidget->children()) {
            auto *w = qobject_cast<QWidget *>(o);
            if (!w || w->isHidden() || w->isWindow())
                continue;
            if (std::find(childPanels.begin(), childPanels.end(), w) != childPanels.end())
                continue;
            Piece piece{"", w->geometry(), w, false};
            for (int c = 0; c < desc->numCtrls; ++c) {
                const CtrlDesc &ctrl = desc->ctrls[c];
                if (uitest::CtrlWidget(panel, ctrl.id) == w) {
                    piece.what = ctrl.name;
                    piece.background =
                        ctrl.kind == CTRL_DECORATION || ctrl.kind == CTRL_PICTURE;
                }
            }
            if (piece.what.empty()) {
                auto *label = qobject_cast<QLabel *>(w);
                piece.what = label ? "caption '" + label->text().toStdString() + "'"
                                   : std::string("widget ") + w->metaObject()->className();
            }
            pieces.push_back(piece);
        }
        return pieces;
    }

    // Checks one view of one panel.
    void CheckView(int resourceId, const std::string &view)
    {
        SCOPED_TRACE(view);
        QWidget *panelWidget = uitest::PanelWidget(p.byId(resourceId));
        std::vector<Piece> pieces = Pieces(resourceId);
        ASSERT_FALSE(pieces.empty());
        for (const Piece &a : pieces) {
            EXPECT_TRUE(panelWidget->rect().contains(a.rect)) << a.what << " leaves the panel";
            CheckTextFits(a);
        }
        for (size_t i = 0; i < pieces.size(); ++i) {
            for (size_t j = i + 1; j < pieces.size(); ++j) {
                const Piece &a = pieces[i], &b = pieces[j];
                if (a.background || b.background)
                    continue;
                EXPECT_FALSE(a.rect.intersects(b.rect)) << a.what << " covers " << b.what;
            }
        }
    }

    static void CheckTextFits(const Piece &piece)
    {
        if (auto *label = qobject_cast<QLabel *>(piece.widget)) {
            QRect need = label->fontMetrics().boundingRect(QRect(), Qt::AlignLeft,
                                                           label->text());
            EXPECT_LE(need.width(), piece.rect.width()) << piece.what << " is clipped";
        } else if (auto *button = qobject_cast<QAbstractButton *>(piece.widget)) {
            const int kPadding = 6;
            QRect need = button->fontMetrics().boundingRect(QRect(), Qt::AlignLeft,
                                                            button->text());
            EXPECT_LE(need.width() + kPadding, piece.rect.width()) << piece.what << " is clipped";
            EXPECT_LE(need.height(), piece.rect.height()) << piece.what << " is clipped";
        } else if (auto *table = qobject_cast<QTableWidget *>(piece.widget)) {
            // Set values and tolerances of density (full scale 4096) and
            // symmetry (0 .. 1000) have four digits.
            const int kCellPadding = 6;
            int need = table->fontMetrics().horizontalAdvance("4096") + kCellPadding;
            for (int column = 0; column < table->columnCount(); ++column)
                EXPECT_LE(need, table->columnWidth(column))
                    << piece.what << ": column " << column << " is clipped";
        } else if (auto *combo = qobject_cast<QComboBox *>(piece.widget)) {
            EXPECT_LE(combo->sizeHint().width(), piece.rect.width())
                << piece.what << ": an item is clipped";
        } else if (qobject_cast<QAbstractSpinBox *>(piece.widget) ||
                   dynamic_cast<plat::NumericDisplay *>(piece.widget)) {
            EXPECT_LE(piece.widget->minimumSizeHint().width(), piece.rect.width())
                << piece.what << ": its largest value is clipped";
        }
    }

    static void SetVisible(int panel, std::initializer_list<int> ids, int visible)
    {
        for (int id : ids)
            SetCtrlAttribute(panel, id, ATTR_VISIBLE, visible);
    }

    // Writes a grab of the widget to <build>/ui_png/<name>@<scale>x.png.
    static void Grab(QWidget *widget, const std::string &name)
    {
        QPixmap pixmap = widget->grab();
        QDir dir(QString(ORVELLE_BUILD_DIR) + "/ui_png");
        dir.mkpath(".");
        QString file = QString("%1@%2x.png")
                           .arg(QString::fromStdString(name))
                           .arg(qRound(pixmap.devicePixelRatio()));
        EXPECT_TRUE(pixmap.save(dir.filePath(file))) << file.toStdString();
    }

    // Plausible values, so the grabs show numbers and traces at full width.
    void FillSampleValues()
    {
        for (int id : {DATAP_DispChL, DATAP_DispChC, DATAP_DispChR, DATAP_DispAktMaxChL,
                       DATAP_DispAktMaxChC, DATAP_DispAktMaxChR})
            SetCtrlVal(p.data, id, 4095);
        SetCtrlVal(p.data, DATAP_DispDensity, 2048);
        SetCtrlVal(p.data, DATAP_DispSym1, 512);
        SetCtrlVal(p.data, DATAP_DispSym2, 488);
        SetCtrlVal(p.data, DATAP_DispVec, 255);
        SetCtrlVal(p.data, DATAP_DispTemp, 31);
        SetCtrlVal(p.data, DATAP_BarChL, 3000);
        SetCtrlVal(p.data, DATAP_BarChC, 2000);
        SetCtrlVal(p.data, DATAP_BarChR, 1000);
        SetCtrlVal(p.data, DATAP_DispStatus, "SENSOR V3.1 #12345");
        SetCtrlVal(p.data, DATAP_DispServer, "127.0.0.1");
        const int kSamples = 100;
        std::vector<double> strip;
        for (int i = 0; i < kSamples; ++i) {
            strip.push_back(2000 + 10 * i);
            strip.push_back(2300 + 10 * i);
            strip.push_back(1700 + 10 * i);
        }
        PlotStripChart(p.data, DATAP_GraphDensity, strip.data(), 3 * kSamples, 0, 0,
                       VAL_DOUBLE);
        PlotStripChart(p.data, DATAP_GraphRaw1, strip.data(), 3 * kSamples, 0, 0, VAL_DOUBLE);
        PlotRectangle(p.data, DATAP_GraphSym1, 450, 0, 550, 100, 0xFF0080, 0xFF0080);
        PlotRectangle(p.data, DATAP_GraphSym2, 420, 0, 520, 100, 0x008040, 0x008040);
        EXPECT_EQ(SetGraphCursor(p.data, DATAP_GraphSym1, 1, 512, 50), 0);
        EXPECT_EQ(SetGraphCursor(p.data, DATAP_GraphSym2, 1, 488, 50), 0);
        // Teach rows with the widest cell values.
        const unsigned short row[] = {4095, 100, 1000, 50, 65535, 65535};
        for (int column = 1; column <= 6; ++column) {
            SetTableCellVal(p.teach, TTP_GridCtt, MakePoint(column, 1), row[column - 1]);
            SetTableCellVal(p.teach, TTP_GridCtt, MakePoint(column, 2), row[6 - column]);
        }
        // A recorded polyline of 50 frames in the first graph of the graph panel.
        for (int frame = 1; frame < 50; ++frame) {
            const double x[] = {frame - 1.0, double(frame)};
            const double y[] = {1000.0 + 20 * (frame - 1), 1000.0 + 20 * frame};
            PlotXY(p.graph, GRAPHP_GraphChL, x, y, 2, VAL_DOUBLE, VAL_DOUBLE,
                   VAL_CONNECTED_POINTS, VAL_NO_POINT, VAL_SOLID, 1, 0xFF0000);
        }
        SetCtrlVal(p.colbig, COLBIGP_DispVec, 255);
        SetCtrlVal(p.colbig, COLBIGP_DispID, "LINE 3 / SENSOR 12");
    }
};

TEST_F(UiLayout, WorkAreaPanelsAreClean)
{
    FillSampleValues();
    ShowWorkArea(p.para);
    CheckView(PARAP, "parameters");
    Grab(uitest::PanelWidget(p.main), "main_parameter");

    ShowWorkArea(p.teach);
    CheckView(TTP, "teach table");
    Grab(uitest::PanelWidget(p.main), "main_teach");
    Grab(uitest::PanelWidget(p.teach), "teach");

    // Both marked as holding changes not yet sent, as the program marks them.
    SetVisible(p.para, {PARAP_UnsentNote}, 1);
    SetVisible(p.teach, {TTP_UnsentNote}, 1);
    SetCtrlAttribute(p.main, MAINP_ButtonPara, ATTR_LABEL_TEXT, "PARAMETER \u25CF");
    SetCtrlAttribute(p.main, MAINP_ButtonTeachTable, ATTR_LABEL_TEXT, "TEACH TABLE \u25CF");
    CheckView(TTP, "teach table, not sent");
    CheckView(MAINP, "main window, not sent");
    Grab(uitest::PanelWidget(p.main), "main_teach_unsent");
    ShowWorkArea(p.para);
    CheckView(PARAP, "parameters, not sent");
    Grab(uitest::PanelWidget(p.main), "main_parameter_unsent");
    SetVisible(p.para, {PARAP_UnsentNote}, 0);
    SetVisible(p.teach, {TTP_UnsentNote}, 0);

    ShowWorkArea(p.iface);
    CheckView(INTERFACEP, "interface, TCP/IP");
    Grab(uitest::PanelWidget(p.main), "main_interface");
    // The server box becomes a combo box: its drop-down button, a square of
    // the box's height, and the frame around both go to the box's left.
    QRect server = uitest::CtrlWidget(p.iface, INTERFACEP_StringIpAdress)->geometry();
    QRect combo(server.left() - server.height(), server.top() - 1,
                server.width() + server.height() + 1, server.height() + 2);
    EXPECT_TRUE(uitest::PanelWidget(p.iface)->rect().contains(combo));
    for (const Piece &piece : Pieces(INTERFACEP)) {
        if (piece.widget == uitest::CtrlWidget(p.iface, INTERFACEP_StringIpAdress))
            continue;
        EXPECT_FALSE(piece.rect.intersects(combo)) << piece.what << " is in the combo box";
    }
    SetVisible(p.iface, {INTERFACEP_StringIpAdress, INTERFACEP_StringPortNumber}, 0);
    SetVisible(p.iface, {INTERFACEP_EditSelectComPort}, 1);
    CheckView(INTERFACEP, "interface, RS-232");
    Grab(uitest::PanelWidget(p.iface), "interface_rs232");
}

TEST_F(UiLayout, RecorderIsCleanInEveryMode)
{
    const std::initializer_list<int> all = {
        RECP_EditInterval, RECP_EditRecVal, RECP_RecordTimeFrame, RECP_DispRecordDays,
        RECP_DispRecordHours, RECP_DispRecordMinutes, RECP_DispRecordSeconds,
        RECP_DispRecordedValues, RECP_DispRemaining, RECP_DispRecordCount,
        RECP_ButtonStartRecord, RECP_ButtonStopRecord, RECP_ButtonStartTrigRec,
        RECP_ButtonStopTrigRec, RECP_ButtonManualRecord};
    const std::vector<std::vector<int>> shown = {
        {RECP_EditInterval, RECP_EditRecVal, RECP_RecordTimeFrame, RECP_DispRecordDays,
         RECP_DispRecordHours, RECP_DispRecordMinutes, RECP_DispRecordSeconds,
         RECP_DispRecordedValues, RECP_DispRemaining, RECP_ButtonStartRecord,
         RECP_ButtonStopRecord},
        {RECP_EditInterval, RECP_DispRecordCount, RECP_ButtonStartRecord,
         RECP_ButtonStopRecord},
        {RECP_DispRecordedValues, RECP_ButtonManualRecord},
        {RECP_DispRecordCount, RECP_ButtonStartTrigRec, RECP_ButtonStopTrigRec},
    };
    ShowWorkArea(p.rec);
    CheckView(RECP, "recorder as loaded");
    // The note of lost lines may show in every mode.
    SetCtrlVal(p.rec, RECP_DispLostLines, "LINES LOST: 65535");
    SetCtrlAttribute(p.rec, RECP_DispLostLines, ATTR_VISIBLE, 1);
    Grab(uitest::PanelWidget(p.main), "main_recorder");
    for (size_t mode = 0; mode < shown.size(); ++mode) {
        SetVisible(p.rec, all, 0);
        for (int id : shown[mode])
            SetCtrlAttribute(p.rec, id, ATTR_VISIBLE, 1);
        CheckView(RECP, "recorder mode " + std::to_string(mode));
        Grab(uitest::PanelWidget(p.rec), "recorder_mode" + std::to_string(mode));
    }
}

TEST_F(UiLayout, DataPanelIsCleanInBothViews)
{
    FillSampleValues();
    ShowWorkArea(p.para);
    CheckView(DATAP, "density view");

    // Raw view with every optional display shown: present maxima, trigger
    // state and the COM port instead of the server.
    SetVisible(p.data, {DATAP_DispDensity, DATAP_DispSym1, DATAP_DispSym2,
                        DATAP_GraphDensity, DATAP_GraphSym1, DATAP_GraphSym2,
                        DATAP_DispServer}, 0);
    SetVisible(p.data, {DATAP_DispChL, DATAP_DispChC, DATAP_DispChR, DATAP_GraphRaw1,
                        DATAP_DispAktMaxChL, DATAP_DispAktMaxChC, DATAP_DispAktMaxChR,
                        DATAP_DispTrigger, DATAP_DispComPort}, 1);
    SetCtrlVal(p.data, DATAP_DispComPort, 32);
    CheckView(DATAP, "raw view");
    Grab(uitest::PanelWidget(p.main), "main_raw");
}

TEST_F(UiLayout, GraphPanelShowsOneSignalAtATime)
{
    const int graphs[] = {GRAPHP_GraphChL, GRAPHP_GraphChC, GRAPHP_GraphChR,
                          GRAPHP_GraphDensity, GRAPHP_GraphSym1, GRAPHP_GraphSym2,
                          GRAPHP_GraphTemp};
    FillSampleValues();
    ShowWorkArea(p.para);
    HidePanel(p.data);
    DisplayPanel(p.graph);
    CheckView(GRAPHP, "graph panel as loaded");
    Grab(uitest::PanelWidget(p.main), "main_graph");
    for (int shown : graphs) {
        for (int g : graphs)
            SetCtrlAttribute(p.graph, g, ATTR_VISIBLE, g == shown);
        CheckView(GRAPHP, "graph " + std::to_string(shown));
    }
    // A record file shown: the frames' controls make room for the file's.
    for (int id = GRAPHP_EditSignal; id <= GRAPHP_DispTemp; ++id)
        SetCtrlAttribute(p.graph, id, ATTR_VISIBLE, 0);
    for (int id = GRAPHP_ButtonLive; id <= GRAPHP_GraphRecord; ++id)
        SetCtrlAttribute(p.graph, id, ATTR_VISIBLE, 1);
    SetCtrlVal(p.graph, GRAPHP_TextRecord, "a-long-record-file-name-1.dat\n1000000 LINES, 99 NOT READ");
    SetCtrlVal(p.graph, GRAPHP_TextCursor, "03-15-2026  14:05:09   LINE 1000000");
    CheckView(GRAPHP, "record file");
    Grab(uitest::PanelWidget(p.main), "main_graph_record");
}

TEST_F(UiLayout, MainWindowHoldsItsPanelsSideBySide)
{
    ShowWorkArea(p.para);
    CheckView(MAINP, "main window");
    QWidget *main = uitest::PanelWidget(p.main);
    QRect work = uitest::PanelWidget(p.para)->geometry();
    QRect data = uitest::PanelWidget(p.data)->geometry();
    EXPECT_TRUE(main->rect().contains(work));
    EXPECT_TRUE(main->rect().contains(data));
    EXPECT_FALSE(work.intersects(data));
    for (const Piece &piece : Pieces(MAINP)) {
        if (piece.background)
            continue;
        EXPECT_FALSE(piece.rect.intersects(work)) << piece.what << " lies under the work area";
        EXPECT_FALSE(piece.rect.intersects(data)) << piece.what << " lies under the data panel";
    }
    // The four work-area panels and the graph panel match the places they share.
    for (int id : {TTP, INTERFACEP, RECP})
        EXPECT_EQ(uitest::PanelWidget(p.byId(id))->geometry(), work);
    EXPECT_EQ(uitest::PanelWidget(p.graph)->geometry(), data);
}

TEST_F(UiLayout, BigDisplayIsClean)
{
    FillSampleValues();
    DisplayPanel(p.colbig);
    CheckView(COLBIGP, "big display");
    Grab(uitest::PanelWidget(p.colbig), "colbig");
}

}  // namespace
