#pragma once

// Ctrl-C (SIGINT) and SIGTERM ask the running work to stop, which it notices by polling; a second
// signal ends the program at once with the signal's default action.
namespace StopSignal {

void Install();
// The signal received, or 0.
int Received();

} // namespace StopSignal
