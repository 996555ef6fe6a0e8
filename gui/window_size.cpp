#include "gui/window_size.h"

#include "app/state.h"
#include "gui/data_folder.h"
#include "platform/formatio/formatio.h"
#include "platform/userint/userint.h"

namespace orvelle {

namespace {

constexpr int kSizeValues = 4;     // main width, main height, big width, big height
constexpr int kFieldWidth = 5;
constexpr int kSmallestSide = 100; // pixels; anything below is no size a window had
constexpr int kLargestSide = 16384;

// Beside the connection settings.
void SizeFilePath(char (&path)[kPathBytes])
{
    char dir[kPathBytes] = "";
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
    SizeFilePath(path);
    int sizes[kSizeValues] = {};
    if (FileToArray(path, sizes, VAL_INTEGER, kSizeValues, 1, VAL_GROUPS_TOGETHER,
                    VAL_GROUPS_AS_COLUMNS, VAL_ASCII) < 0)
        return;
    Resize(mainpanel, sizes[0], sizes[1]);
    Resize(colbigpanel, sizes[2], sizes[3]);
}

void SaveWindowSizes()
{
    char path[kPathBytes];
    SizeFilePath(path);
    int sizes[kSizeValues] = {};
    SizeOf(mainpanel, &sizes[0], &sizes[1]);
    SizeOf(colbigpanel, &sizes[2], &sizes[3]);
    ArrayToFile(path, sizes, VAL_INTEGER, kSizeValues, 1, VAL_GROUPS_TOGETHER,
                VAL_GROUPS_AS_COLUMNS, VAL_CONST_WIDTH, kFieldWidth, VAL_ASCII, VAL_TRUNCATE);
}

}  // namespace orvelle
