// The link log against the simulator: the frames of start-up, Get and Go in
// order with their meanings, faults named as such, the counters, the kept
// lines bounded however many frames pass, pause and save.
#include <QFile>
#include <QTest>

#include "com232/link_log.h"
#include "gui/link_log_window.h"
#include "support/program_fixture.h"
#include "ui/linklog_uir.h"

using namespace orvelle;
using orvtest::ProgramTest;

namespace {

class LinkLog : public ProgramTest {
protected:
    // A size file from a run that ended with the log open: the start-up is logged.
    void LeaveLogOpen()
    {
        FILE *f = std::fopen(Path("WindowSize.cfg").c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fputs("900\r\n730\r\n380\r\n260\r\n980\r\n560\r\n1\r\n", f);
        std::fclose(f);
    }
    // The lines in view, as the window shows them.
    std::vector<std::string> View()
    {
        RefreshLinkLog();
        std::vector<char> text(static_cast<size_t>(kLinkLogLines + 10) * (kLinkLogLineBytes + 2));
        GetCtrlVal(linklogpanel, LINKLOGP_LogText, text.data(), text.size());
        std::vector<std::string> lines;
        std::string line;
        for (const char *c = text.data(); *c; ++c) {
            if (*c == '\n') {
                lines.push_back(line);
                line.clear();
            } else {
                line += *c;
            }
        }
        if (!line.empty())
            lines.push_back(line);
        return lines;
    }
    // Direction and meaning of each line from line `from` on: "> read row 5".
    static std::vector<std::string> Meanings(const std::vector<std::string> &lines, size_t from = 0)
    {
        std::vector<std::string> out;
        for (size_t i = from; i < lines.size(); ++i) {
            const std::string &l = lines[i];
            const size_t dir = l.find("  ") + 2;        // after the time
            const size_t meaning = dir + 3 + 89 + 2;    // after the hex column
            out.push_back(l.substr(dir, 1) + " " + (l.size() > meaning ? l.substr(meaning) : ""));
        }
        return out;
    }
    static std::vector<std::string> ReadRows(const char *answer)
    {
        std::vector<std::string> out = {"> read parameters", std::string("< ") + answer};
        for (int r = 0; r <= 30; ++r) {
            out.push_back("> read row " + std::to_string(r));
            out.push_back("< row " + std::to_string(r));
        }
        return out;
    }
    void PollMore(int frames)
    {
        sensor_->clearFrameLog();
        PollFrames(frames);
    }
};

TEST_F(LinkLog, StartUpGetAndGoShowTheirFramesInOrder)
{
    StartSensorTcp();
    LeaveLogOpen();
    OpenProgram();
    ASSERT_EQ(comecho, 1);
    ASSERT_EQ(linkLogOpen, 1);
    std::vector<std::string> expected = {
        "! log opened",
        "! connected to 127.0.0.1:" + std::to_string(sensor_->tcpPort()),
        "> automatic sending off",
        "> read identification",
        "< identification \"ORV-3CH SIM V1.0\"",
    };
    for (const std::string &m : ReadRows("parameters"))
        expected.push_back(m);
    std::vector<std::string> view = View();
    EXPECT_EQ(Meanings(view), expected);

    const size_t beforeGet = view.size();
    uitest::InjectEvent(mainpanel, MAINP_ButtonGet, EVENT_COMMIT);  // F10
    view = View();
    EXPECT_EQ(Meanings(view, beforeGet), ReadRows("parameters"));
    // A line: time, direction, the request's 18 words in hex, its meaning.
    EXPECT_NE(view[beforeGet].find("  >  0055 0003 "), std::string::npos) << view[beforeGet];

    const size_t beforeGo = view.size();
    PollMore(3);  // F11
    const std::vector<std::string> polled = Meanings(View(), beforeGo);
    ASSERT_GE(polled.size(), 6u);
    for (size_t i = 0; i + 1 < polled.size(); i += 2) {
        EXPECT_EQ(polled[i], "> read data frame");
        EXPECT_EQ(polled[i + 1], "< data frame");
    }
    EXPECT_EQ(linkTimeouts, 0u);
    // For the eye: the window during polling.
    PollMore(30);
    RefreshLinkLog();
    uitest::PanelWidget(linklogpanel)->grab().save(QString(ORVELLE_BUILD_DIR) + "/link-log-polling.png");
}

TEST_F(LinkLog, FaultsShowAsSuchAndAreCounted)
{
    StartSensorTcp();
    OpenProgram();
    ASSERT_EQ(comecho, 1);
    QWidget *window = uitest::PanelWidget(mainpanel);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_F8);  // the log's key
    ASSERT_EQ(linkLogOpen, 1);
    const unsigned timeouts = linkTimeouts, echoErrors = linkEchoErrors;
    size_t from = View().size();

