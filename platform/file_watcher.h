#pragma once
// Notice of files changed on disk by other programs while organclock runs.
#include <string>
#include <vector>

namespace platform {

// Watches the working directory and the files `names` in it. Any change (a write, a
// file renamed over one of them as sync tools do, one created or removed) posts one
// event of kind FilesChanged into the main loop's queue; changes that come before that
// event is taken add none. The kernel's notification wakes the program only when
// something changed, so an idle program gets no extra wake-up. Our own writes are
// reported too: the receiver compares what it last saw with what is there.
void WatchFiles(const std::vector<std::string>& names);
void StopWatchingFiles();

}  // namespace platform
