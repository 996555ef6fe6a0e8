#include "gui/record_view_files.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {

// The dialog may give a path longer than the program's buffers take; it is
// caught here and refused with a message instead of being cut off.
constexpr int kDialogPathBytes = 4096;
constexpr int kMessageBytes = kDialogPathBytes + 200;

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

// Copies a path the buffers take into path; refuses a longer one.
int TakePath(const char *chosen, char (&path)[kPathBytes])
{
    if (std::strlen(chosen) >= sizeof path) {
        char why[80];
        std::snprintf(why, sizeof why, "The path is too long (at most %d bytes):",
                      kPathBytes - 1);
        Refuse(why, chosen);
        return 0;
    }
    std::snprintf(path, sizeof path, "%s", chosen);
    return 1;
}

// What an existing name must be to be read or replaced: a plain file.
bool PlainOrMissing(const char *path)
{
    struct stat st {};
    return ::stat(path, &st) != 0 || S_ISREG(st.st_mode);
}

}  // namespace

int ChooseRecordToOpen(char (&path)[kPathBytes])
{
    // The recorder's file is where the last recording went.
    char recorder[kPathBytes] = "", folder[kPathBytes] = "";
    if (GetTextBoxLine(recpanel, RECP_DispRecFile, 0, recorder, sizeof recorder) >= 0)
        FolderOf(recorder, folder);
    char chosen[kDialogPathBytes] = "";
    if (FileSelectPopup(folder[0] ? folder : proj_dir, "*.dat", "*.dat", "OPEN RECORD FILE",
                        VAL_LOAD_BUTTON, 0, 0, 1, 0, chosen) != VAL_EXISTING_FILE_SELECTED)
        return 0;
    if (!PlainOrMissing(chosen)) {
        Refuse("This is no file that can be shown:", chosen);
        return 0;
    }
    return TakePath(chosen, path);
}

int ChooseSaveTarget(const char *proposed, const char *fileTypes, char (&path)[kPathBytes])
{
    char folder[kPathBytes] = "";
    FolderOf(gpRecordName, folder);
    char chosen[kDialogPathBytes] = "";
    const int picked = FileSelectPopup(folder[0] ? folder : proj_dir, proposed, fileTypes,
                                       "SAVE AS", VAL_SAVE_BUTTON, 0, 1, 1, 1, chosen);
    if (picked != VAL_EXISTING_FILE_SELECTED && picked != VAL_NEW_FILE_SELECTED)
        return 0;
    char recorder[kPathBytes] = "";
    GetTextBoxLine(recpanel, RECP_DispRecFile, 0, recorder, sizeof recorder);
    if (!PlainOrMissing(chosen)) {
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
    if (!TakePath(chosen, path))
        return 0;
    if (picked == VAL_EXISTING_FILE_SELECTED) {
        char text[kMessageBytes];
        std::snprintf(text, sizeof text, "The file exists. Replace it?\n%s", path);
        if (ConfirmPopup(kViewTitle, text) == 0)
            return 0;
    }
    return 1;
}

}  // namespace orvelle
