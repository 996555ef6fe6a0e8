// A serial device that vanishes during a transfer: the transfer ends in
// TIMEOUT, the port is closed and the processor goes idle again.
#include <sys/resource.h>

#include "gui/link_test.h"
#include "platform/rs232/rs232.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::ProgramTest;

namespace {

double CpuSeconds()
{
    struct rusage u {};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

class PtyVanish : public ProgramTest {};

TEST_F(PtyVanish, FarEndClosedDuringTransferEndsInTimeoutWithPortClosed)
{
    StartSensorPty();
    OpenProgram();
    ASSERT_EQ(comecho, 1);
    sim::FaultConfig f;
    f.closeAfterFrames = 4;  // the far end goes away during the read
    sensor_->setFaults(f);
    sensor_->clearFrameLog();
    uitest::InjectEvent(mainpanel, MAINP_ButtonGet, EVENT_COMMIT);
    EXPECT_EQ(Status(), "TIMEOUT");
    EXPECT_EQ(comecho, 0);
    EXPECT_LT(GetInQLen(comport), 0);  // closed, not pretending to be open
    // Idle again: a second of event processing costs little processor time.
    const double cpu0 = CpuSeconds();
    PauseProcessingEvents(1.0);
    EXPECT_LT(CpuSeconds() - cpu0, 0.25);
}

}  // namespace
