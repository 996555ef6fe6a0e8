// Whether a complete reply answers the read it was asked for, and if not,
// why, in the words of the operator's reason line. Plain functions: no panel
// and no link is touched, so every front end can call them.
#pragma once

#include <cstddef>

namespace orvelle {

// What a complete 36-byte reply is, against the read request it came for.
enum ReplyCheck {
    kReplyAnswers = 0,     // marker, the command asked, and for a row read the row asked
    kReplyWrongMarker,     // word 0 is not 0x00AA
    kReplyWrongCommand,    // word 1 names another command
    kReplyWrongRow,        // a row reply naming another row than the one asked for
};

// Checks the reply to a read (command 3, 4 or 5; any other command is held
// to its marker and command word). Returns one of ReplyCheck; for anything
// but kReplyAnswers, why holds the reason naming the exchange ("wrong marker
// 0x00AB in the reply to read row 5", "reply names row 7, expected row 6",
// "data frame expected, reply has command 3"), at most size - 1 bytes.
int CheckReadReply(const char *request, const char *reply, char *why, std::size_t size);

}  // namespace orvelle
