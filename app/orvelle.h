// The program's entry point and its start and end, split so that tests can
// run the start-up without the event loop.
#pragma once

namespace orvelle {

// Loads the eight panels, places and shows them, and runs InitAll; from now
// on SIGTERM and SIGINT end the program as closing its window does.
// Returns 0, or -1 when a panel cannot be loaded.
int OpenProgram();
// Closes an open TCP connection and discards the panels; the termination
// signals are the system's again.
void CloseProgram();
// Ends the program: the event loop stops, or, when the window was closed
// before the loop started (during the first connection attempt), it never
// starts. quitting becomes 1, so a read in progress ends after its exchange.
void EndProgram();
// The main window's close: a running loop ends at its next turn (poll 0), a
// write to the sensor finishes first and the transfer line says so, then
// EndProgram.
void CloseMainWindow();
// Runs the event loop until the main window is closed.
void RunEventLoop();
// The entry point: OpenProgram, the event loop until the main panel is
// closed, CloseProgram. Returns 0, or -1 when start-up failed.
int WinMain();

}  // namespace orvelle
