#pragma once
// Start-up, the main loop and the end of organclock.

#include "platform/program_identity.h"
#include "platform/types.h"

// The event step's wait when none is given: until the next window event or the next
// second boundary of the local clock, whichever comes first.
constexpr int kWaitToNextSecond = -1;

// Milliseconds from `now` until a little after its next second boundary: everything
// the steps look at changes only at such a boundary, and a clock jump or a resume from
// suspend is seen within a second. The few milliseconds of grace let the clock
// renderer's hand-over of the new second end the wait first, so that the main thread
// wakes once a second, not twice; the renderer itself wakes with a grace of 1.
constexpr int kSecondGraceMs = 10;
int MillisecondsToNextSecond(const platform::LocalTime& now, int graceMs = kSecondGraceMs);

// What the platform is told of organclock at start-up: its name, German dates and
// texts, the stand-ins for the Windows fonts it names.
platform::ProgramIdentity OrganclockIdentity();

// Start-up steps up to the main loop: state, fonts, pictures, settings (or the first
// run's files), windows, renderer, sounds, appointments, menu states, first view.
void RunStartup();

// One pass of the main loop: date, hour, minute and view steps, then a wait of at most
// `waitMs` for one window event, which is handled. The wait ends early for an ending
// signal, a raise request or the end of a sound.
void RunMainLoopPass(int waitMs = kWaitToNextSecond);

// Runs passes until the program is told to end; returns the exit code (0).
int RunMainLoop();

// "Beenden" / "Programm beenden": store the small window's position, write the
// settings and the appointments, release everything; the main loop then returns.
void ExitProgram();

// Stops the renderer and frees every window, picture, font, sound and tray icon.
void ReleaseProgram();

// For an end the main loop never sees, such as the window system calling exit() when
// the display has gone: writes the settings and the appointments as "Beenden" does and
// stops the renderer thread, unless the program has ended in order already. Touches no
// window beyond reading the position it last had.
void EndProgramAtProcessExit();
