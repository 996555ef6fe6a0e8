#include "gui/param_file.h"

#include <cstdio>
#include <cstring>

#include "app/state.h"
#include "com232/conversions.h"
#include "gui/file_folders.h"
#include "gui/panel_binding.h"
#include "gui/param_file_io.h"
#include "gui/transfer_status.h"
#include "gui/unsent_changes.h"
#include "platform/formatio/formatio.h"
#include "platform/userint/userint.h"

namespace orvelle {

namespace {

int AskForParameterFile()
{
    const int chosen = FileSelectPopup(DialogFolder(kParameterFiles), "Parameter.ini", "*.ini",
                                       "Parameter", VAL_OK_BUTTON, 0, 0, 1, 1, file_name);
    if (chosen > 0)
        NoteChosenFile(kParameterFiles, file_name);
    return chosen;
}

void ReportFileProblem(const char *what, const char *problem)
{
    char text[kPathBytes + 200];
    std::snprintf(text, sizeof text, "%s\n%s\n%s\nThe parameters were not changed.", what,
                  file_name, problem);
    MessagePopup("ATTENTION!", text);
}

}  // namespace

void SendParaToFile()
{
    if (AskForParameterFile() <= 0)
        return;
    GetPanelValues();
    CopyVarsToPP();
    const int result = WriteParamFile(file_name, pp);
    if (result < 0) {
        char text[kPathBytes + 120];
        std::snprintf(text, sizeof text,
                      "The parameter file could not be saved:\n%s\nAn earlier file of that name "
                      "is unchanged.",
                      file_name);
        MessagePopup("ATTENTION!", text);
    } else {
        TakeSentSet(pp);
    }
    ReportFileTransfer(1, result >= 0, nullptr);
}

void ReadParaFromFile()
{
    if (AskForParameterFile() <= 0)
        return;
    word image[kPpWords];
    const int result = ReadParamFile(file_name, image);
    if (result < 0) {
        const char *problem = ParamFileProblem(result);
        ReportFileProblem("The parameter file could not be loaded:", problem);
        ReportFileTransfer(0, 0, problem);
        return;
    }
    char replacing[kPathBytes + 40];
    std::snprintf(replacing, sizeof replacing, "Loading %s reads the file's values",
                  std::strrchr(file_name, '/') ? std::strrchr(file_name, '/') + 1 : file_name);
    if (!AskBeforeReplacingUnsent(replacing, "No leaves the panels as they are.")) {
        ShowTransferStatus("Parameter file not loaded: the panels keep what was not sent", 0);
        return;
    }
    std::memcpy(pp, image, sizeof(word) * anzpara);
    CopyFileParatoVars();
    SetPanelValues();
    InitEval();
    InitChannelMode();
    TakeShownSet();
    ReportFileTransfer(0, 1, nullptr);
}

}  // namespace orvelle
