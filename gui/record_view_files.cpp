#include "gui/record_view_files.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "gui/file_folders.h"
#include "platform/formatio/formatio.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {

constexpr int kMessageBytes = kPathBytes + 200;

void Refuse(const char *why, const char *path)
{
    char text[kMessageBytes];
    std::snprintf(text, sizeof text, "%s\n%s", why, path);
    MessagePopup(kViewTitle, text);
}

// The folder of path (up to its last separator), or "" when it has none.
void FolderOf(const char *path, char (&folder)[kPathBytes])
{
    std::snprintf(folder, sizeof folder, "%s", path);
    char *slash = std::strrchr(folder, '/');
    if (slash)
        *slash = '\0';
    else
        folder[0] = '\0';
}

// Both name the same existing file.
bool SameFile(const char *a, const char *b)
{
    struct stat sa {}, sb {};
    return *a && *b && ::stat(a, &sa) == 0 && ::stat(b, &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

}  // namespace

int ChooseRecordToOpen(char (&path)[kPathBytes])
{
    // The recorder's file is where the last recording went.
    char recorder[kPathBytes] = "", folder[kPathBytes] = "";
    if (GetTextBoxLine(recpanel, RECP_DispRecFile, 0, recorder, sizeof recorder) >= 0)
        FolderOf(recorder, folder);
    // A path too long for the buffer is refused by the dialog with its message.
    char chosen[kPathBytes] = "";
    if (FileSelectPopup(DialogFolder(kRecordFiles, folder), "*.dat", "*.dat", "OPEN RECORD FILE",
                        VAL_LOAD_BUTTON, 0, 0, 1, 0, chosen) != VAL_EXISTING_FILE_SELECTED)
        return 0;
    NoteChosenFile(kRecordFiles, chosen);
    if (CheckFileAccess(chosen, 0) == kFmtNotAFile) {
        Refuse("This is no file that can be shown:", chosen);
        return 0;
    }
    std::memcpy(path, chosen, sizeof path);
    return 1;
}

int ChooseSaveTarget(int kind, const char *proposed, const char *fileTypes,
                     char (&path)[kPathBytes])
{
    char folder[kPathBytes] = "";
    FolderOf(gpRecordName, folder);
    char chosen[kPathBytes] = "";
    const int picked = FileSelectPopup(DialogFolder(kind, folder), proposed, fileTypes,
                                       "SAVE AS", VAL_SAVE_BUTTON, 0, 1, 1, 1, chosen);
    if (picked != VAL_EXISTING_FILE_SELECTED && picked != VAL_NEW_FILE_SELECTED)
        return 0;
    NoteChosenFile(kind, chosen);
    char recorder[kPathBytes] = "";
    GetTextBoxLine(recpanel, RECP_DispRecFile, 0, recorder, sizeof recorder);
    const int access = CheckFileAccess(chosen, 1);
    if (access == kFmtNotAFile) {
        Refuse("This is no file that can be written:", chosen);
        return 0;
    }
    if (SameFile(chosen, gpRecordName)) {
        Refuse("This is the file shown; it is only read. Choose another name:", chosen);
        return 0;
    }
    if (SameFile(chosen, recorder)) {
        Refuse("This is the recorder's file. Choose another name:", chosen);
        return 0;
    }
    if (access < 0) {
        Refuse("This file cannot be written here. Choose another name or folder:", chosen);
        return 0;
    }
    if (picked == VAL_EXISTING_FILE_SELECTED) {
        char text[kMessageBytes];
        std::snprintf(text, sizeof text, "The file exists. Replace it?\n%s", chosen);
        if (ConfirmPopup(kViewTitle, text) == 0)
            return 0;
    }
    std::memcpy(path, chosen, sizeof path);
    return 1;
}

}  // namespace orvelle
