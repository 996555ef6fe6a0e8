#include "gui/record_end.h"

#include <cstdio>
#include <cstring>

#include "gui/recorder.h"

namespace orvelle {

namespace {

// Appends to text (size bytes, terminated) as snprintf would write.
template <typename... Args>
void Append(char *text, std::size_t size, const char *format, Args... args)
{
    const std::size_t used = std::strlen(text);
    if (used + 1 < size)
        std::snprintf(text + used, size - used, format, args...);
}

const char *Plural(int n, const char *one, const char *many)
{
    return n == 1 ? one : many;
}

// The lines below the first: how many of how many, why it stopped, what
// was dropped.
void AppendWhatHappened(const RecordEnd *end, char *text, std::size_t size)
{
    if (end->why[0] != '\0' || end->dropped > 0) {
        if (end->asked > 0)
            Append(text, size, "\n%d of %d lines written", end->written, end->asked);
        else
            Append(text, size, "\n%d %s written", end->written, Plural(end->written, "line", "lines"));
        if (end->why[0] != '\0')
            Append(text, size, "; stopped early: %s", end->why);
        Append(text, size, ".");
    }
    if (end->dropped > 0)
        Append(text, size, "\n%d %s dropped: not %s.", end->dropped,
               Plural(end->dropped, "frame", "frames"),
               Plural(end->dropped, "a whole data frame", "whole data frames"));
}

}  // namespace

void ClearRecordEnd(RecordEnd *end)
{
    end->written = 0;
    end->asked = 0;
    end->dropped = 0;
    end->lost = 0;
    end->why[0] = '\0';
}

void FormatRecordEnd(const RecordEnd *end, const char *file, char *title, std::size_t titleSize,
                     char *text, std::size_t textSize)
{
    if (textSize == 0 || titleSize == 0)
        return;
    text[0] = '\0';
    if (end->lost > 0) {
        std::snprintf(title, titleSize, "%s", kRecTitle);
        std::snprintf(text, textSize,
                      "File has not been saved completely!\n%s\n%d %s could not be written.",
                      file, end->lost, Plural(end->lost, "line", "lines"));
        AppendWhatHappened(end, text, textSize);
        return;
    }
    if (end->written == 0) {
        std::snprintf(title, titleSize, "%s", kRecTitle);
        if (end->why[0] != '\0')
            std::snprintf(text, textSize, "Nothing was recorded: %s.", end->why);
        else if (end->dropped > 0)
            std::snprintf(text, textSize,
                          "Nothing was recorded: %d %s dropped, none was a whole data frame.",
                          end->dropped, Plural(end->dropped, "frame", "frames"));
        else
            std::snprintf(text, textSize, "Nothing was recorded: the sensor sent no frame.");
        return;
    }
    std::snprintf(title, titleSize, "%s", kRecSavedTitle);
    std::snprintf(text, textSize, "%s", kRecSavedText);
    AppendWhatHappened(end, text, textSize);
}

}  // namespace orvelle
