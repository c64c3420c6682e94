#pragma once
// One instance of the program per working directory: two would overwrite each other's
// files.

namespace platform {

// True when this process is the only instance of the program (by its identity's name)
// working in the current directory; it then listens for later starts. Otherwise it asks
// the running one to bring its main window forward and returns false.
bool ClaimSingleInstance();

// True (once) when a later start asked this instance to come forward.
bool TakeRaiseRequest();

}  // namespace platform
