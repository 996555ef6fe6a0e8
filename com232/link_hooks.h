// What the link tells the front end that uses it. The link code notes its
// state and reasons in the shared variables and calls these hooks; the
// window installs panel updates, orvelle-cli installs its own. A null hook,
// or no table at all (linkHooks null), tells nobody.
#pragma once

namespace orvelle {

struct LinkHooks {
    // A status text: "TRY", an error name, the identification, "TIMEOUT".
    void (*status)(const char *text);
    // The last failure's reason with its time: "<reason>, HH:MM:SS".
    void (*reason)(const char *line);
    // on 1: the values shown came from a link that has failed since; 0: live again.
    void (*stale)(int on);
    // A reply timed out or was wrong (after poll, comecho and the status are
    // set): the window opens the interface panel.
    void (*timedOut)();
    // The TCP server closed the connection (its reason already noted).
    void (*serverClosed)();
    // A connection attempt that may take seconds begins (1) or ends (0).
    void (*busy)(int on);
};

}  // namespace orvelle
