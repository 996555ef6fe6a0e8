#include "gui/param_file.h"

#include <cstdio>
#include <cstring>

#include "app/state.h"
#include "com232/conversions.h"
#include "gui/panel_binding.h"
#include "gui/transfer_status.h"
#include "platform/formatio/formatio.h"
#include "platform/userint/userint.h"

namespace orvelle {

namespace {

// Longest line of a parameter file worth reading: a value and its padding.
constexpr int kLineBytes = 80;

// What separates numbers for FileToArray.
bool IsGap(char c)
{
    return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\f' || c == '\v';
}

// Whether the file holds exactly anzpara values with no line holding more
// than one. FileToArray takes the first 202 numbers wherever they stand, so
// a file of another shape would load shifted or cut short without a word.
bool OneValuePerLine(const char *path)
{
    const int file = OpenFile(path, VAL_READ_ONLY, VAL_OPEN_AS_IS, VAL_ASCII);
    if (file < 0)
        return false;
    char line[kLineBytes + 1];
    int values = 0;
    bool fits = true;
    int n = 0;
    while (fits && (n = ReadLine(file, line, kLineBytes)) >= 0) {
        int fields = 0;
        for (int i = 0; i < n; ++i)
            if (!IsGap(line[i]) && (i == 0 || IsGap(line[i - 1])))
                ++fields;
        // A longer line is no padded value either.
        fits = fields <= 1 && n < kLineBytes;
        values += fields;
    }
    CloseFile(file);
    return fits && n == kFmtEndOfFile && values == anzpara;
}

int AskForParameterFile()
{
    return FileSelectPopup(proj_dir, "Parameter.ini", "*.ini", "Parameter", VAL_OK_BUTTON, 0, 0,
                           1, 1, file_name);
}

const char *ReadProblem(int code)
{
    switch (code) {
    case kFmtCannotOpen: return "The file cannot be opened.";
    case kFmtValueOutOfRange: return "It holds a value outside 0 to 65535.";
    case kFmtBadFormat: return "It does not hold 202 numbers, one per line.";
    default: return "The file cannot be read.";
    }
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
    const int result = ArrayToFile(file_name, pp, VAL_UNSIGNED_SHORT_INTEGER, anzpara, 1,
                                   VAL_GROUPS_TOGETHER, VAL_GROUPS_AS_COLUMNS, VAL_CONST_WIDTH,
                                   kParamFileFieldWidth, VAL_ASCII, VAL_TRUNCATE);
    if (result < 0) {
        char text[kPathBytes + 120];
        std::snprintf(text, sizeof text,
                      "The parameter file could not be saved:\n%s\nAn earlier file of that name "
                      "is unchanged.",
                      file_name);
        MessagePopup("ATTENTION!", text);
    }
    ReportFileTransfer(1, result >= 0, nullptr);
}

void ReadParaFromFile()
{
    if (AskForParameterFile() <= 0)
        return;
    word image[kPpWords];
    const int result = FileToArray(file_name, image, VAL_UNSIGNED_SHORT_INTEGER, anzpara, 1,
                                   VAL_GROUPS_TOGETHER, VAL_GROUPS_AS_COLUMNS, VAL_ASCII);
    if (result < 0 || !OneValuePerLine(file_name)) {
        const char *problem = ReadProblem(result < 0 ? result : kFmtBadFormat);
        ReportFileProblem("The parameter file could not be loaded:", problem);
        ReportFileTransfer(0, 0, problem);
        return;
    }
    std::memcpy(pp, image, sizeof(word) * anzpara);
    CopyFileParatoVars();
    SetPanelValues();
    InitEval();
    InitChannelMode();
    ReportFileTransfer(0, 1, nullptr);
}

}  // namespace orvelle
