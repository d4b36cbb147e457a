// Ctrl-C for tarvolin-batch: during the run it asks for a cancel, taken between files as the Cancel
// button would be; at any other time it ends the program at once with status 130 (every log record
// is already on disk, so nothing is lost by not unwinding).
#pragma once

void InstallInterruptHandler();
// From the start of the run to the end of the program, Ctrl-C cancels instead of ending the program.
void SetRunActive();
bool InterruptRequested();
