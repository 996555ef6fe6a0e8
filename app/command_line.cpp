#include "app/command_line.h"

#include <cstring>

namespace orvelle {

namespace {

constexpr const char *kVersionText = "orvelle " ORVELLE_VERSION "\n";

constexpr const char *kUsageText =
    "Usage: orvelle [--help | --version] [toolkit options]\n"
    "\n"
    "The operator program of the three-channel optical sensor: parameters and\n"
    "teach table to and from the sensor's RAM, its EEPROM or a file, live data,\n"
    "and recording, over a serial port or TCP/IP. It opens one window.\n"
    "\n"
    "  -h, --help     show this text and end\n"
    "      --version  show the version and end\n"
    "\n"
    "The connection settings (ComSettings.cfg) and the server history\n"
    "(IPComboBox.cfg) are kept in the program's own folder when it runs from a\n"
    "folder it can write (a build or a portable copy). Installed, or where its\n"
    "folder is read-only, it keeps them in the user's data folder,\n"
    "$XDG_DATA_HOME/orvelle (normally ~/.local/share/orvelle). The file dialogs\n"
    "start in the same folder.\n"
    "\n"
    "Each COM port number stands for a serial device, as the interface panel\n"
    "shows; ORVELLE_COM<n>=DEVICE makes COM<n> use another device.\n"
    "Toolkit options such as -platform offscreen or -display :1 are passed on.\n";

}  // namespace

int AnswerCommandLine(int argc, const char *const *argv, std::FILE *out)
{
    for (int i = 1; i < argc && argv[i]; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs(kVersionText, out);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsageText, out);
            return 0;
        }
    }
    return -1;
}

}  // namespace orvelle
