// The recorder: frames of the sensor written to the record file at a fixed
// interval (mode 0 with a count, mode 1 without), one per press (mode 2), or
// as the sensor sends them on its trigger (mode 3). Each recorded frame also
// goes to the graph panel. The loops run inside their start callbacks and
// share the run flag poll with the live polling.
#pragma once

#include "gui/record_run.h"

namespace orvelle {

struct RecordEnd;

constexpr int kRecFixedCount = 0;  // EditSelectDataRec values
constexpr int kRecContinuous = 1;
constexpr int kRecManual = 2;
constexpr int kRecTriggered = 3;
constexpr int kRecRunningColor = 0xFF0000;  // a start button while its recording runs
constexpr int kRecIdleColor = 0xE0E0E0;

// Message texts of the recorder.
constexpr char kRecTitle[] = "ATTENTION!";
constexpr char kRecNoFileText[] = "No filename was choosen! \nRecording will not be done! ";
constexpr char kRecFileExistsText[] =
    "File already exist! \nDo you want to select existing file?";
constexpr char kRecRightFileText[] = "Are you sure, that you have selected the right file name?";
constexpr char kRecNotOpenedText[] =
    " Make sure, that the file is not opened by any other program."
    "                                    \n Otherwise it can not be saved.";
constexpr char kRecNotOpenedTrigText[] =
    " Make sure, that the file is not opened by any other program."
    "                                          \n Otherwise it can not be saved.";
constexpr char kRecSavedTitle[] = "INFO!";
constexpr char kRecSavedText[] = "File has been saved!";

// Shows the controls of the mode in EditSelectDataRec and hides those of the
// other modes; a value outside 0 to 3 changes nothing.
void InitRecordPanel();
// Reads EditInterval into zeitint and EditRecVal into anzwerte, shows the
// expected duration of a mode-0 recording (days, hours, minutes, seconds)
// and resets DispRecordedValues to 0 and DispRemaining to anzwerte.
void CalcRecTime();
// The file dialog for the record file. A new file, or an existing one the
// operator confirms, gets the header and goes into DispRecFile; the old
// lines of an existing one are first moved to the same name with ".bak"
// added (replacing an older backup), which the panel then says. A cancel,
// a refusal, a path too long, a folder or other non-file, or a file that
// cannot be written leaves DispRecFile and the files as they were; each
// says so in a popup.
void SelRecFile();
// The first line of DispRecFile into file_name. A path that does not fit
// file_name, or one naming a folder, FIFO or device, is refused with a
// popup: -1, and file_name is then "" . 0 otherwise.
int ReadRecordFileName();
// Puts the record file of the data folder into DispRecFile (start-up).
void ProposeRecordFile();

// Appends the line of the current values (ToFile); a line that cannot be
// written counts in reclost and shows on the panel at once.
void WriteRecordLine();
// reclost back to 0, the panel's lost-lines note hidden.
void ResetLostLines();
// Shows recdropped, the replies and frames that were no whole data frame,
// on the panel at once ("DROPPED: n").
void ShowDroppedFrames();
// recdropped back to 0, the panel's dropped-frames note hidden.
void ResetDroppedFrames();
// The closing message of a recording (FormatRecordEnd) in a popup; on the
// terminal instead when a termination signal ends the program, since nobody
// is there to close a popup.
void ShowRecordEnd(const RecordEnd *end);

// Modes 0 and 1 after the start button: confirmation, the loop, the
// closing popup. The caller dims the transfer controls around it.
void Record();
// The loop of modes 0 and 1 (RunTimedRecord, record_run.h): one requested
// frame per interval, written and shown, until poll is cleared, the count of
// cycles is reached or a reply times out (a time-out writes no line and ends
// the recording). A reply that came but is no data frame writes no line,
// counts as dropped and the recording goes on. The account goes to *end.
void RecordFrame(RecordEnd *end);
// Mode 3 after its start button: confirmation, the loop, the closing popup.
void StartTriggeredRecord();
// The loop of mode 3 (RunTriggeredRecord, record_run.h): automatic sending
// on; every whole data frame the sensor sends is written and shown,
// anything else is dropped and counted, until poll is cleared or the link is
// gone; then automatic sending off and the frames still arriving decided.
// The account goes to *end.
void TriggeredRecord(RecordEnd *end);
// Mode 2: the current values written once and added to the graph panel,
// when they are live; values of a failed link (stale) write nothing, and a
// popup says since when no frame has come. Nothing either when
// ReadRecordFileName refuses the path.
void RecordManually();

}  // namespace orvelle
