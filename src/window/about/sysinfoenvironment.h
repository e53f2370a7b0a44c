#pragma once
// What the system information button needs from the machine, in one place so tests can put a
// fake machine behind the About box.
#include <QString>

#include "window/about/registry.h"

class QWidget;

class SysInfoEnvironment {
public:
    virtual ~SysInfoEnvironment() = default;
    virtual Registry& registry() = 0;
    virtual bool FileExists(const QString& path) = 0;
    // The full path of a program found on the PATH; empty when there is none.
    virtual QString FindProgram(const QString& name) = 0;
    // Starts the program without waiting for it; false when it cannot be started.
    virtual bool StartProgram(const QString& path) = 0;
    // A message box with an OK button.
    virtual void ShowMessage(QWidget* owner, const QString& text, const QString& caption) = 0;
};

// The machine the program runs on.
SysInfoEnvironment& DesktopEnvironment();
