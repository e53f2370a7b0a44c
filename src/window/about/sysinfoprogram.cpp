#include "window/about/sysinfoprogram.h"

#include "window/about/getkeyvalue.h"
#include "window/about/sysinfoenvironment.h"
#include "window/about/sysinfoviewers.h"

namespace {
const QString ProgramKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString ProgramValue = QStringLiteral("PATH");
const QString FolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString FolderValue = QStringLiteral("MSINFO");
const QString ProgramFile = QStringLiteral("\\MSINFO32.EXE");

QString FirstDesktopViewer(SysInfoEnvironment& environment)
{
    for (const char* viewer : SystemInfoViewers) {
        const QString path = environment.FindProgram(QString::fromLatin1(viewer));
        if (!path.isEmpty()) return path;
    }
    return {};
}
}  // namespace

QString FindSysInfoProgram(SysInfoEnvironment& environment)
{
    Registry& registry = environment.registry();
    QString value;
    if (GetKeyValue(registry, reg::LocalMachine, ProgramKey, ProgramValue, value)) return value;
    if (!GetKeyValue(registry, reg::LocalMachine, FolderKey, FolderValue, value))
        return FirstDesktopViewer(environment);
    const QString program = value + ProgramFile;
    return environment.FileExists(program) ? program : QString();
}
