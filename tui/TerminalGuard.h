#pragma once

#include <string>

// Gives the terminal back as it was on every way out: a normal return, exit(), Ctrl+C,
// a termination request, a hang-up and the fatal signals. A signal handler may not call
// into curses, so the guard keeps the terminal's original modes and the sequences that
// undo what the session switched on, and writes them with the async-signal-safe calls
// only; then the signal takes its default course (the process ends by that signal).
namespace tui {

// Before the session changes anything: remembers the terminal's modes on `fd` and the
// signals' dispositions, which DisarmTerminalGuard puts back.
void SaveTerminalModes(int fd);

// Once the session is running: `restore` undoes what it switched on (alternate screen,
// hidden cursor, mouse reports, keypad mode, attributes). Installs the signal handlers
// and an exit hook that calls `onExit` (ending the session cleanly) when the program
// exits without ending it.
void ArmTerminalGuard(std::string restore, void (*onExit)());

// The session ended cleanly: handlers and hook stand down.
void DisarmTerminalGuard();

}  // namespace tui
