#pragma once
// SIGTERM and SIGINT end a frame loop quietly instead of killing the process
// mid-frame: XScreenSaver stops its hacks with SIGTERM.

namespace organsaver {

void CatchTerminationSignalsOnce();
bool TerminationSignalReceived();

}  // namespace organsaver
