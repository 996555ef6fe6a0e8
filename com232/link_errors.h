// The operator's texts for the error codes of port opening and TCP connection.
#pragma once

namespace orvelle {

const char *Rs232ErrorText(int code);
const char *TcpErrorText(int code);

}  // namespace orvelle
