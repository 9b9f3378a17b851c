#pragma once
// Ctrl-C and SIGTERM for a command that must report before it ends: the first one is noted and
// wakes whoever waits here; a second one ends the program at once, as without this.
#include <chrono>
#include <optional>

namespace ctl {

void CatchInterrupts();
// 0, or the first signal caught.
int Interruption();
// The usual status of a program ended by the signal: 130 for SIGINT, 143 for SIGTERM.
int InterruptedExit(int signal);

// Wakes WaitForWakeup; from any thread.
void Wake();
// Until Wake(), a signal, or the time (forever without one), whichever comes first.
void WaitForWakeup(std::optional<std::chrono::steady_clock::time_point> until);

}  // namespace ctl
