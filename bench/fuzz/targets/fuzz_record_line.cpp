// Fuzz target: the record file writer's formatting, fed random frames. The
// input's first 36 bytes are a data frame, decoded as the polling and
// recording loops decode it; the rest gives the date and time texts. The
// line must be the date, the time and the eight values as plain numbers,
// tab-separated, ending CR LF, with no other control character, and the
// values must read back as the frame's words.
#include <cstdlib>
#include <string>

#include "com232/conversions.h"
#include "com232/frame.h"
#include "fuzz_support.h"
#include "gui/record_file.h"
#include "platform/utility/utility.h"

using namespace orvelle;

namespace {

constexpr int kFrameValueWords[kRecordValues] = {2, 3, 4, 5, 6, 7, 8, 9};  // CH_L .. TEMP
constexpr char kCanary = '\x7E';

void CheckLine(const word values[kRecordValues], const char *date, const char *time)
{
    char line[kRecordLineBytes + 1];
    std::memset(line, kCanary, sizeof line);
    const int n = FormatRecordLine(values, date, time, line, kRecordLineBytes);
    FUZZ_CHECK(n > 0 && n < kRecordLineBytes && line[n] == '\0' && line[kRecordLineBytes] == kCanary);
    FUZZ_CHECK(n >= 2 && line[n - 2] == '\r' && line[n - 1] == '\n');
    std::vector<std::string> fields(1);
    for (int i = 0; i < n - 2; ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (c == '\t')
            fields.emplace_back();
        else
            fields.back() += static_cast<char>(c);
        FUZZ_CHECK(c == '\t' || (c >= 0x20 && c != 0x7F));
    }
    FUZZ_CHECK(fields.size() == 2 + kRecordValues);
    FUZZ_CHECK(fields[0].size() <= kRecordDateChars && fields[1].size() <= kRecordTimeChars);
    for (int i = 0; i < kRecordValues; ++i) {
        const std::string &f = fields[2 + static_cast<std::size_t>(i)];
        FUZZ_CHECK(!f.empty() && f.find_first_not_of("0123456789") == std::string::npos);
        FUZZ_CHECK(std::strtoul(f.c_str(), nullptr, 10) == values[i]);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    orvfuzz::Setup();
    if (size < kFrameBytes)
        return 0;
    std::memcpy(szReadBuf, data, kFrameBytes);
    GetRxBufData();
    CopyDatatoVars();
    const word values[kRecordValues] = {dataChL,  dataChC,  dataChR, dataDensity,
                                        dataSym1, dataSym2, dataVec, dataTemp};
    for (int i = 0; i < kRecordValues; ++i)
        FUZZ_CHECK(values[i] == FrameWord(szReadBuf, kFrameValueWords[i]));
    // The rest: the date text up to its first NUL byte, the time after it.
    const std::string rest(reinterpret_cast<const char *>(data) + kFrameBytes, size - kFrameBytes);
    const std::string date = rest.substr(0, rest.find('\0'));
    const std::string time = date.size() < rest.size() ? rest.substr(date.size() + 1) : "";
    CheckLine(values, date.c_str(), time.c_str());
    CheckLine(values, DateStr(), TimeStr());
    return 0;
}
