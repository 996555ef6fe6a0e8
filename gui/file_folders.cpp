#include "gui/file_folders.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "gui/data_folder.h"
#include "platform/formatio/formatio.h"

namespace orvelle {

namespace {

bool IsFolder(const char *path)
{
    struct stat st {};
    return path[0] != '\0' && ::stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

void FoldersFilePath(char (&path)[kPathBytes])
{
    DataFilePath(proj_dir, kDialogFoldersFile, path);
}

void SaveDialogFolders()
{
    char path[kPathBytes];
    FoldersFilePath(path);
    if (path[0] == '\0')
        return;
    const int file = OpenFile(path, VAL_WRITE_ONLY, VAL_TRUNCATE, VAL_ASCII);
    if (file < 0)
        return;
    for (int kind = 0; kind < kFileKinds; ++kind)
        WriteLine(file, dialogFolder[kind], -1);
    CloseFile(file);
}

}  // namespace

void LoadDialogFolders()
{
    for (auto &folder : dialogFolder)
        folder[0] = '\0';
    char path[kPathBytes];
    FoldersFilePath(path);
    if (path[0] == '\0')
        return;
    const int file = OpenFile(path, VAL_READ_ONLY, VAL_OPEN_AS_IS, VAL_ASCII);
    if (file < 0)
        return;
    char line[kPathBytes + 1];
    for (int kind = 0; kind < kFileKinds; ++kind) {
        const int n = ReadLine(file, line, kPathBytes);
        // A line cut at the buffer's end names some other folder.
        if (n > 0 && n < kPathBytes && IsFolder(line))
            std::memcpy(dialogFolder[kind], line, static_cast<std::size_t>(n) + 1);
    }
    CloseFile(file);
}

const char *DialogFolder(int kind, const char *fallback)
{
    if (kind >= 0 && kind < kFileKinds && IsFolder(dialogFolder[kind]))
        return dialogFolder[kind];
    return fallback && fallback[0] ? fallback : proj_dir;
}

void NoteChosenFile(int kind, const char *path)
{
    if (kind < 0 || kind >= kFileKinds || !path)
        return;
    const char *slash = std::strrchr(path, '/');
    if (!slash)
        return;
    char folder[kPathBytes];
    const std::size_t n = slash == path ? 1 : static_cast<std::size_t>(slash - path);
    if (n >= sizeof folder)
        return;
    std::memcpy(folder, path, n);
    folder[n] = '\0';
    if (std::strcmp(folder, dialogFolder[kind]) == 0)
        return;
    std::memcpy(dialogFolder[kind], folder, n + 1);
    SaveDialogFolders();
}

}  // namespace orvelle
