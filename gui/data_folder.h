// The folder where the program keeps its files.
#pragma once

#include "app/state.h"

namespace orvelle {

// The name of the program's folder in the user's data folder and under an
// installation's share/.
constexpr const char *kDataFolderName = "orvelle";
constexpr const char *kComSettingsFile = "ComSettings.cfg";
constexpr const char *kServerHistoryFile = "IPComboBox.cfg";

// The folder that holds "ComSettings.cfg", "IPComboBox.cfg", the proposed
// record file, and where the file dialogs open. It is the program's own
// directory when the program runs from a folder of its own that takes new
// files (the build folder, a portable copy). An installed program (its
// shared files in ../share/orvelle) or one whose directory cannot be written
// uses the user's data folder instead ($XDG_DATA_HOME/orvelle, normally
// ~/.local/share/orvelle), made on the first call. When that folder cannot be
// made either, the program's directory is given all the same, and saving
// there reports its own failure later. Writes dir without a trailing
// separator; returns 1 when dir is the user's folder, 0 otherwise.
int GetDataFolder(char (&dir)[kPathBytes]);

// Joins the data folder `folder`, the separator and `name` into path. Returns
// 0, or -1 when the result does not fit (path then holds "").
int DataFilePath(const char *folder, const char *name, char (&path)[kPathBytes]);

// proj_dir from GetDataFolder, and in it the full names of the settings
// files (conSettingsFileName, ipComboBoxFileName), joined with the
// platform's separator: a backslash would name a different file here.
void InitDataFilePaths();

}  // namespace orvelle