    sim::FaultConfig f;
    f.wrongMarker = {true, 5};
    sensor_->setFaults(f);
    PollMore(2);
    std::vector<std::string> m = Meanings(View(), from);
    ASSERT_GE(m.size(), 2u);
    EXPECT_EQ(m[1], "< wrong marker 0x00AB");

    from += m.size();
    f = {};
    f.wrongEcho = {true, 1};
    sensor_->setFaults(f);
    uitest::InjectEvent(mainpanel, MAINP_ButtonSend, EVENT_COMMIT);
    m = Meanings(View(), from);
    ASSERT_GE(m.size(), 3u);
    EXPECT_EQ(m[0], "> write parameters");
    EXPECT_EQ(m[1], "< wrong marker 0x0055");
    EXPECT_EQ(m[2], "! wrong marker 0x0055 in the echo (write parameters)");
    EXPECT_EQ(linkEchoErrors, echoErrors + 1);

    from += m.size();
    f = {};
    f.noReply = {true, 5};
    sensor_->setFaults(f);
    uitest::InjectEvent(mainpanel, MAINP_ButtonGo, EVENT_COMMIT);
    m = Meanings(View(), from);
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0], "> read data frame");
    EXPECT_EQ(m[1], "< time-out after 3.0 s (0 of 36 bytes)");
    EXPECT_EQ(m[2], "! sensor did not answer within 3.0 s (read data frame)");
    EXPECT_EQ(linkTimeouts, timeouts + 1);

    RefreshLinkLog();
    unsigned shown = 0;
    GetCtrlVal(linklogpanel, LINKLOGP_DispTimeouts, &shown);
    EXPECT_EQ(shown, linkTimeouts);
    GetCtrlVal(linklogpanel, LINKLOGP_DispEchoErrors, &shown);
    EXPECT_EQ(shown, linkEchoErrors);
}

TEST_F(LinkLog, AHundredThousandFramesKeepTheLastTenThousandLines)
{
    WriteSettingsWithoutSensor();
    OpenProgram();
    OpenLinkLog();
    ClearLinkLog();
    RefreshLinkLog();
    constexpr int kFrames = 100000;
    order = 5;
    for (int i = 0; i < kFrames; ++i) {
        szWriteBuf[35] = static_cast<char>(i);
        LogRequest();
        if (i % 5000 == 4999)
            RefreshLinkLog();  // as the window's timer does meanwhile
    }
    ASSERT_EQ(LinkLogCount(), static_cast<unsigned long long>(kFrames));
    EXPECT_STREQ(LinkLogLine(kFrames - kLinkLogLines - 1), "");  // dropped from the ring
    EXPECT_STRNE(LinkLogLine(kFrames - kLinkLogLines), "");
    const std::vector<std::string> view = View();
    ASSERT_EQ(view.size(), static_cast<size_t>(kLinkLogLines));
    EXPECT_EQ(view.front(), LinkLogLine(kFrames - kLinkLogLines));
    EXPECT_EQ(view.back(), LinkLogLine(kFrames - 1));

    // Paused, the view stands still; released, it catches up.
    uitest::OperatorSetValue(linklogpanel, LINKLOGP_ButtonPauseLog, 1);
    LogNote("while paused");
    EXPECT_EQ(View().back(), LinkLogLine(kFrames - 1));
    uitest::OperatorSetValue(linklogpanel, LINKLOGP_ButtonPauseLog, 0);
    EXPECT_NE(View().back().find("while paused"), std::string::npos);

    // Saved: the kept lines, one per line.
    uitest::PushFileSelection(Path("link.txt"));
    uitest::InjectEvent(linklogpanel, LINKLOGP_ButtonSaveLog, EVENT_COMMIT);
    QFile saved(QString::fromStdString(Path("link.txt")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = saved.readAll().split('\n');
    EXPECT_EQ(lines.size(), kLinkLogLines + 1);  // the last line end leaves an empty rest
    EXPECT_EQ(lines.front().trimmed().toStdString(),
              std::string(LinkLogLine(kFrames + 1 - kLinkLogLines)));
}

}  // namespace
