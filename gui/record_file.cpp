#include "gui/record_file.h"

#include <cstdio>
#include <cstring>

#include "platform/formatio/formatio.h"
#include "platform/utility/utility.h"

namespace orvelle {

namespace {

// Copies at most max characters of text, replacing control characters.
int PutField(char *out, const char *text, int max)
{
    int n = 0;
    for (; n < max && text[n] != '\0'; ++n) {
        const auto c = static_cast<unsigned char>(text[n]);
        out[n] = c < 0x20 || c == 0x7F ? '?' : static_cast<char>(c);
    }
    return n;
}

}  // namespace

int FormatRecordLine(const word values[kRecordValues], const char *date, const char *time,
                     char *line, int size)
{
    if (size < kRecordLineBytes)
        return -1;
    int n = PutField(line, date ? date : "", kRecordDateChars);
    line[n++] = '\t';
    n += PutField(line + n, time ? time : "", kRecordTimeChars);
    for (int i = 0; i < kRecordValues; ++i)
        n += std::snprintf(line + n, static_cast<std::size_t>(size - n), "\t%u",
                           static_cast<unsigned>(values[i]));
    n += std::snprintf(line + n, static_cast<std::size_t>(size - n), "\r\n");
    return n;
}

int WriteFileHeader()
{
    return AppendToFile(file_name, kRecordHeader, static_cast<int>(std::strlen(kRecordHeader)));
}

int FormatRecordLineNow(char *line, int size)
{
    const word values[kRecordValues] = {dataChL,  dataChC,  dataChR, dataDensity,
                                        dataSym1, dataSym2, dataVec, dataTemp};
    return FormatRecordLine(values, DateStr(), TimeStr(), line, size);
}

int ToFile()
{
    char line[kRecordLineBytes];
    const int n = FormatRecordLineNow(line, sizeof line);
    if (n < 0)
        return -1;
    return AppendToFile(file_name, line, n);
}

int StartRecordFileAt(const char *path, int existing, const char *header,
                      char (&backup)[kRecordBackupBytes])
{
    std::snprintf(backup, sizeof backup, "%s%s", path, kRecordBackupSuffix);
    if (existing && RenameFile(path, backup) < 0)
        return kRecordNoBackup;
    if (AppendToFile(path, header, static_cast<int>(std::strlen(header))) < 0) {
        if (existing)
            RenameFile(backup, path);
        return kRecordNoHeader;
    }
    return 0;
}

}  // namespace orvelle
