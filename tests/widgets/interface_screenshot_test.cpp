// The interface panel as the operator sees it with a list open: RS-232 with
// the port list, TCP/IP with the server history. Each list must show its
// entries whole. Saved to ui_png/ of the build directory at the scale in use
// (QT_SCALE_FACTOR 1 or 2), for a look by eye.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <cstdio>
#include <cstring>

#include "combobox/combobox.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::ProgramTest;

namespace {

class InterfaceScreenshots : public ProgramTest {
protected:
    // The window with the open list drawn over it where it stands.
    static void SaveWithList(QWidget *window, QComboBox *list, const char *name)
    {
        QWidget *popup = list ? list->view()->window() : nullptr;
        const QPoint origin = window->mapToGlobal(QPoint());
        const QPoint at = popup ? popup->mapToGlobal(QPoint()) - origin : QPoint();
        const QRect all = popup ? window->rect().united(QRect(at, popup->size())) : window->rect();
        const QPixmap base = window->grab();
        QPixmap canvas(all.size() * base.devicePixelRatio());
        canvas.setDevicePixelRatio(base.devicePixelRatio());
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        painter.drawPixmap(-all.topLeft(), base);
        if (popup)
            painter.drawPixmap(at - all.topLeft(), popup->grab());
        painter.end();
        QDir dir(QString(ORVELLE_BUILD_DIR) + "/ui_png");
        dir.mkpath(".");
        const QString file =
            QString("%1@%2x.png").arg(name).arg(qRound(base.devicePixelRatio()));
        EXPECT_TRUE(canvas.save(dir.filePath(file))) << file.toStdString();
    }
    // Every entry of the open list fits its width.
    static void ExpectEntriesWhole(QComboBox *list)
    {
        QAbstractItemView *view = list->view();
        for (int i = 0; i < list->count(); ++i) {
            const int needed = view->fontMetrics().horizontalAdvance(list->itemText(i));
            EXPECT_LE(needed, view->viewport()->width()) << list->itemText(i).toStdString();
        }
    }
};

TEST_F(InterfaceScreenshots, PortListAndServerHistoryOpen)
{
    std::string history;
    for (const char *host : {"sensor-line-3.plant.example", "192.168.10.77", "localhost"})
        history += host + std::string(100 - std::strlen(host), '\0') + "\r\n";
    {
        FILE *f = std::fopen(Path("IPComboBox.cfg").c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(history.data(), 1, history.size(), f);
        std::fclose(f);
    }
    StartSensorPty();
    SetComPortDevice(8, "/nonexistent/ttyUSB3");
    OpenProgram();
    uitest::InjectEvent(mainpanel, MAINP_ButtonConnect, EVENT_COMMIT);
    QWidget *window = uitest::PanelWidget(mainpanel);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));

    auto *ports = static_cast<QComboBox *>(
        uitest::CtrlWidget(interfacepanel, INTERFACEP_EditSelectComPort));
    ports->showPopup();
    ASSERT_TRUE(ports->view()->isVisible());
    ExpectEntriesWhole(ports);
    SaveWithList(window, ports, "interface_rs232_ports");
    ports->hidePopup();
    SaveWithList(window, nullptr, "interface_rs232_port");
    SetComPortDevice(8, nullptr);

    uitest::OperatorSetValue(interfacepanel, INTERFACEP_EditCommunicationProtocol, 1);
    auto *server = static_cast<QLineEdit *>(
        uitest::CtrlWidget(interfacepanel, INTERFACEP_StringIpAdress));
    SetActiveCtrl(interfacepanel, INTERFACEP_StringIpAdress);
    server->clear();
    QTest::keyClicks(server, "se");
    EXPECT_EQ(server->text().toStdString(), "sensor-line-3.plant.example");
    QTest::keyClick(server, Qt::Key_Down);
    const int listCtrl = ComboRecordOf(interfacepanel, INTERFACEP_StringIpAdress)->listCtrl;
    auto *servers = static_cast<QComboBox *>(uitest::CtrlWidget(interfacepanel, listCtrl));
    ASSERT_TRUE(servers->view()->isVisible());
    EXPECT_EQ(servers->currentIndex(), 0);  // the entry the field holds
    ExpectEntriesWhole(servers);
    SaveWithList(window, servers, "interface_tcp_history");
    servers->hidePopup();
    SaveWithList(window, nullptr, "interface_tcp");
}

}  // namespace
