// Where the file dialogs open: in the folder of the file last chosen for
// that kind of file (parameter files, record files, pictures, texts), kept
// across runs in "DialogFolders.cfg" beside the settings.
#pragma once

#include "app/state.h"

namespace orvelle {

constexpr const char *kDialogFoldersFile = "DialogFolders.cfg";

// Reads the folders of the last run (from proj_dir); lines that name no
// folder are left empty. A missing or unreadable file leaves every kind empty.
void LoadDialogFolders();
// The folder a dialog for kind opens in: the one last chosen for it while
// it still exists, else fallback (proj_dir when null or empty).
const char *DialogFolder(int kind, const char *fallback = nullptr);
// A file of kind was chosen at path: its folder is where the next dialog
// for that kind opens. The file is rewritten when the folder changed; a file
// that cannot be written is passed over quietly, the folder still holds for
// this run.
void NoteChosenFile(int kind, const char *path);

}  // namespace orvelle
