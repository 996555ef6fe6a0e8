#include "gui/server_history.h"

#include <cstdio>
#include <cstring>

#include "app/state.h"
#include "combobox/combobox.h"
#include "platform/formatio/formatio.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

namespace orvelle {

namespace {

constexpr int kHistoryFrameColor = 0xE0E0E0;
// Bytes per entry in the file with the shortest line end; a file written
// with CR LF (102 per entry) gives the same count up to 100 entries.
constexpr long kHistoryLineBytes = kHistoryEntryBytes + 1;

// Whether a line read from the file is an entry: its text (up to the first
// NUL) has no control bytes and only NUL bytes follow it. Anything else is
// no entry the program or an editor wrote, and is left out.
bool IsEntry(const char *line, int length)
{
    int i = 0;
    for (; i < length && line[i] != '\0'; ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (c < 0x20 || c == 0x7F)
            return false;
    }
    for (; i < length; ++i)
        if (line[i] != '\0')
            return false;
    return true;
}

int HistoryListCtrl()
{
    const ComboRecord *combo = ComboRecordOf(interfacepanel, INTERFACEP_StringIpAdress);
    return combo ? combo->listCtrl : 0;
}

// Writes every entry of the list as 100 bytes (text, then NUL bytes) and a
// line end. The old file stays unless all of it was written.
int WriteHistoryFile(int listCtrl)
{
    int count = 0;
    GetNumListItems(interfacepanel, listCtrl, &count);
    const int file = OpenFile(ipComboBoxFileName, VAL_WRITE_ONLY, VAL_TRUNCATE, VAL_ASCII);
    if (file < 0)
        return -1;
    bool written = true;
    char entry[kHistoryEntryBytes];
    for (int i = 0; i < count; ++i) {
        std::memset(entry, 0, sizeof entry);
        GetValueFromIndex(interfacepanel, listCtrl, i, entry, sizeof entry);
        written = WriteLine(file, entry, kHistoryEntryBytes) >= 0 && written;
    }
    const bool closed = CloseFile(file) == 0;
    return written && closed ? 0 : -1;
}

}  // namespace

void InitServerHistory()
{
    Combo_NewComboBox(interfacepanel, INTERFACEP_StringIpAdress);
    Combo_SetComboAttribute(interfacepanel, INTERFACEP_StringIpAdress, ATTR_COMBO_FRAME_COLOR,
                            kHistoryFrameColor);
    historyUnsaved = 0;
    long size = 0;
    if (GetFileInfo(ipComboBoxFileName, &size) != 1)
        return;
    const int file = OpenFile(ipComboBoxFileName, VAL_READ_ONLY, VAL_OPEN_AS_IS, VAL_ASCII);
    if (file < 0)
        return;
    // More than ten entries are none the program wrote; a huge file must not
    // hold up the start.
    long entries = size / kHistoryLineBytes;
    if (entries > kHistoryMaxEntries)
        entries = kHistoryMaxEntries;
    char line[kHistoryEntryBytes + 1];
    for (long i = 0; i < entries; ++i) {
        const int length = ReadLine(file, line, kHistoryEntryBytes);
        if (length < 0)
            break;
        // The entry's text ends at its first NUL byte.
        if (line[0] != '\0' && IsEntry(line, length))
            Combo_InsertComboItem(interfacepanel, INTERFACEP_StringIpAdress, -1, line);
    }
    CloseFile(file);
}

int UpdateServerHistory()
{
    GetCtrlVal(interfacepanel, INTERFACEP_StringIpAdress, ipBuf);
    const int listCtrl = HistoryListCtrl();
    if (listCtrl <= 0 || std::strlen(ipBuf) > static_cast<std::size_t>(kHistoryEntryMaxText))
        return 0;
    int index = -1;
    Combo_GetIndexFromValue(interfacepanel, INTERFACEP_StringIpAdress, &index, ipBuf);
    if (index >= 0)
        Combo_DeleteComboItem(interfacepanel, INTERFACEP_StringIpAdress, index, 1);
    Combo_InsertComboItem(interfacepanel, INTERFACEP_StringIpAdress, 0, ipBuf);
    int count = 0;
    GetNumListItems(interfacepanel, listCtrl, &count);
    if (count > kHistoryMaxEntries)
        Combo_DeleteComboItem(interfacepanel, INTERFACEP_StringIpAdress, kHistoryMaxEntries, -1);
    if (WriteHistoryFile(listCtrl) == 0)
        return 0;
    // Once a run: the list still works, and every commit would say it again.
    if (!historyUnsaved) {
        historyUnsaved = 1;
        char text[kPathBytes + 120];
        std::snprintf(text, sizeof text,
                      "The server list could not be saved:\n%s\nIt is kept until the program "
                      "ends.",
                      ipComboBoxFileName);
        MessagePopup("ATTENTION!", text);
    }
    return -1;
}

}  // namespace orvelle
