// The link's status texts go to two places at once: DispStatus on the data
// panel and the status line of the interface panel.
#pragma once

namespace orvelle {

void ShowStatus(const char *text);

}  // namespace orvelle
