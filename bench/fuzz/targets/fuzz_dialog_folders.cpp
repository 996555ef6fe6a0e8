// Fuzz target: the reader of "DialogFolders.cfg". The input is the file; it
// is read as at start-up. Every kind must end with a folder that exists, or
// none, each text terminated inside its buffer; the folder a dialog is then
// given is one of those or the program's folder.
#include <sys/stat.h>

#include "fuzz_support.h"
#include "gui/file_folders.h"

using namespace orvelle;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string &dir = orvfuzz::Setup();
    std::snprintf(proj_dir, sizeof proj_dir, "%s", dir.c_str());
    orvfuzz::WriteFile(dir + "/" + kDialogFoldersFile, data, size);
    LoadDialogFolders();
    for (int kind = 0; kind < kFileKinds; ++kind) {
        FUZZ_CHECK(orvfuzz::Terminated(dialogFolder[kind]));
        struct stat st {};
        FUZZ_CHECK(dialogFolder[kind][0] == '\0' ||
                   (::stat(dialogFolder[kind], &st) == 0 && S_ISDIR(st.st_mode)));
        const char *folder = DialogFolder(kind);
        FUZZ_CHECK(folder == dialogFolder[kind] || folder == proj_dir);
    }
    return 0;
}
