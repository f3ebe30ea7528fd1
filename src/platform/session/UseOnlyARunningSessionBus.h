#pragma once

namespace wigglepad {

// Without a session bus address, the D-Bus library launches a bus of its own for the X display
// (dbus-launch) at the first use: that takes seconds on the main thread, before the first frame,
// and no desktop service listens on such a bus anyway. Call before the application object
// exists: from then on only the session's own bus, in $XDG_RUNTIME_DIR, is looked for; when
// that is missing too there is no bus, at once.
void useOnlyARunningSessionBus();

} // namespace wigglepad
