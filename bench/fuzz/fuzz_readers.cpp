// Random-input runs of the program's decoders and file readers: reply frames
// into the parameter block and the measurement variables, the parameter file,
// the connection settings file and the server history. Each input must be
// taken or refused whole, never crash, never write past the tables. Prints the inputs tried
// beside the failures allowed (0).
#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "app/callbacks.h"
#include "app/state.h"
#include "com232/conversions.h"
#include "com232/frame.h"
#include "combobox/combobox.h"
#include "gui/connection_settings.h"
#include "gui/server_history.h"
#include "platform/formatio/formatio.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

using namespace orvelle;

namespace {

constexpr int kRounds = 20000;
std::mt19937 rng(20261207);

int Byte() { return static_cast<int>(rng() & 0xFF); }

// Frames: random bytes, with a valid marker and command half of the time.
int FuzzFrames()
{
    int failures = 0;
    for (int i = 0; i < kRounds; ++i) {
        for (int k = 0; k < kLinkBufBytes; ++k)
            szReadBuf[k] = static_cast<char>(Byte());
        if (i % 2) {
            szReadBuf[0] = 0;
            szReadBuf[1] = static_cast<char>(0xAA);
            szReadBuf[2] = 0;
            szReadBuf[3] = static_cast<char>(3 + (i / 2) % 2);
        }
        const word guard = 0x5A5A;
        pp[202] = guard;
        GetRxBufPara();
        CopyPPtoVars();
        GetRxBufData();
        CopyDatatoVars();
        failures += pp[202] != guard || paraMaxNr > kVecCount;
    }
    return failures;
}

std::string RandomText(bool numeric)
{
    static const char kChars[] = "0123456789 \t\r\n-+,x";
    std::string s;
    const int n = static_cast<int>(rng() % 3000);
    for (int i = 0; i < n; ++i)
        s += numeric ? kChars[rng() % (sizeof kChars - 1)] : static_cast<char>(Byte());
    return s;
}

void WriteFileText(const std::string &path, const std::string &text)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
}

// Parameter files: either 202 values in range, or refused with the array untouched.
int FuzzParameterFiles(const std::string &dir)
{
    int failures = 0;
    const std::string path = dir + "/fuzz.ini";
    for (int i = 0; i < kRounds / 10; ++i) {
        WriteFileText(path, RandomText(i % 4 != 0));
        word image[kPpWords];
        std::fill(std::begin(image), std::end(image), word{0xBEEF});
        const int rc = FileToArray(path.c_str(), image, VAL_UNSIGNED_SHORT_INTEGER, 202, 1,
                                   VAL_GROUPS_TOGETHER, VAL_GROUPS_AS_COLUMNS, VAL_ASCII);
        bool untouched = true;
        for (int k = 0; k < kPpWords; ++k)
            untouched &= image[k] == 0xBEEF;
        if (rc < 0)
            failures += !untouched;
        else
            failures += image[202] != 0xBEEF;
    }
    return failures;
}

// Settings files: any content reads into the bounded texts, terminated.
int FuzzSettingsFiles(const std::string &dir)
{
    int failures = 0;
    std::snprintf(conSettingsFileName, sizeof conSettingsFileName, "%s/ComSettings.cfg", dir.c_str());
    for (int i = 0; i < kRounds / 10; ++i) {
        WriteFileText(conSettingsFileName, RandomText(i % 2 == 0));
        std::memset(ipBuf, 'x', sizeof ipBuf);
        std::memset(portNumStr, 'x', sizeof portNumStr);
        GetConnectionSettingsFromFile();
        failures += std::memchr(ipBuf, 0, sizeof ipBuf) == nullptr;
        failures += std::memchr(portNumStr, 0, sizeof portNumStr) == nullptr;
    }
    return failures;
}

// Server history files: any content loads at most ten entries of at most
// 99 bytes each into the combo box's list.
int FuzzHistoryFiles(const std::string &dir)
{
    RegisterOrvelleResource();
    RegisterOrvelleCallbacks();
    interfacepanel = LoadPanel(0, kUirFile, INTERFACEP);
    if (interfacepanel < 0)
        return 1;
    std::snprintf(ipComboBoxFileName, sizeof ipComboBoxFileName, "%s/IPComboBox.cfg",
                  dir.c_str());
    int failures = 0;
    for (int i = 0; i < kRounds / 10; ++i) {
        std::string text = RandomText(i % 2 == 0);
        if (i % 3 == 0)  // the size of a real file, random bytes in it
            text.resize(static_cast<std::size_t>(1010 + i % 11), '\0');
        WriteFileText(ipComboBoxFileName, text);
        InitServerHistory();
        const ComboRecord *combo = ComboRecordOf(interfacepanel, INTERFACEP_StringIpAdress);
        int count = 0;
        GetNumListItems(interfacepanel, combo->listCtrl, &count);
        failures += count > kHistoryMaxEntries;
        for (int k = 0; k < count; ++k) {
            int length = 0;
            GetValueLengthFromIndex(interfacepanel, combo->listCtrl, k, &length);
            failures += length > kHistoryEntryMaxText * 3;  // a byte may widen to a 3-byte U+FFFD
        }
        if (count > 0)
            Combo_DeleteComboItem(interfacepanel, INTERFACEP_StringIpAdress, 0, -1);
    }
    DiscardPanel(interfacepanel);
    return failures;
}

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InitStateValues();
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    struct Run { const char *name; int inputs; int failures; };
    const Run runs[] = {
        {"reply frames", kRounds, FuzzFrames()},
        {"parameter files", kRounds / 10, FuzzParameterFiles(d)},
        {"connection settings files", kRounds / 10, FuzzSettingsFiles(d)},
        {"server history files", kRounds / 10, FuzzHistoryFiles(d)},
    };
    bool ok = true;
    for (const Run &r : runs) {
        std::printf("%-28s %6d inputs %4d failures   limit 0   %s\n", r.name, r.inputs,
                    r.failures, r.failures == 0 ? "ok" : "OVER");
        ok &= r.failures == 0;
    }
    return ok ? 0 : 1;
}
