// Frames in words an operator reads: what a request asks for and what a
// reply brought. Every function writes into the caller's buffer, at most
// size - 1 bytes, terminated, and allocates nothing.
#pragma once

#include <cstddef>

namespace orvelle {

// What the 36-byte request asks: "read row 5", "write parameters", ...
void DescribeRequest(const char *request, char *text, std::size_t size);
// What a complete 36-byte reply to request means: "echo ok", "row 5",
// "data frame", "identification ORV-3CH", "wrong marker 0x00AB",
// "wrong echo at byte 12", ...
void DescribeReply(const char *request, const char *reply, char *text, std::size_t size);
// The first byte k (from 2) below 2 * words where the echo differs from the
// request, 1 or 0 for a wrong marker byte, or -1 when the echo confirms it.
int EchoMismatch(const char *request, const char *reply, int words);
// The bytes as hex words, most significant byte first, separated by blanks
// ("0055 0004 0005 ..."); an odd last byte stands alone.
void HexWords(const char *bytes, int count, char *text, std::size_t size);

}  // namespace orvelle
