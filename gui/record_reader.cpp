#include "gui/record_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "platform/formatio/format_files.h"

namespace orvelle {

namespace {

constexpr std::size_t kChunkBytes = 1 << 20;
constexpr int kShortestLine = 37;  // date, time, eight one-digit values, CR LF
constexpr int kMaxWord = 65535;
constexpr int kDaysPer400Years = 146097;
// The header as written, without its trailing tab and line end.
constexpr char kHeaderNames[] = "DATE\tTIME\tCH_L\tCH_C\tCH_R\tDENS\tSYM1\tSYM2\tVECTOR\tTEMP";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Two digits at p, or -1.
int TwoDigits(const char *p)
{
    if (p[0] < '0' || p[0] > '9' || p[1] < '0' || p[1] > '9')
        return -1;
    return (p[0] - '0') * 10 + (p[1] - '0');
}

bool LeapYear(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m)
{
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && LeapYear(y) ? 29 : kDays[m - 1];
}

// Days from 1970-01-01 of a civil date (proleptic Gregorian).
std::int64_t DaysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return std::int64_t(era) * kDaysPer400Years + doe - 719468;
}

// "MM-DD-YYYY\tHH:MM:SS\t" at the start of text: the seconds, or -1 when
// it is not a real date and time of the clock.
bool ParseStamp(const char *t, std::int64_t *seconds)
{
    if (t[2] != '-' || t[5] != '-' || t[10] != '\t' || t[13] != ':' || t[16] != ':' ||
        t[19] != '\t')
        return false;
    const int month = TwoDigits(t), day = TwoDigits(t + 3);
    const int y1 = TwoDigits(t + 6), y2 = TwoDigits(t + 8);
    const int hour = TwoDigits(t + 11), minute = TwoDigits(t + 14), second = TwoDigits(t + 17);
    if (month < 1 || month > 12 || day < 1 || y1 < 0 || y2 < 0 || hour < 0 || hour > 23 ||
        minute < 0 || minute > 59 || second < 0 || second > 59)
        return false;
    const int year = y1 * 100 + y2;
    if (day > DaysInMonth(year, month))
        return false;
    *seconds = RecordSeconds(year, month, day, hour, minute, second);
    return true;
}

bool IsHeader(const char *text, std::size_t length)
{
    const std::size_t n = sizeof kHeaderNames - 1;
    if (length < n || std::memcmp(text, kHeaderNames, n) != 0)
        return false;
    for (std::size_t i = n; i < length; ++i)
        if (!IsBlank(text[i]))
            return false;
    return true;
}

// Splits a file into lines and sorts each into data.
class LineSink {
public:
    explicit LineSink(RecordData &data) : data_(data) {}

    void line(const char *text, std::size_t length)
    {
        ++number_;
        if (length > 0 && text[length - 1] == '\r')
            --length;
        RecordLine rec;
        const RecordLineKind kind = ParseRecordLine(text, length, &rec);
        if (kind != RecordLineKind::Data) {
            skip(kind == RecordLineKind::Bad);
            return;
        }
        if (data_.lines() == kRecordMaxLines) {
            data_.truncated = true;  // a data line beyond the last one kept
            return;
        }
        data_.x.push_back(double(rec.seconds));
        for (int c = 0; c < kRecordValues; ++c)
            data_.values[c].push_back(rec.values[c]);
    }
    // A line longer than any record line, not looked at.
    void longLine()
    {
        ++number_;
        skip(true);
    }
    bool full() const { return data_.truncated; }

private:
    void skip(bool bad)
    {
        data_.skipped.push_back(number_);
        if (bad)
            data_.bad.push_back(number_);
    }
    RecordData &data_;
    std::uint32_t number_ = 0;
};

// Reads fd to its end, a chunk at a time, handing every line to sink.
// false with errno on a read error.
bool ReadLines(int fd, LineSink &sink)
{
    std::string buf(kChunkBytes + kRecordLineLimit, '\0');
    std::size_t held = 0;     // bytes of an unfinished line at the start of buf
    bool tooLong = false;     // the line being read is already longer than any record line
    for (;;) {
        const ssize_t n = ::read(fd, buf.data() + held, kChunkBytes);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        const char *p = buf.data(), *end = buf.data() + held + std::size_t(n);
        if (n == 0) {
            if (tooLong)
                sink.longLine();
            else if (held > 0)
                sink.line(p, held);
            return true;
        }
        for (;;) {
            const char *lf = static_cast<const char *>(std::memchr(p, '\n', end - p));
            if (!lf)
                break;
            if (tooLong)
                sink.longLine();
            else if (lf - p > kRecordLineLimit)
                sink.longLine();
            else
                sink.line(p, std::size_t(lf - p));
            if (sink.full())
                return true;
            tooLong = false;
            p = lf + 1;
        }
        held = std::size_t(end - p);
        if (tooLong || held > std::size_t(kRecordLineLimit)) {
            tooLong = true;
            held = 0;
        } else {
            std::memmove(buf.data(), p, held);
        }
    }
}

// Lines of one second get x = second + k / n, k counted from 0.
void SpreadSeconds(RecordData &data)
{
    std::vector<double> &x = data.x;
    std::size_t i = 0;
    while (i < x.size()) {
        std::size_t j = i + 1;
        while (j < x.size() && x[j] == x[i])
            ++j;
        const double n = double(j - i);
        for (std::size_t k = 1; k < j - i; ++k)
            x[i + k] = x[i] + double(k) / n;
        if (i > 0 && x[i] < x[i - 1])
            data.ascending = false;
        i = j;
    }
}

void SetReason(char *reason, std::size_t size, const char *text)
{
    if (reason && size > 0)
        std::snprintf(reason, size, "%s", text);
}

}  // namespace

