#pragma once
// Start-up, the main loop and the end of organclock.

constexpr int kEventWaitMs = 50;

// Start-up steps up to the main loop: state, fonts, pictures, settings (or the first
// run's files), windows, renderer, sounds, appointments, menu states, first view.
void RunStartup();

// One pass of the main loop: date, hour, minute and view steps, then a wait of at most
// `waitMs` for one window event, which is handled.
void RunMainLoopPass(int waitMs = kEventWaitMs);

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
