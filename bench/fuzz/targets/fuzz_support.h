// Shared by the coverage-guided fuzz targets: the checks that end a run with
// a finding, the headless Qt application the readers need, a scratch folder
// for the files they read, and the program's panels.
#pragma once

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/callbacks.h"
#include "app/orvelle.h"
#include "app/state.h"
#include "platform/testing/testing.h"
#include "platform/utility/utility.h"
#include "platform/userint/userint.h"
#include "ui/orvelle_uir.h"

// A broken promise of the code under test: printed, then the run aborts so
// the fuzzer keeps the input.
#define FUZZ_CHECK(cond)                                                           \
    do {                                                                           \
        if (!(cond)) {                                                             \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                          \
        }                                                                          \
    } while (0)

namespace orvfuzz {

inline void WriteFile(const std::string &path, const uint8_t *data, size_t size)
{
    FILE *f = std::fopen(path.c_str(), "wb");
    FUZZ_CHECK(f != nullptr);
    if (size > 0)
        std::fwrite(data, 1, size, f);
    std::fclose(f);
}

// The application object and a scratch folder, made once per process.
inline const std::string &Setup()
{
    static std::string dir;
    if (dir.empty()) {
        // Destroyed at the process's end, so the folder goes with it; the
        // application is never destroyed and must not own it.
        static QTemporaryDir scratch(QDir::tempPath() + "/orvelle-fuzz-XXXXXX");
        dir = scratch.path().toStdString();
        // Qt makes a run-time folder in the temporary folder when none is set.
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(dir));
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fuzz";
        static char *argv[] = {name, nullptr};
        static QApplication *app = new QApplication(argc, argv);
        (void)app;
        orvelle::InitStateValues();
        uitest::ScriptPopups(true);
    }
    return dir;
}

// The whole program, started once without a sensor: its connection attempt
// goes to a TCP port where nothing listens and fails at once.
inline void OpenProgramOffline()
{
    static bool open = false;
    if (open)
        return;
    const std::string &dir = Setup();
    SetProjectDirOverride(dir.c_str());
    const char settings[] = "1\r\n1\r\n127.0.0.1\r\n1\r\n";
    WriteFile(dir + "/ComSettings.cfg", reinterpret_cast<const uint8_t *>(settings),
              sizeof settings - 1);
    FUZZ_CHECK(orvelle::OpenProgram() == 0);
    open = true;
}

// Loads one of the program's panels once; its handle.
inline int ProgramPanel(int resourceId)
{
    static bool registered = false;
    if (!registered) {
        RegisterOrvelleResource();
        orvelle::RegisterOrvelleCallbacks();
        registered = true;
    }
    return LoadPanel(0, kUirFile, resourceId);
}

// Whether a fixed buffer holds a terminated text.
template <std::size_t N> bool Terminated(const char (&text)[N])
{
    return std::memchr(text, 0, N) != nullptr;
}

}  // namespace orvfuzz
