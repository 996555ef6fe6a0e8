// The graph panel's view of a record file: its switched-on signals over
// the recording's time in one graph, in place of the recorded frames until
// the operator returns to them. The recorder keeps feeding the hidden graphs
// of the recorded frames meanwhile.
#pragma once

namespace orvelle {

// Asks for a record file and shows it (ShowRecordFile).
void OpenRecordView();
// Reads the file at path and shows it in place of the recorded frames or
// of the file shown before, the whole recording in view and the cursor on
// its first line. Lines that are not record lines are named in one
// message. A file that cannot be read, or holds no record line, leaves the
// panel as it was and says why. 0, or -1 when nothing new is shown.
int ShowRecordFile(const char *path);
// Back to the recorded frames; the file's data is let go.
void ShowRecordedFrames();
// Draws the signals whose switches are on, keeping the view.
void ShowRecordSignals();
// Puts cursor 1 on the line nearest to it and shows that line's date,
// time, file line and values.
void ShowRecordCursor();
// Saves the graph as shown as a PNG, or the lines in view as a record
// file, into a file the operator chooses.
void SaveRecordPicture();
void SaveRecordLines();

}  // namespace orvelle
