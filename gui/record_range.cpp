#include "gui/record_range.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/formatio/formatio.h"

namespace orvelle {

namespace {

constexpr std::size_t kWriteChunk = 1 << 16;

bool Inside(double x, double lo, double hi)
{
    return x >= lo && x <= hi;
}

}  // namespace

std::size_t NearestLine(const RecordData &data, double x)
{
    const std::vector<double> &v = data.x;
    if (data.ascending) {
        const auto it = std::lower_bound(v.begin(), v.end(), x);
        if (it == v.begin())
            return 0;
        if (it == v.end())
            return v.size() - 1;
        const std::size_t i = std::size_t(it - v.begin());
        return x - v[i - 1] <= v[i] - x ? i - 1 : i;
    }
    std::size_t best = 0;
    for (std::size_t i = 1; i < v.size(); ++i)
        if (std::fabs(v[i] - x) < std::fabs(v[best] - x))
            best = i;
    return best;
}

LineSpan VisibleLines(const RecordData &data, double lo, double hi)
{
    const std::vector<double> &v = data.x;
    LineSpan span;
    if (data.ascending) {
        const auto a = std::lower_bound(v.begin(), v.end(), lo);
        const auto b = std::upper_bound(a, v.end(), hi);
        span.first = std::size_t(a - v.begin());
        span.count = std::size_t(b - a);
        return span;
    }
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (!Inside(v[i], lo, hi))
            continue;
        if (span.count == 0)
            span.first = i;
        ++span.count;
    }
    return span;
}

int WriteRecordRange(const char *path, const RecordData &data, double lo, double hi,
                     std::size_t *written, char *reason, std::size_t reasonSize)
{
    *written = 0;
    if (reason && reasonSize > 0)
        reason[0] = '\0';
    const int file = OpenFile(path, VAL_WRITE_ONLY, VAL_TRUNCATE, VAL_BINARY);
    if (file < 0) {
        if (reason && reasonSize > 0)
            std::snprintf(reason, reasonSize, "%s", std::strerror(errno));
        return kFmtCannotOpen;
    }
    std::string out(kRecordHeader);
    bool ok = true;
    std::size_t count = 0;
    for (std::size_t i = 0; i < data.lines() && ok; ++i) {
        if (!Inside(data.x[i], lo, hi))
            continue;
        char date[kRecordDateChars + 1], time[kRecordTimeChars + 1];
        RecordDateTime(std::int64_t(std::floor(data.x[i])), date, time);
        word values[kRecordValues];
        for (int c = 0; c < kRecordValues; ++c)
            values[c] = data.values[c][i];
        char line[kRecordLineBytes];
        const int n = FormatRecordLine(values, date, time, line, sizeof line);
        out.append(line, std::size_t(n));
        ++count;
        if (out.size() >= kWriteChunk) {
            ok = WriteFile(file, out.data(), int(out.size())) >= 0;
            out.clear();
        }
    }
    if (ok && !out.empty())
        ok = WriteFile(file, out.data(), int(out.size())) >= 0;
    const int saved = errno;
    // CloseFile puts the new file in place only when every byte was written.
    const bool closed = CloseFile(file) == 0;
    if (!ok || !closed) {
        if (reason && reasonSize > 0)
            std::snprintf(reason, reasonSize, "%s", std::strerror(ok ? errno : saved));
        return kFmtIOError;
    }
    *written = count;
    return 0;
}

}  // namespace orvelle
