#pragma once
// Where the system information program is.
#include <QString>

class SysInfoEnvironment;

// The program the registry names, either by its full path or by its folder (which must then
// hold MSINFO32.EXE); when the registry names neither, the first of the desktop's viewers on the
// PATH. Empty when there is no program to start.
QString FindSysInfoProgram(SysInfoEnvironment& environment);
