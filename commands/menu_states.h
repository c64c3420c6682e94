#pragma once
// Every check mark and greyed item of both menu bars, derived from the application
// state. Nothing else sets them.

// Called at start-up, after each command and after each view change.
void UpdateMenuStates();
