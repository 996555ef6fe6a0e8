// The files the graph panel's record view opens and saves: one place for
// the dialogs and for what is refused before a file is touched (a path
// longer than the program's path buffers, which the dialog itself refuses;
// a FIFO, a device or a folder; the file being shown; the recorder's file;
// a file or folder the user may not write). Each refusal is a message.
#pragma once

#include "app/state.h"

namespace orvelle {

constexpr char kViewTitle[] = "ATTENTION!";
constexpr char kViewDoneTitle[] = "INFO!";

// Asks for a record file to show, in the folder a record file was last
// chosen in (else the recorder's file's). 1 with path set; 0 when the
// operator cancels or the path is refused (after its message).
int ChooseRecordToOpen(char (&path)[kPathBytes]);

// Asks for a file of kind (kPictureFiles, kRecordFiles) to save into,
// proposing `proposed` and the types `fileTypes` ("*.png"), in the folder
// that kind was last chosen in (else the folder of the file shown). An
// existing file is replaced only after the operator agreed. 1 with path set;
// 0 when the operator cancels, declines or the path is refused (after its
// message).
int ChooseSaveTarget(int kind, const char *proposed, const char *fileTypes,
                     char (&path)[kPathBytes]);

}  // namespace orvelle
