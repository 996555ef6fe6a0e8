// The window's side of the link's hooks (com232/link_hooks.h): its status
// texts in both status displays, the reason line of the interface panel,
// the greyed live displays, the interface panel opened on a time-out, the
// popup of a closed TCP connection and the wait cursor.
#pragma once

namespace orvelle {

// Makes the link report to the panels (linkHooks). Run before the first
// connection attempt.
void InstallWindowLinkHooks();

}  // namespace orvelle
