#pragma once

// Carries out the command of a menu item, toolbar button or shortcut; identifiers
// without a command are ignored.
void DispatchCommand(int command);

// The commands the application shell carries out itself: ending the program and the
// views. The shell sits above every feature, so start-up hands its handler in here
// rather than the dispatcher reaching up into it. It is given every command the
// dispatcher does not carry out itself. Until then those commands do nothing.
using ShellCommandHandler = void (*)(int command);
void SetShellCommandHandler(ShellCommandHandler handler);
