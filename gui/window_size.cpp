#include "gui/window_size.h"

#include <cstdio>

#include "app/state.h"
#include "gui/data_folder.h"
#include "gui/link_log_window.h"
#include "platform/formatio/formatio.h"
#include "platform/userint/userint.h"

namespace orvelle {

namespace {

// Main window, big display and link log, width and height each, then whether
// the link log was open. A file of an earlier version holds the first four.
constexpr int kSizeValues = 7;
constexpr int kEarlierSizeValues = 4;
constexpr int kFieldWidth = 5;
constexpr int kSmallestSide = 100; // pixels; anything below is no size a window had
constexpr int kLargestSide = 16384;

// Beside the connection settings. Loading comes before start-up has chosen
// proj_dir; saving goes to the folder start-up chose, so that a folder that
// turned read-only meanwhile gets its own file written in place.
void SizeFilePath(char (&path)[kPathBytes], bool saving)
{
    char dir[kPathBytes] = "";
    if (saving && proj_dir[0] != '\0')
        std::snprintf(dir, sizeof dir, "%s", proj_dir);
    else
        GetDataFolder(dir);
    DataFilePath(dir, kWindowSizeFile, path);
}

bool Plausible(int width, int height)
{
    return width >= kSmallestSide && width <= kLargestSide && height >= kSmallestSide &&
           height <= kLargestSide;
}

void Resize(int panel, int width, int height)
{
    if (!Plausible(width, height))
        return;
    SetPanelAttribute(panel, ATTR_WIDTH, width);
    SetPanelAttribute(panel, ATTR_HEIGHT, height);
}

void SizeOf(int panel, int *width, int *height)
{
    GetPanelAttribute(panel, ATTR_WIDTH, width);
    GetPanelAttribute(panel, ATTR_HEIGHT, height);
}

}  // namespace

void LoadWindowSizes()
{
    char path[kPathBytes];
    SizeFilePath(path, false);
    int sizes[kSizeValues] = {};
    int read = kSizeValues;
    if (FileToArray(path, sizes, VAL_INTEGER, kSizeValues, 1, VAL_GROUPS_TOGETHER,
                    VAL_GROUPS_AS_COLUMNS, VAL_ASCII) < 0) {
        read = kEarlierSizeValues;
        if (FileToArray(path, sizes, VAL_INTEGER, kEarlierSizeValues, 1, VAL_GROUPS_TOGETHER,
                        VAL_GROUPS_AS_COLUMNS, VAL_ASCII) < 0)
            return;
    }
    Resize(mainpanel, sizes[0], sizes[1]);
    Resize(colbigpanel, sizes[2], sizes[3]);
    if (read < kSizeValues)
        return;
    Resize(linklogpanel, sizes[4], sizes[5]);
    if (sizes[6] == 1)
        OpenLinkLog();  // it was open: the start-up's frames are logged too
}

void SaveWindowSizes()
{
    char path[kPathBytes];
    SizeFilePath(path, true);
    int sizes[kSizeValues] = {};
    SizeOf(mainpanel, &sizes[0], &sizes[1]);
    SizeOf(colbigpanel, &sizes[2], &sizes[3]);
    SizeOf(linklogpanel, &sizes[4], &sizes[5]);
    sizes[6] = linkLogOpen ? 1 : 0;
    ArrayToFile(path, sizes, VAL_INTEGER, kSizeValues, 1, VAL_GROUPS_TOGETHER,
                VAL_GROUPS_AS_COLUMNS, VAL_CONST_WIDTH, kFieldWidth, VAL_ASCII, VAL_TRUNCATE);
}

}  // namespace orvelle
