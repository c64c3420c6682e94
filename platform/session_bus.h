#pragma once
// The desktop session's bus, for notifications and the tray.

namespace platform {

// Whether the session announces a bus. Only then is it asked for: asking for one that
// is not there would make the bus library start a bus of its own.
bool SessionBusAnnounced();

}  // namespace platform
