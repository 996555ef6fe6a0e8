#include "gui/data_folder.h"

#include <cstdio>

#include "platform/utility/utility.h"

namespace orvelle {

int GetDataFolder(char (&dir)[kPathBytes])
{
    char programDir[kPathBytes] = "";
    GetProjectDir(programDir);
    char installed[kPathBytes];
    const bool usesOwn = GetInstalledDataDir(kDataFolderName, installed) == kUtilNotFound &&
                         programDir[0] != '\0' && DirectoryTakesFiles(programDir);
    if (!usesOwn && GetUserDataDir(kDataFolderName, dir) == 0)
        return 1;
    std::snprintf(dir, sizeof dir, "%s", programDir);
    return 0;
}

int DataFilePath(const char *folder, const char *name, char (&path)[kPathBytes])
{
    const int n = std::snprintf(path, sizeof path, "%s%s%s", folder, PathSeparator(), name);
    if (n < 0 || n >= static_cast<int>(sizeof path)) {
        path[0] = '\0';
        return -1;
    }
    return 0;
}

void InitDataFilePaths()
{
    GetDataFolder(proj_dir);
    DataFilePath(proj_dir, kServerHistoryFile, ipComboBoxFileName);
    DataFilePath(proj_dir, kComSettingsFile, conSettingsFileName);
}

}  // namespace orvelle
