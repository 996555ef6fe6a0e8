// Fuzz target: the parameter file reader. The input is the file; the
// program, started without a sensor, loads it through the FILE target as
// the operator's Get does. A file it refuses must leave the parameter set
// as it was; a file it takes must hold 202 plain decimal numbers up to
// 65535, one per line, and those are then the set's image.
#include <algorithm>
#include <cstring>
#include <vector>

#include "com232/conversions.h"
#include "fuzz_support.h"
#include "gui/panel_binding.h"
#include "gui/param_file.h"

using namespace orvelle;

namespace {

constexpr int kValues = 202;
constexpr long kMaxValue = 65535;
constexpr char kRefusal[] = "The parameter file could not be loaded:";

// The numbers of the file read the simplest way: every line holds at most
// one run of digits, a plus sign allowed before it, between blanks; false
// for anything else.
bool PlainValues(const uint8_t *data, size_t size, std::vector<long> *values)
{
    auto gap = [](uint8_t c) {
        return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\f' || c == '\v';
    };
    size_t i = 0;
    while (i < size) {
        size_t end = i;
        while (end < size && data[end] != '\n')
            ++end;
        int fields = 0;
        for (size_t k = i; k < end;) {
            if (gap(data[k])) {
                ++k;
                continue;
            }
            long v = 0;
            if (data[k] == '+' && k + 1 < end && !gap(data[k + 1]))
                ++k;
            for (; k < end && !gap(data[k]); ++k) {
                if (data[k] < '0' || data[k] > '9')
                    return false;
                v = v * 10 + (data[k] - '0');
                if (v > kMaxValue)
                    return false;
            }
            values->push_back(v);
            ++fields;
        }
        if (fields > 1)
            return false;
        i = end + 1;
    }
    return values->size() == kValues;
}

// The parameter set as the panels hold it, as an image.
std::vector<word> PanelImage()
{
    GetPanelValues();
    CopyVarsToPP();
    return std::vector<word>(pp, pp + kValues);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    orvfuzz::OpenProgramOffline();
    const std::string path = orvfuzz::Setup() + "/fuzz.ini";
    orvfuzz::WriteFile(path, data, size);
    const std::vector<word> before = PanelImage();
    uitest::ClearPopupLog();
    uitest::PushFileSelection(path);
    ReadParaFromFile();
    const auto &log = uitest::PopupLog();
    // Warnings about the values loaded may follow a read; a refusal says so.
    const bool refused = std::any_of(log.begin(), log.end(), [](const uitest::PopupRecord &r) {
        return r.text.rfind(kRefusal, 0) == 0;
    });
    if (refused) {
        FUZZ_CHECK(PanelImage() == before);
        return 0;
    }
    std::vector<long> values;
    FUZZ_CHECK(PlainValues(data, size, &values));
    for (int i = 0; i < kValues; ++i)
        FUZZ_CHECK(pp[i] == values[static_cast<size_t>(i)]);
    return 0;
}
