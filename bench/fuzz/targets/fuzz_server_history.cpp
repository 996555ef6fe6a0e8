// Fuzz target: the reader of "IPComboBox.cfg". The input is the file; the
// server field's list is filled from it as at start-up. At most ten entries
// may load, none longer than a line of 100 bytes gives. A history the program wrote
// itself must read back as the list it wrote: committing the first entry
// rewrites the file, and reading that file again gives the same entries.
#include <string>
#include <vector>

#include "combobox/combobox.h"
#include "fuzz_support.h"
#include "gui/server_history.h"

using namespace orvelle;

namespace {

constexpr int kUtf8MaxWiden = 3;  // a stray byte reads as U+FFFD, three bytes

std::vector<std::string> ListEntries()
{
    const ComboRecord *combo = ComboRecordOf(interfacepanel, INTERFACEP_StringIpAdress);
    FUZZ_CHECK(combo != nullptr);
    int count = 0;
    GetNumListItems(interfacepanel, combo->listCtrl, &count);
    std::vector<std::string> entries;
    for (int k = 0; k < count; ++k) {
        int length = 0;
        GetValueLengthFromIndex(interfacepanel, combo->listCtrl, k, &length);
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        GetValueFromIndex(interfacepanel, combo->listCtrl, k, text.data(), text.size());
        text.resize(std::strlen(text.c_str()));
        entries.push_back(text);
    }
    return entries;
}

std::vector<std::string> LoadHistory()
{
    if (!ListEntries().empty())
        Combo_DeleteComboItem(interfacepanel, INTERFACEP_StringIpAdress, 0, -1);
    InitServerHistory();
    return ListEntries();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string &dir = orvfuzz::Setup();
    static bool ready = false;
    if (!ready) {
        interfacepanel = orvfuzz::ProgramPanel(INTERFACEP);
        FUZZ_CHECK(interfacepanel > 0);
        std::snprintf(ipComboBoxFileName, sizeof ipComboBoxFileName, "%s/IPComboBox.cfg",
                      dir.c_str());
        std::remove(ipComboBoxFileName);
        InitServerHistory();  // the combo box, its list empty
        ready = true;
    }
    orvfuzz::WriteFile(ipComboBoxFileName, data, size);
    const std::vector<std::string> loaded = LoadHistory();
    FUZZ_CHECK(loaded.size() <= static_cast<std::size_t>(kHistoryMaxEntries));
    for (const std::string &e : loaded)
        FUZZ_CHECK(!e.empty() && e.size() <= std::size_t{kHistoryEntryBytes} * kUtf8MaxWiden);
    if (loaded.empty())
        return 0;
    SetCtrlVal(interfacepanel, INTERFACEP_StringIpAdress, loaded.front().c_str());
    if (UpdateServerHistory() != 0)
        return 0;
    const std::vector<std::string> kept = ListEntries();
    // Bytes that are no UTF-8 show as U+FFFD, three bytes each, and an entry
    // so widened past 99 bytes is cut when written; every other entry must
    // come back as it was.
    const std::vector<std::string> again = LoadHistory();
    FUZZ_CHECK(again.size() == kept.size());
    for (std::size_t i = 0; i < kept.size(); ++i)
        if (kept[i].size() <= std::size_t{kHistoryEntryMaxText})
            FUZZ_CHECK(again[i] == kept[i]);
    return 0;
}
