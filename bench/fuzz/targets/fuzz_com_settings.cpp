// Fuzz target: the reader of "ComSettings.cfg". The input is the file; it is
// read into the variables and the interface panel as at start-up, and the
// panel's rule for what it shows is applied. The texts must stay inside
// their buffers, terminated. A file the program wrote itself must read back
// to the same settings: saving what was read, reading that and saving again
// gives the same file.
#include <fstream>
#include <iterator>

#include "fuzz_support.h"
#include "gui/connection_settings.h"
#include "gui/server_history.h"

using namespace orvelle;

namespace {

std::string FileText(const char *path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void ReadSettings()
{
    GetConnectionSettingsFromFile();
    FUZZ_CHECK(orvfuzz::Terminated(ipBuf) && orvfuzz::Terminated(portNumStr));
    InitConnectPanel();
    portNum = ParseLeadingInt(portNumStr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string &dir = orvfuzz::Setup();
    static bool ready = false;
    if (!ready) {
        interfacepanel = orvfuzz::ProgramPanel(INTERFACEP);
        FUZZ_CHECK(interfacepanel > 0);
        std::snprintf(ipComboBoxFileName, sizeof ipComboBoxFileName, "%s/none.cfg", dir.c_str());
        InitServerHistory();
        std::snprintf(conSettingsFileName, sizeof conSettingsFileName, "%s/ComSettings.cfg",
                      dir.c_str());
        ready = true;
    }
    orvfuzz::WriteFile(conSettingsFileName, data, size);
    ReadSettings();
    FUZZ_CHECK(SaveCommunicationSettings() == 0);
    const std::string written = FileText(conSettingsFileName);
    ReadSettings();
    FUZZ_CHECK(SaveCommunicationSettings() == 0);
    FUZZ_CHECK(FileText(conSettingsFileName) == written);
    return 0;
}
