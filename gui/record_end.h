// How a recording ended, and the closing message that tells the operator.
// Plain data and a plain function: the loops fill the account, the panel
// shows the message, a program without panels can print it.
#pragma once

#include <cstddef>

#include "app/state.h"

namespace orvelle {

// The account of one recording.
struct RecordEnd {
    int written;             // lines in the file
    int asked;               // lines asked for (fixed count); 0 when open-ended
    int dropped;             // replies and frames that were not whole data frames
    int lost;                // lines that could not be written
    char why[kReasonBytes];  // why it stopped early; "" when it ended as asked or by stop
};

// An empty account: nothing written, nothing asked, no reason.
void ClearRecordEnd(RecordEnd *end);
// The closing message of a recording into file: "File has been saved!" when
// everything asked went into the file; with what happened added below when
// it ended early or dropped frames; "File has not been saved completely!"
// with the file and the lines that could not be written; "Nothing was
// recorded" with why when no line went in. title and text get at most
// titleSize - 1 and textSize - 1 bytes.
void FormatRecordEnd(const RecordEnd *end, const char *file, char *title, std::size_t titleSize,
                     char *text, std::size_t textSize);

}  // namespace orvelle
