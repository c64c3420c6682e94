#pragma once
// organclock's own files as other programs may change them: the leftovers of a killed
// save removed at start, and a change on disk brought in while the program runs.
#include "shell/state/settings.h"

// Start-up, before any file is read: removes the temporary files a killed save left
// beside konfig.set, Term.dat and the organ texts.
void RemoveLeftoversOfKilledSaves();

// Start-up, after the files are read: their changes on disk are noticed from now on.
void WatchKeptFiles();

// Brings changes made on disk into the running program: konfig.set merged field by
// field, Term.dat merged by record, the shown organ text reloaded unless it is being
// edited. While a new appointment is entered the Term.dat merge waits.
void TakeInChangesOnDisk();
// Each pass: the Term.dat merge that waited for the end of an entry.
void TakeInDeferredChanges();

// What the settings merge changed is applied to menus, chime and small window.
void ApplyMergedSettings(const Settings& before);
