// Fuzz target: a record file read back, its bytes random. Every line of the
// file is data, or skipped and named; the columns stay equally long; a line
// taken as data writes out and reads back as the same line; the order the
// reader reports holds, and the nearest line to a line's x lies at that x.
#include <algorithm>
#include <cmath>
#include <string>

#include "fuzz_support.h"
#include "gui/record_range.h"
#include "gui/record_reader.h"

using namespace orvelle;

namespace {

// Lines as the reader splits them: at LF, the last one also without it.
std::size_t LinesIn(const uint8_t *data, size_t size)
{
    std::size_t n = 0;
    for (size_t i = 0; i < size; ++i)
        n += data[i] == '\n';
    return n + (size > 0 && data[size - 1] != '\n');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string path = orvfuzz::Setup() + "/fuzz.dat";
    orvfuzz::WriteFile(path, data, size);
    RecordData d;
    char reason[128];
    FUZZ_CHECK(ReadRecordFile(path.c_str(), &d, reason, sizeof reason) == 0);
    for (const auto &column : d.values)
        FUZZ_CHECK(column.size() == d.lines());
    FUZZ_CHECK(d.lines() + d.skipped.size() == LinesIn(data, size));
    for (std::size_t i = 1; i < d.skipped.size(); ++i)
        FUZZ_CHECK(d.skipped[i - 1] < d.skipped[i]);
    for (std::uint32_t b : d.bad)
        FUZZ_CHECK(std::binary_search(d.skipped.begin(), d.skipped.end(), b));
    bool ascending = true;
    for (std::size_t i = 0; i < d.lines(); ++i) {
        ascending &= i == 0 || d.x[i] >= d.x[i - 1];
        // Written out again, the line reads back as itself.
        char date[kRecordDateChars + 1], time[kRecordTimeChars + 1], line[kRecordLineBytes];
        const double second = std::floor(d.x[i]);
        RecordDateTime(std::int64_t(second), date, time);
        word v[kRecordValues];
        for (int c = 0; c < kRecordValues; ++c)
            v[c] = d.values[c][i];
        const int n = FormatRecordLine(v, date, time, line, sizeof line);
        RecordLine back;
        FUZZ_CHECK(ParseRecordLine(line, std::size_t(n - 2), &back) == RecordLineKind::Data);
        FUZZ_CHECK(double(back.seconds) == second);
        for (int c = 0; c < kRecordValues; ++c)
            FUZZ_CHECK(back.values[c] == v[c]);
        FUZZ_CHECK(d.x[NearestLine(d, d.x[i])] == d.x[i]);
    }
    FUZZ_CHECK(ascending == d.ascending);
    return 0;
}
