#pragma once
// The batch readout program: reads design files as the window's Open command does and writes
// each one's readout page as the window's export commands do.
#include <QStringList>

// Exit codes of the program.
enum ReadoutToolExit { ReadoutToolDone = 0, ReadoutToolFailed = 1, ReadoutToolMisused = 2 };

// Runs the program on its command line (the program's name first); reports on standard error
// and returns the exit code. Needs a running application object.
int RunReadoutTool(const QStringList& arguments);
