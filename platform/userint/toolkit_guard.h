// The start of the user-interface toolkit (the run-time engine's own
// initialisation), guarded so that a machine without a display gets a
// plain answer instead of the toolkit's abort.
#pragma once

// From now until EndToolkitStartGuard the toolkit's messages are held back.
// If the toolkit cannot start (no display to open windows on, no usable
// platform plugin), one line naming the reason goes to stderr and the
// process ends at once with exitCode.
void BeginToolkitStartGuard(const char *programName, int exitCode);
// The toolkit has started: the held messages go out as usual and later
// ones are no longer held.
void EndToolkitStartGuard();
