// The line across the bottom of the main window that tells what the last
// transfer did and when, or what failed.
#pragma once

namespace orvelle {

// Shows "<text>, HH:MM:SS"; a failure in dark red.
void ShowTransferStatus(const char *text, int failed);
// After a parameter write (writing 1) or read (0) with the sensor: success
// names the target (RAM or EEPROM), a failure adds its reason (szReason).
void ReportSensorTransfer(int writing);
// After the parameter file was written (writing 1) or read (0): ok 1 names
// the file, ok 0 says that it failed and why (problem, may be null).
void ReportFileTransfer(int writing, int ok, const char *problem);

}  // namespace orvelle
