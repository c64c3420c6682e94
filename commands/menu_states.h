#pragma once
// Every check mark and greyed item of both menu bars, derived from the application
// state by the rules in the command tables. Nothing else sets them.

// Called at start-up, after each command, settings change and view change.
void UpdateMenuStates();
