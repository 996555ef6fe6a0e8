// The window's live data: the polling loop shown in the displays and graphs.
// The requests are com232/data_request.h, shared with orvelle-cli.
#pragma once

#include "com232/data_request.h"

namespace orvelle {

// The polling loop: the tolerance ranges of the selected teach row drawn,
// then one command-5 request per turn, shown in the displays and graphs,
// until poll is cleared (stop, close, time-out, teach edit). A reply that is
// no data frame is not shown and ends polling with its reason.
void GetData();

}  // namespace orvelle