std::int64_t RecordSeconds(int year, int month, int day, int hour, int minute, int second)
{
    return DaysFromCivil(year, month, day) * kSecondsPerDay + hour * 3600 + minute * 60 + second;
}

void RecordDateTime(std::int64_t seconds, char date[kRecordDateChars + 1],
                    char time[kRecordTimeChars + 1])
{
    std::int64_t days = seconds / kSecondsPerDay, rest = seconds % kSecondsPerDay;
    if (rest < 0) {
        rest += kSecondsPerDay;
        --days;
    }
    // Civil date of a day count (the inverse of DaysFromCivil).
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - (kDaysPer400Years - 1)) / kDaysPer400Years;
    const std::int64_t doe = z - era * kDaysPer400Years;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int day = int(doy - (153 * mp + 2) / 5 + 1);
    const int month = int(mp < 10 ? mp + 3 : mp - 9);
    const std::int64_t year = yoe + era * 400 + (month <= 2);
    if (year < 0 || year > 9999)
        std::snprintf(date, kRecordDateChars + 1, "\?\?-\?\?-\?\?\?\?");
    else
        std::snprintf(date, kRecordDateChars + 1, "%02d-%02d-%04d", month, day, int(year));
    std::snprintf(time, kRecordTimeChars + 1, "%02d:%02d:%02d", int(rest / 3600),
                  int(rest / 60 % 60), int(rest % 60));
}

RecordLineKind ParseRecordLine(const char *text, std::size_t length, RecordLine *out)
{
    std::size_t blanks = 0;
    while (blanks < length && IsBlank(text[blanks]))
        ++blanks;
    if (blanks == length)
        return RecordLineKind::Blank;
    if (IsHeader(text, length))
        return RecordLineKind::Header;
    std::int64_t seconds = 0;
    if (length < 20 || length > std::size_t(kRecordLineLimit) || !ParseStamp(text, &seconds))
        return RecordLineKind::Bad;
    word values[kRecordValues];
    const char *p = text + 20, *end = text + length;
    for (int c = 0; c < kRecordValues; ++c) {
        if (c > 0) {
            if (p == end || *p != '\t')
                return RecordLineKind::Bad;
            ++p;
        }
        while (p != end && *p == ' ')
            ++p;
        int v = 0, digits = 0;
        for (; p != end && *p >= '0' && *p <= '9' && digits < 6; ++p, ++digits)
            v = v * 10 + (*p - '0');
        if (digits == 0 || v > kMaxWord)
            return RecordLineKind::Bad;
        while (p != end && *p == ' ')
            ++p;
        values[c] = static_cast<word>(v);
    }
    if (p != end && *p == '\t')
        ++p;
    while (p != end && *p == ' ')
        ++p;
    if (p != end)
        return RecordLineKind::Bad;
    out->seconds = seconds;
    std::memcpy(out->values, values, sizeof values);
    return RecordLineKind::Data;
}

int ReadRecordFile(const char *path, RecordData *out, char *reason, std::size_t reasonSize)
{
    SetReason(reason, reasonSize, "");
    // Regular files only, and never a wait on a FIFO for its writer.
    const int fd = fmtio::OpenRegular(path, O_RDONLY);
    if (fd < 0) {
        const bool notAFile = errno == EINVAL || errno == EISDIR;
        SetReason(reason, reasonSize, notAFile ? "Not a regular file" : std::strerror(errno));
        return notAFile ? kRecordNotAFile : kRecordCannotOpen;
    }
    struct stat st {};
    ::fstat(fd, &st);
    int rc = 0;
    try {
        RecordData data;
        const std::size_t guess =
            std::min<std::size_t>(std::size_t(st.st_size) / kShortestLine + 1, kRecordMaxLines);
        data.x.reserve(guess);
        for (auto &column : data.values)
            column.reserve(guess);
        LineSink sink(data);
        if (!ReadLines(fd, sink)) {
            SetReason(reason, reasonSize, std::strerror(errno));
            rc = kRecordReadFailed;
        } else {
            SpreadSeconds(data);
            // The guess holds for the shortest lines; give back what a file
            // of longer ones left unused.
            if (data.x.capacity() > data.lines() + data.lines() / 4) {
                data.x.shrink_to_fit();
                for (auto &column : data.values)
                    column.shrink_to_fit();
            }
            *out = std::move(data);
        }
    } catch (const std::bad_alloc &) {
        SetReason(reason, reasonSize, "Not enough memory");
        rc = kRecordNoMemory;
    }
    ::close(fd);
    return rc;
}

std::uint32_t RecordFileLine(const RecordData &data, std::size_t i)
{
    // The (i + 1)th line that is not skipped.
    std::uint64_t line = i + 1;
    for (std::uint32_t s : data.skipped) {
        if (s > line)
            break;
        ++line;
    }
    return std::uint32_t(line);
}

}  // namespace orvelle
